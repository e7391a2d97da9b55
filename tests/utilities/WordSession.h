#pragma once

// A document opened in a Word application of its own, and the same
// document saved and opened again, as a user would see it.

#include <filesystem>
#include <string>

#include "automation/Instances.h"
#include "automation/word/Word.h"

namespace dorvane::testing {

struct WordSession {
    explicit WordSession(const std::filesystem::path& file)
        : word(CreateWordApplication()), document(word->Documents()->Open(file.string())) {}

    // Saves under `file` and opens the saved file in a new application.
    WordSession SaveAndReopen(const std::filesystem::path& file) {
        document->SaveAs(file.string());
        return WordSession(file);
    }

    int TableCount() { return document->Tables()->Count(); }
    int RowCount(int table) { return document->Tables()->Item(table)->Rows()->Count(); }
    std::string CellText(int table, int row, int column) {
        return document->Tables()->Item(table)->Cell(row, column)->Range()->Text();
    }

    std::shared_ptr<word::Application> word;
    std::shared_ptr<word::Document> document;
};

}  // namespace dorvane::testing
