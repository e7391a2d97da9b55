// The table run over every corpus document that opens: the saved result
// reopens with the same tables and the same cell texts, apart from what
// the options change on purpose.

#include <algorithm>
#include <vector>

#include "tests/formatting/RunFixture.h"

namespace dorvane::formatting::testing {
namespace {

using namespace dorvane::word;

// The texts of every cell of every top-level table, table by table; a
// nested table's text is part of the cell that holds it.
std::vector<std::vector<std::string>> CellTexts(Document& d) {
    std::vector<std::vector<std::string>> tables;
    for (int t = 1; t <= d.Tables()->Count(); ++t) {
        auto cells = d.Tables()->Item(t)->Range()->Cells();
        std::vector<std::string> texts;
        for (int k = 1; k <= cells->Count(); ++k) texts.push_back(cells->Item(k)->Range()->Text());
        tables.push_back(std::move(texts));
    }
    return tables;
}

// What space removal and thousands separators leave the same: the text
// without ASCII spaces and commas.
std::string WithoutSpacesAndCommas(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == ','; });
    return text;
}

std::vector<std::filesystem::path> CorpusDocuments() {
    std::vector<std::filesystem::path> files;
    auto dir = ::dorvane::testing::CorpusDir();
    if (!dir || !std::filesystem::is_directory(*dir / "docx")) return files;
    for (const auto& entry : std::filesystem::directory_iterator(*dir / "docx"))
        if (entry.path().extension() == ".docx") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class CorpusSweep : public RunFixture {
protected:
    // Opens, runs, saves and reopens every corpus document that opens;
    // `check` compares the cell texts before and after.
    template <class Check>
    void Sweep(Check&& check) {
        auto files = CorpusDocuments();
        if (files.empty()) GTEST_SKIP() << "corpus absent";
        int swept = 0;
        for (const auto& file : files) {
            Ref<Document> d;
            try {
                d = OpenFile(file);
            } catch (const AutomationError&) {
                continue;  // damaged or encrypted: refused with a message elsewhere
            }
            SCOPED_TRACE(file.filename().string());
            auto before = CellTexts(*d);
            Run();
            d = SaveAndReopen(d);
            auto after = CellTexts(*d);
            ASSERT_EQ(after.size(), before.size());
            for (std::size_t t = 0; t < before.size(); ++t) {
                ASSERT_EQ(after[t].size(), before[t].size()) << "table " << t + 1;
                for (std::size_t k = 0; k < before[t].size(); ++k)
                    check(before[t][k], after[t][k], t + 1, k + 1);
            }
            d->Close();
            ++swept;
        }
        EXPECT_GT(swept, 20);
    }
};

TEST_F(CorpusSweep, OpeningValuesKeepEveryCellText) {
    Sweep([](const std::string& before, const std::string& after, std::size_t t, std::size_t k) {
        EXPECT_EQ(after, before) << "table " << t << " cell " << k;
    });
}

TEST_F(CorpusSweep, EveryOptionChangesOnlySpacesAndSeparators) {
    settings.Combo1 = "1.5";
    settings.Combo2 = "仿宋_GB2312";
    settings.Combo3 = "五号";
    settings.Combo8 = "0.55";
    settings.Combo9 = "居中 黑体";
    settings.Combo10 = "居左";
    settings.Combo11 = "数字居右,其他居中";
    settings.Combo12 = "Arial Narrow";
    settings.Check3 = 1;
    settings.Check4 = 1;
    settings.Check5 = 1;
    settings.Check6 = 1;
    Sweep([](const std::string& before, const std::string& after, std::size_t t, std::size_t k) {
        EXPECT_EQ(WithoutSpacesAndCommas(after), WithoutSpacesAndCommas(before))
            << "table " << t << " cell " << k;
    });
}

}  // namespace
}  // namespace dorvane::formatting::testing
