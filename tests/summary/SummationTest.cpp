// The summation on workbooks generated in a temporary folder.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Paths.h"
#include "summary/SummationMessages.h"
#include "tests/summary/SumWorkspace.h"

namespace dorvane::testing {
namespace {

using excel::CellValue;
using summary::SumOutcome;

const std::string kInterrupted = "计算中断";

std::string Bytes(const std::filesystem::path& file) { return platform::ReadFile(file); }

TEST(Summation, AddsEveryCellOfEverySourceAsPlainNumbers) {
    SumWorkspace ws;
    ws.Result({{"封面"},
               {"数据",
                {{"A1", CellValue::Number(999)},
                 {"B2", CellValue::Text("旧")},
                 {"C5", CellValue::Number(7)}}}});
    ws.Source("a.xlsx", {{"x"},
                         {"y",
                          {{"A1", CellValue::Number(1)},
                           {"B1", CellValue::Text("12")},
                           {"C1", CellValue::Boolean(true)},
                           {"A2", CellValue::Date(45000)},
                           {"C2", CellValue::Number(2.5)},
                           {"A3", CellValue::Text(" 1,000 ")},
                           {"B3", CellValue::Boolean(false)}}}});
    // Upper-case extensions match as well.
    ws.Source("B.XLSX", {{"x"},
                         {"y",
                          {{"A1", CellValue::Number(10)},
                           {"B1", CellValue::Number(1)},
                           {"C1", CellValue::Boolean(false)},
                           {"A2", CellValue::Number(1)},
                           {"C2", CellValue::Number(-0.5)},
                           {"B3", CellValue::Boolean(true)}}}});
    const std::string sourceBytes = Bytes(ws.Folder() / "a.xlsx");
    auto& app = ws.Open("数据", "A1:C3");
    app.SetMaxChange(0.5);

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::Done) << result.failure;
    EXPECT_EQ(result.sheetPosition, 2);
    EXPECT_EQ(result.sourcesAdded, 2);
    EXPECT_TRUE(ws.port.messages.empty());
    ws.ExpectDisplayOn();
    EXPECT_EQ(app.MaxChange(), 0);
    EXPECT_FALSE(ws.ResultBook().PrecisionAsDisplayed());
    EXPECT_EQ(app.Workbooks()->Count(), 1) << "every source is closed";
    EXPECT_EQ(Bytes(ws.Folder() / "a.xlsx"), sourceBytes) << "sources are never saved";

    // What the user sees once the result is saved and opened again.
    ws.ResultBook().SaveAs((ws.Dir() / "saved.xlsx").string());
    auto reader = embedded::CreateEmbeddedExcelApplication();
    auto saved = reader->Workbooks()->Open((ws.Dir() / "saved.xlsx").string());
    auto sheet = saved->Worksheets()->Item(2);
    const std::vector<std::pair<std::string, double>> expected = {
        {"A1", 11}, {"B1", 13}, {"C1", -1}, {"A2", 45001}, {"B2", 0},
        {"C2", 2},  {"A3", 1000}, {"B3", -1}, {"C3", 0}};
    for (const auto& [address, sum] : expected)
        EXPECT_EQ(sheet->Range(address)->Value(), CellValue::Number(sum)) << address;
    EXPECT_EQ(sheet->Range("C5")->Value(), CellValue::Number(7)) << "outside the region";
    reader->Quit();
}

TEST(Summation, SharedCellOfTwoAreasIsAddedOnce) {
    SumWorkspace ws;
    ws.Result({{"S"}});
    ws.Source("a.xlsx", {NumberSheet("S", {{1, 2, 3}, {4, 5, 6}})});
    ws.Source("b.xlsx", {NumberSheet("S", {{10, 20, 30}, {40, 50, 60}})});
    ws.Open("S", "A1:B1,B1:C2");

    EXPECT_EQ(ws.Run().outcome, SumOutcome::Done);
    EXPECT_EQ(ws.Number("S", "A1"), 11);
    EXPECT_EQ(ws.Number("S", "B1"), 22);
    EXPECT_EQ(ws.Number("S", "C2"), 66);
    EXPECT_TRUE(ws.Value("S", "A2").IsEmpty()) << "outside the region";
}

TEST(Summation, FolderWithoutMatchingFilesLeavesTheRegionCleared) {
    SumWorkspace ws;
    ws.Result({NumberSheet("S", {{1, 2}, {3, 4}})});
    std::ofstream(ws.Folder() / "notes.txt") << "not a workbook";
    std::ofstream(ws.Folder() / "noextension") << "x";
    WriteXlsx(ws.Folder() / ".hidden.xlsx", {NumberSheet("S", {{5, 5}, {5, 5}})});
    std::filesystem::create_directory(ws.Folder() / "sub.xlsx");
    ws.Open("S", "A1:B2");

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::Done);
    EXPECT_EQ(result.sourcesAdded, 0);
    EXPECT_TRUE(ws.port.messages.empty());
    for (const char* address : {"A1", "B1", "A2", "B2"})
        EXPECT_TRUE(ws.Value("S", address).IsEmpty()) << address;
}

