#pragma once

// A table run over a small generated document through the embedded Word:
// write, open, run, save, reopen, and read back what a reader would see.

#include <gtest/gtest.h>

#include "automation/Instances.h"
#include "automation/word/Word.h"
#include "formatting/FormatTables.h"
#include "tests/common/TestSupport.h"
#include "tests/formatting/DocxFixture.h"
#include "tests/formatting/RecordingPort.h"

namespace dorvane::formatting::testing {

class RunFixture : public ::testing::Test {
protected:
    void TearDown() override { app->Quit(); }

    // Writes the body into a document and opens it as the active one.
    word::Ref<word::Document> Open(const std::string& bodyXml) {
        auto file = dir / ("in" + std::to_string(++files_) + ".docx");
        WriteDocx(file, bodyXml);
        return app->Documents()->Open(file.string());
    }
    word::Ref<word::Document> OpenFile(const std::filesystem::path& file) {
        return app->Documents()->Open(file.string());
    }

    FormatTablesReport Run() { return FormatTables(*app, settings, state, port); }

    // Saves the document under a new name, closes it and opens the saved file.
    word::Ref<word::Document> SaveAndReopen(word::Ref<word::Document> document) {
        saved = dir / ("out" + std::to_string(++files_) + ".docx");
        document->SaveAs(saved.string());
        document->Close();
        return app->Documents()->Open(saved.string());
    }

    static word::Ref<word::Table> TableOf(word::Document& d, int t) {
        return d.Tables()->Item(t);
    }
    static word::Ref<word::Range> CellRange(word::Document& d, int t, int r, int c) {
        return d.Tables()->Item(t)->Cell(r, c)->Range();
    }
    static int Alignment(word::Document& d, int t, int r, int c) {
        return CellRange(d, t, r, c)->ParagraphFormat()->Alignment();
    }
    static std::string Text(word::Document& d, int t, int r, int c) {
        std::string text = CellRange(d, t, r, c)->Text();
        return text.substr(0, text.size() - 2);
    }
    // A border of table t as a reader finds it with the whole table selected.
    std::pair<int, int> Border(word::Document& d, int t, int index) {
        d.Tables()->Item(t)->Select();
        auto border = app->Selection()->Borders()->Item(index);
        return {border->LineStyle(), border->LineWidth()};
    }

    ::dorvane::testing::TempDir dir;
    std::shared_ptr<word::Application> app = CreateWordApplication();
    RecordingPort port;
    FormatRunState state;
    FormatSettings settings;
    std::filesystem::path saved;

private:
    int files_ = 0;
};

}  // namespace dorvane::formatting::testing
