// The summation over workbooks that other programs wrote: .xls and .xlsx
// sources mixed, booleans, error values, text, hidden sheets, damaged files.

#include <gtest/gtest.h>

#include "tests/summary/SumWorkspace.h"

namespace dorvane::testing {
namespace {

using excel::CellValue;
using summary::SumOutcome;

void CopyInto(const std::filesystem::path& corpusFile, const std::filesystem::path& target) {
    std::filesystem::copy_file(corpusFile, target);
}

// The same three-sheet workbook saved as .xls and as .xlsx as the two
// sources of a three-sheet result workbook.
void SameWorkbookInBothFormats(SumWorkspace& ws, const std::filesystem::path& xls,
                               const std::filesystem::path& xlsx) {
    ws.Result({{"甲"}, {"乙"}, {"丙"}});
    CopyInto(xls, ws.Folder() / "一月.xls");
    CopyInto(xlsx, ws.Folder() / "二月.xlsx");
}

// Its second sheet holds 22 and 44 in A1:B1 and text in C1.
TEST(SummationCorpus, XlsAndXlsxSourcesAddUp) {
    DORVANE_CORPUS_FILE_OR_SKIP(xls, "xls/poi_55906-MultiSheetRefs.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(xlsx, "xlsx/poi_55906-MultiSheetRefs.xlsx");
    SumWorkspace ws;
    SameWorkbookInBothFormats(ws, xls, xlsx);
    ws.Open("乙", "A1:B1,D1");

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::Done) << result.failure;
    EXPECT_EQ(result.sourcesAdded, 2);
    EXPECT_EQ(ws.Number("乙", "A1"), 44);
    EXPECT_EQ(ws.Number("乙", "B1"), 88);
    EXPECT_EQ(ws.Number("乙", "D1"), 0);
    EXPECT_TRUE(ws.port.messages.empty());
}

// Row 3 of the first sheet holds formulas (sums and an average over the
// three sheets): an .xls source adds the results stored with them.
TEST(SummationCorpus, FormulaResultsOfXlsSourcesCount) {
    DORVANE_CORPUS_FILE_OR_SKIP(xls, "xls/poi_55906-MultiSheetRefs.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(xlsx, "xlsx/poi_55906-MultiSheetRefs.xlsx");
    SumWorkspace ws;
    SameWorkbookInBothFormats(ws, xls, xlsx);
    ws.Open("甲", "A3:B3,H3:I3");

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::Done) << result.failure;
    EXPECT_EQ(ws.Number("甲", "A3"), 132);
    EXPECT_EQ(ws.Number("甲", "B3"), 44);
    EXPECT_EQ(ws.Number("甲", "H3"), 220);
    EXPECT_EQ(ws.Number("甲", "I3"), 55);
}

// A1:A2 hold FALSE and TRUE, A3 the cached error #DIV/0!.
TEST(SummationCorpus, BooleansCountAndErrorValuesStop) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "xlsx/poi_bug67784.xlsx");
    {
        SumWorkspace ws;
        ws.Result({{"S"}});
        CopyInto(file, ws.Folder() / "a.xlsx");
        ws.Source("b.xlsx", {NumberSheet("S", {{2}, {3}})});
        ws.Open("S", "A1:A2");
        EXPECT_EQ(ws.Run().outcome, SumOutcome::Done);
        EXPECT_EQ(ws.Number("S", "A1"), 2);
        EXPECT_EQ(ws.Number("S", "A2"), 2);
    }
    {
        SumWorkspace ws;
        ws.Result({{"S"}});
        CopyInto(file, ws.Folder() / "a.xlsx");
        ws.Open("S", "A1:A3");
        auto result = ws.Run();
        EXPECT_EQ(result.outcome, SumOutcome::DataError);
        EXPECT_EQ(result.row, 3);
        EXPECT_EQ(result.column, 1);
        EXPECT_EQ(ws.app->Selection()->Address(), "$A$3");
        EXPECT_EQ(ws.app->ActiveWorkbook()->Name(), "a.xlsx");
    }
}

// Chinese text in A1 of an .xls without numbers.
TEST(SummationCorpus, TextOfAnXlsSourceStopsAtItsCell) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "xls/easyexcel_multiplesheets.xls");
    SumWorkspace ws;
    ws.Result({{"S"}});
    CopyInto(file, ws.Folder() / "a.xls");
    ws.Open("S", "A1:B2");

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::DataError);
    EXPECT_EQ(result.row, 1);
    EXPECT_EQ(result.column, 1);
    ASSERT_EQ(ws.port.messages.size(), 1u);
    EXPECT_NE(ws.port.messages[0].text.find("第1行第1列"), std::string::npos);
}

// Two worksheets, the second hidden: it still counts as a worksheet. The
// next source has one worksheet only.
TEST(SummationCorpus, HiddenWorksheetCountsAndAOneSheetSourceStops) {
    DORVANE_CORPUS_FILE_OR_SKIP(twoSheets, "xls/poi_TwoSheetsOneHidden.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(oneSheet, "xlsx/poi_link-external-workbook-a.xlsx");
    SumWorkspace ws;
    ws.Result({{"S1"}, {"S2"}});
    CopyInto(twoSheets, ws.Folder() / "a.xls");
    CopyInto(oneSheet, ws.Folder() / "b.xlsx");
    ws.Open("S2", "B1:B2");

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::TooFewWorksheets);
    EXPECT_EQ(result.sourcesAdded, 1);
    EXPECT_EQ(result.file, "b.xlsx");
    ASSERT_EQ(ws.port.messages.size(), 1u);
    EXPECT_EQ(ws.port.messages[0].text,
              "当前汇总文件位置是在第2个工作表，被汇总的文件中工作表少于2个，发生对应错误！");
}

TEST(SummationCorpus, DamagedAndEncryptedSourcesAreNamed) {
    for (const char* corpus : {"xlsx/poi_clusterfuzz-5636439151607808_notzip.xlsx",
                               "xls/poi_xor-encryption-abc.xls", "xlsx/poi_protected_passtika.xlsx"}) {
        DORVANE_CORPUS_FILE_OR_SKIP(file, corpus);
        SumWorkspace ws;
        ws.Result({NumberSheet("S", {{1}})});
        const std::string name = file.filename().string();
        CopyInto(file, ws.Folder() / name);
        ws.Open("S", "A1");

        auto result = ws.Run();

        EXPECT_EQ(result.outcome, SumOutcome::SourceUnreadable) << corpus;
        ASSERT_EQ(ws.port.messages.size(), 1u) << corpus;
        EXPECT_NE(ws.port.messages[0].text.find(name), std::string::npos) << corpus;
        EXPECT_TRUE(ws.Value("S", "A1").IsEmpty()) << corpus;
        EXPECT_EQ(ws.app->Workbooks()->Count(), 1) << corpus;
    }
}

}  // namespace
}  // namespace dorvane::testing