TEST(Summation, SourcesAreAddedAtTheirDisplayedPrecision) {
    SumWorkspace ws;
    ws.Result({{"S", {{"C1", CellValue::Number(1.26), "0.0"}}}});
    ws.Source("a.xlsx", {{"S",
                          {{"A1", CellValue::Number(1.26), "0.0"},
                           {"A2", CellValue::Number(2.4449), "0.00"},
                           {"B1", CellValue::Number(0.125)}}}});
    ws.Source("b.xlsx", {{"S", {{"A1", CellValue::Number(1.26), "0.0"}}}});
    const std::string sourceBytes = Bytes(ws.Folder() / "a.xlsx");
    ws.Open("S", "A1:B2");

    EXPECT_EQ(ws.Run().outcome, SumOutcome::Done);
    EXPECT_DOUBLE_EQ(ws.Number("S", "A1"), 2.6);
    EXPECT_DOUBLE_EQ(ws.Number("S", "A2"), 2.44);
    EXPECT_EQ(ws.Number("S", "B1"), 0.125) << "General keeps every digit";
    EXPECT_EQ(ws.Number("S", "C1"), 1.26) << "the result workbook keeps full precision";
    EXPECT_EQ(Bytes(ws.Folder() / "a.xlsx"), sourceBytes);
}

TEST(Summation, TextThatIsNoNumberStopsAtItsCellAndShowsTheSource) {
    SumWorkspace ws;
    ws.Result({{"S"}});
    ws.Source("a.xlsx", {NumberSheet("S", {{1, 2}, {3, 4}, {5, 6}})});
    ws.Source("b.xlsx", {{"S",
                          {{"A1", CellValue::Number(1.26), "0.0"},
                           {"B1", CellValue::Number(1)},
                           {"A2", CellValue::Number(1)},
                           {"B2", CellValue::Text("abc")}}}});
    auto& app = ws.Open("S", "A1:B3");

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::DataError);
    EXPECT_EQ(result.row, 2);
    EXPECT_EQ(result.column, 2);
    EXPECT_EQ(result.file, "b.xlsx");
    EXPECT_EQ(result.sourcesAdded, 1);
    ASSERT_EQ(ws.port.messages.size(), 1u);
    EXPECT_EQ(ws.port.messages[0].title, kInterrupted);
    EXPECT_EQ(ws.port.messages[0].text,
              "正在被汇总的文件的以下位置的数据格式可能不正确:  第2行第2列的数据.\r\r"
              "按\"确定\"键打开该文件,并选中可能存在问题的区域,以便核对.\r\r"
              "由于计算中断会造成结果不正确,请在核对后重新执行汇总.");
    ws.ExpectDisplayOn();
    // No partial sums remain that could pass for a result.
    for (const char* address : {"A1", "B1", "A2", "B2", "A3"})
        EXPECT_TRUE(ws.Value("S", address).IsEmpty()) << address;

    // The source stays open for the user, as it is on disk (not rounded to
    // its displayed precision), with the doubtful cell selected.
    ASSERT_EQ(app.Workbooks()->Count(), 2);
    auto source = app.Workbooks()->Item(2);
    EXPECT_EQ(source->Name(), "b.xlsx");
    EXPECT_FALSE(source->PrecisionAsDisplayed());
    EXPECT_EQ(source->Worksheets()->Item(1)->Range("A1")->Value(), CellValue::Number(1.26));
    EXPECT_EQ(app.ActiveWorkbook()->Name(), "b.xlsx");
    EXPECT_EQ(app.Selection()->Address(), "$B$2");
    // Saving it keeps the user's full-precision values.
    source->Save();
    auto reader = embedded::CreateEmbeddedExcelApplication();
    auto saved = reader->Workbooks()->Open((ws.Folder() / "b.xlsx").string());
    EXPECT_EQ(saved->Worksheets()->Item(1)->Range("A1")->Value(), CellValue::Number(1.26));
    reader->Quit();
}

