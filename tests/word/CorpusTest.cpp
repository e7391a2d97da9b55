// Every .docx of the corpus: opened or refused clearly, written back intact,
// and tables counted as Word counts them.

#include <set>

#include <gtest/gtest.h>

#include "automation/embedded/package/Package.h"
#include "tests/common/TestSupport.h"
#include "tests/word/Docx.h"

namespace dorvane::word_testing {
namespace {

using dorvane::AutomationError;
namespace w = dorvane::word;

std::string CellText(Session& s, int table, int row, int column) {
    std::string text = s.Table(table)->Cell(row, column)->Range()->Text();
    return text.substr(0, text.size() - 2);
}

TEST(CorpusTest, EveryDocumentOpensAndRoundTripsOrIsRefusedNamingTheFile) {
    auto corpus = dorvane::testing::CorpusDir();
    if (!corpus) GTEST_SKIP() << "corpus absent";
    // Damaged on purpose: truncated zip, encrypted package, bad checksum.
    const std::set<std::string> broken = {"oxsdk_document_with_password.docx", "poi_truncated62886.docx",
                                          "poi_clusterfuzz-6733884933668864.docx"};
    dorvane::testing::TempDir dir;
    int opened = 0;
    for (const auto& entry : std::filesystem::directory_iterator(*corpus / "docx")) {
        if (entry.path().extension() != ".docx") continue;
        std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        auto word = CreateWordApplication();
        std::shared_ptr<w::Document> doc;
        try {
            doc = word->Documents()->Open(entry.path().string());
        } catch (const AutomationError& e) {
            EXPECT_TRUE(broken.count(name)) << e.what();
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            continue;
        }
        EXPECT_FALSE(broken.count(name));
        ++opened;
        int tables = doc->Tables()->Count();
        long length = doc->Content()->End();
        auto copy = dir / name;
        doc->SaveAs(copy.string());
        auto original = embedded::Package::Open(entry.path(), "test");
        auto saved = embedded::Package::Open(copy, "test");
        EXPECT_EQ(saved->PartNames(), original->PartNames());
        for (const auto& part : original->PartNames())
            EXPECT_TRUE(saved->RawPart(part) == original->RawPart(part)) << part;
        Session again(copy);
        EXPECT_EQ(again.doc->Tables()->Count(), tables);
        EXPECT_EQ(again.doc->Content()->End(), length);
    }
    EXPECT_GE(opened, 25);
}

TEST(CorpusTest, CellAddressingFollowsMergedCells) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/pydocx_tbl-cell-access.docx");
    Session s(file);
    ASSERT_EQ(s.doc->Tables()->Count(), 4);
    EXPECT_EQ(CellText(s, 1, 3, 3), "9");
    // Table 2: "4" spans two columns, so "6" is the second cell of row 2.
    EXPECT_EQ(CellText(s, 2, 2, 2), "6");
    EXPECT_THROW(s.Table(2)->Cell(2, 3), AutomationError);
    EXPECT_THROW(s.Table(2)->Columns()->Item(1), AutomationError);
    EXPECT_EQ(s.Table(2)->Columns()->Count(), 3);
    // Table 3: "5" is merged down, so row 3 has two cells: "7" and "9".
    EXPECT_EQ(CellText(s, 3, 3, 2), "9");
    EXPECT_THROW(s.Table(3)->Cell(3, 3), AutomationError);
    EXPECT_THROW(s.Table(3)->Rows()->Item(1), AutomationError);
    // Table 4: "4" spans two columns and two rows.
    EXPECT_EQ(CellText(s, 4, 3, 1), "9");
    EXPECT_THROW(s.Table(4)->Cell(3, 2), AutomationError);
}

TEST(CorpusTest, SpanRenderingTableHasTheCellsWordFinds) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/docxjs_table-spans.docx");
    Session s(file);
    ASSERT_EQ(s.doc->Tables()->Count(), 1);
    auto table = s.Table(1);
    EXPECT_EQ(table->Rows()->Count(), 6);
    EXPECT_EQ(table->Columns()->Count(), 6);
    const int existing[] = {5, 2, 5, 1, 2, 2};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_NO_THROW(table->Cell(r, existing[r - 1])) << r;
        EXPECT_THROW(table->Cell(r, existing[r - 1] + 1), AutomationError) << r;
    }
}

TEST(CorpusTest, FeatureSamplerTablesCountAndMerge) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/d4j_tables.docx");
    Session s(file);
    ASSERT_EQ(s.doc->Tables()->Count(), 13);
    EXPECT_THROW(s.Table(2)->Cell(2, 2), AutomationError);
    EXPECT_EQ(CellText(s, 4, 2, 3), "H");
    EXPECT_EQ(s.Table(6)->Rows()->Count(), 16);
    EXPECT_EQ(CellText(s, 6, 16, 4), "row 14 d");
    EXPECT_EQ(s.Table(12)->Rows()->Count(), 5);
    EXPECT_THROW(s.Table(12)->Cell(3, 3), AutomationError);
}

TEST(CorpusTest, ContentControlTablesCountAsTopLevelTables) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/poitl_sdt_cell.docx");
    Session s(file);
    int tables = s.doc->Tables()->Count();
    EXPECT_GE(tables, 1);
    for (int i = 1; i <= tables; ++i) {
        auto table = s.Table(i);
        table->Select();
        EXPECT_GE(s.Sel()->Cells()->Count(), 1);
        EXPECT_NO_THROW(s.Sel()->Borders()->Item(w::wdBorderTop)->LineStyle());
    }
}

TEST(CorpusTest, FormattingEveryTableOfALargeDocumentSurvivesReopening) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/oxsdk_table_2007.docx");
    dorvane::testing::TempDir dir;
    {
        Session s(file);
        int tables = s.doc->Tables()->Count();
        ASSERT_EQ(tables, 9);
        for (int i = 1; i <= tables; ++i) {
            s.Table(i)->Select();
            auto sel = s.Sel();
            for (int b = -1; b >= -6; --b) {
                sel->Borders()->Item(b)->SetLineStyle(std::string_view("1"));
                sel->Borders()->Item(b)->SetLineWidth(std::string_view("8"));
            }
            sel->Font()->SetName("仿宋_GB2312");
            sel->Font()->SetName("Arial Narrow");
            sel->Font()->SetSize(9);
            sel->ParagraphFormat()->SetLineSpacingRule(w::wdLineSpaceSingle);
            sel->ParagraphFormat()->SetAlignment(w::wdAlignParagraphCenter);
        }
        s.doc->SaveAs((dir / "out.docx").string());
    }
    Session again(dir / "out.docx");
    for (int i = 1; i <= 9; ++i) {
        again.Table(i)->Select();
        auto sel = again.Sel();
        for (int b = -1; b >= -6; --b) EXPECT_EQ(sel->Borders()->Item(b)->LineStyle(), 1) << i << " " << b;
        EXPECT_EQ(sel->Font()->NameFarEast(), "仿宋_GB2312");
        EXPECT_EQ(sel->Font()->Name(), "Arial Narrow");
        EXPECT_DOUBLE_EQ(sel->Font()->Size(), 9);
        EXPECT_EQ(sel->ParagraphFormat()->Alignment(), w::wdAlignParagraphCenter);
    }
}

}  // namespace
}  // namespace dorvane::word_testing