TEST(Summation, ErrorValuesAndOverflowingSumsAreDataErrors) {
    struct Case {
        const char* what;
        CellValue first, second;
    };
    const Case cases[] = {
        {"error value", CellValue::Number(1), CellValue::Error("#N/A")},
        {"empty text", CellValue::Number(1), CellValue::Text("")},
        {"sum beyond the double range", CellValue::Number(1.7e308), CellValue::Number(1.7e308)},
    };
    for (const auto& c : cases) {
        SumWorkspace ws;
        ws.Result({{"S"}});
        ws.Source("a.xlsx", {{"S", {{"A1", CellValue::Number(1)}, {"C2", c.first}}}});
        ws.Source("b.xlsx", {{"S", {{"A1", CellValue::Number(1)}, {"C2", c.second}}}});
        ws.Open("S", "A1:C2");

        auto result = ws.Run();

        EXPECT_EQ(result.outcome, SumOutcome::DataError) << c.what;
        EXPECT_EQ(result.row, 2) << c.what;
        EXPECT_EQ(result.column, 3) << c.what;
        ASSERT_EQ(ws.port.messages.size(), 1u) << c.what;
        EXPECT_NE(ws.port.messages[0].text.find("第2行第3列"), std::string::npos) << c.what;
        EXPECT_TRUE(ws.Value("S", "A1").IsEmpty()) << c.what;
    }
}

TEST(Summation, SourceWithTooFewWorksheetsStopsTheRunAndClearsTheRegion) {
    SumWorkspace ws;
    ws.Result({{"一"}, {"二"}, {"三"}});
    ws.Source("a.xlsx", {{"p"}, {"q"}, NumberSheet("r", {{1}})});
    ws.Source("b.xlsx", {{"p"}, NumberSheet("q", {{2}})});
    ws.Source("c.xlsx", {{"p"}, {"q"}, NumberSheet("r", {{4}})});
    auto& app = ws.Open("三", "A1");

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::TooFewWorksheets);
    EXPECT_EQ(result.sheetPosition, 3);
    EXPECT_EQ(result.sourcesAdded, 1);
    EXPECT_EQ(result.file, "b.xlsx");
    ASSERT_EQ(ws.port.messages.size(), 1u);
    EXPECT_EQ(ws.port.messages[0].text,
              "当前汇总文件位置是在第3个工作表，被汇总的文件中工作表少于3个，发生对应错误！");
    EXPECT_EQ(ws.port.messages[0].title, "");
    EXPECT_TRUE(ws.Value("三", "A1").IsEmpty());
    ws.ExpectDisplayOn();
    ASSERT_EQ(app.Workbooks()->Count(), 2);
    EXPECT_EQ(app.Workbooks()->Item(2)->Name(), "b.xlsx");
    EXPECT_FALSE(app.Workbooks()->Item(2)->PrecisionAsDisplayed());
}

TEST(Summation, SheetPositionCountsChartSheetsAndSourcesCountHiddenWorksheets) {
    SumWorkspace ws;
    ws.Result({{"图表", {}, true}, {"一"}, {"二"}});
    ws.Source("a.xlsx", {{"p"}, {"q", {}, false, true}, NumberSheet("r", {{5}})});
    ws.Source("b.xlsx", {{"图", {}, true}, NumberSheet("p", {{7}}), NumberSheet("q", {{7}})});
    ws.Open("二", "A1");

    auto result = ws.Run();

    EXPECT_EQ(result.sheetPosition, 3);
    EXPECT_EQ(result.sourcesAdded, 1);
    EXPECT_EQ(result.outcome, SumOutcome::TooFewWorksheets) << "b.xlsx has two worksheets";
}

TEST(Summation, SecondOpenWorkbookStopsBeforeAnythingChanges) {
    SumWorkspace ws;
    ws.Result({NumberSheet("S", {{1}})});
    ws.Source("a.xlsx", {NumberSheet("S", {{5}})});
    auto& app = ws.Open("S", "A1");
    app.SetMaxChange(0.25);
    app.Workbooks()->Add();
    app.Workbooks()->Item(1)->Activate();

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::OtherWorkbooksOpen);
    ASSERT_EQ(ws.port.messages.size(), 1u);
    EXPECT_EQ(ws.port.messages[0].text,
              "请关闭除当前工作簿以外的excel文件,如果只有当前工作簿,请点击菜单-窗口-取消隐藏,"
              "然后关闭个人宏工作簿,再重新开始.");
    EXPECT_EQ(ws.Number("S", "A1"), 1);
    EXPECT_EQ(app.MaxChange(), 0.25);
    ws.ExpectDisplayOn();
}

TEST(Summation, MissingFolderIsReportedAndNothingIsTouched) {
    const std::string expected = std::string(39, ' ') +
                                 "未找到文件夹\"自动汇总\",\r\r"
                                 "请首先在本文件所在的文件夹内新建一个名为\"自动汇总\""
                                 "的文件夹,然后把要汇总的文件放入该文件夹内,再重新运行宏.";
    for (bool fileInItsPlace : {false, true}) {
        SumWorkspace ws;
        std::filesystem::remove(ws.Folder());
        if (fileInItsPlace) std::ofstream(ws.Folder()) << "a file, not a folder";
        ws.Result({NumberSheet("S", {{1, 2}})});
        ws.Open("S", "A1:B1");

        auto result = ws.Run();

        EXPECT_EQ(result.outcome, SumOutcome::FolderMissing);
        ASSERT_EQ(ws.port.messages.size(), 1u);
        EXPECT_EQ(ws.port.messages[0].text, expected);
        EXPECT_EQ(ws.Number("S", "A1"), 1) << "the region is not cleared";
        ws.ExpectDisplayOn();
    }
}

TEST(Summation, NoRunningExcelOrNoWorkbookShowsTheMissingWorkbookMessage) {
    const std::string expected =
        "提示：没有找到打开的excel文件。要先完成前三步，并打开一个excel文件,"
        "选中要汇总的区域后再执行汇总操作。";
    {
        RecordingPort port;
        EXPECT_EQ(summary::SumWorkbooks(port).outcome, SumOutcome::NoWorkbook);
        ASSERT_EQ(port.messages.size(), 1u);
        EXPECT_EQ(port.messages[0].text, expected);
    }
    {
        // A running Excel without any workbook fails once the display
        // settings are off; they are switched on again.
        auto app = embedded::CreateEmbeddedExcelApplication();
        app->RegisterAsRunning();
        RecordingPort port;
        EXPECT_EQ(summary::SumWorkbooks(port).outcome, SumOutcome::NoWorkbook);
        ASSERT_EQ(port.messages.size(), 1u);
        EXPECT_EQ(port.messages[0].text, expected);
        EXPECT_TRUE(app->ScreenUpdating());
        EXPECT_TRUE(app->ShowWindowsInTaskbar());
        EXPECT_TRUE(app->DisplayStatusBar());
        app->Quit();
    }
}

TEST(Summation, UnreadableSourceIsNamedAndTheRegionCleared) {
    SumWorkspace ws;
    ws.Result({{"S"}});
    ws.Source("a.xlsx", {NumberSheet("S", {{1}})});
    std::ofstream(ws.Folder() / "b.xlsx") << "not a workbook at all";
    auto& app = ws.Open("S", "A1");

    auto result = ws.Run();

    EXPECT_EQ(result.outcome, SumOutcome::SourceUnreadable);
    EXPECT_EQ(result.file, "b.xlsx");
    ASSERT_EQ(ws.port.messages.size(), 1u);
    EXPECT_EQ(ws.port.messages[0].title, kInterrupted);
    EXPECT_NE(ws.port.messages[0].text.find("\"b.xlsx\""), std::string::npos);
    EXPECT_TRUE(ws.Value("S", "A1").IsEmpty());
    EXPECT_EQ(app.Workbooks()->Count(), 1);
    ws.ExpectDisplayOn();
}

}  // namespace
}  // namespace dorvane::testing
