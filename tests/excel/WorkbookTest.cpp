// The application, workbooks and sheets: opening, adding, saving, closing,
// the active workbook and the running instance.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "automation/Instances.h"
#include "automation/embedded/excel/EmbeddedExcel.h"
#include "automation/excel/Excel.h"
#include "tests/common/TestSupport.h"
#include "tests/common/XlsxFixture.h"

using namespace dorvane;
using dorvane::excel::CellValue;
using dorvane::testing::TempDir;
using dorvane::testing::XlsxFixture;

namespace {

std::filesystem::path TwoSheets(const TempDir& dir, const std::string& name = "two.xlsx") {
    return XlsxFixture()
        .Sheet("First", R"(<row r="1"><c r="A1"><v>1</v></c><c r="B1" t="s"><v>0</v></c></row>)")
        .Sheet("Second", R"(<row r="2"><c r="C2"><v>2.5</v></c></row>)")
        .SharedStrings({"汇总"})
        .ActiveTab(1)
        .Write(dir / name);
}

std::string Slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(ExcelWorkbooks, OpenMakesTheWorkbookActiveAndNewest) {
    TempDir dir;
    auto first = TwoSheets(dir, "a.xlsx");
    auto second = TwoSheets(dir, "b.xlsx");
    auto app = CreateExcelApplication();
    EXPECT_FALSE(app->Visible());
    auto a = app->Workbooks()->Open(first.string());
    auto b = app->Workbooks()->Open(second.string());
    EXPECT_EQ(app->Workbooks()->Count(), 2);
    EXPECT_EQ(app->Workbooks()->Item(2)->Name(), "b.xlsx");
    EXPECT_EQ(app->ActiveWorkbook()->FullName(), second.string());
    EXPECT_EQ(b->Path(), dir.path().string());
    a->Activate();
    EXPECT_EQ(app->ActiveWorkbook()->Name(), "a.xlsx");
    // The active sheet is the one the file records; A1 is selected.
    EXPECT_EQ(app->ActiveSheet()->Name(), "Second");
    EXPECT_EQ(app->Selection()->Address(), "$A$1");
    b->Close(false);
    EXPECT_EQ(app->Workbooks()->Count(), 1);
    EXPECT_EQ(app->ActiveWorkbook()->Name(), "a.xlsx");
    EXPECT_THROW(b->Sheets(), AutomationError);
    a->Close(false);
    EXPECT_THROW(app->ActiveWorkbook(), AutomationError);
    EXPECT_THROW(app->Selection(), AutomationError);
}

TEST(ExcelWorkbooks, OpeningTheSameFileTwiceGivesTheOpenWorkbook) {
    TempDir dir;
    auto file = TwoSheets(dir);
    auto app = CreateExcelApplication();
    auto first = app->Workbooks()->Open(file.string());
    auto again = app->Workbooks()->Open(file.string());
    EXPECT_EQ(first, again);
    EXPECT_EQ(app->Workbooks()->Count(), 1);
    // A workbook of the same name from another folder opens beside it.
    std::filesystem::create_directory(dir / "other");
    auto sameName = TwoSheets(dir, "other/two.xlsx");
    auto other = app->Workbooks()->Open(sameName.string());
    EXPECT_NE(other, first);
    EXPECT_EQ(app->Workbooks()->Count(), 2);
    EXPECT_EQ(app->ActiveWorkbook(), other);
}

TEST(ExcelWorkbooks, AddSaveAsCloseAndReopen) {
    TempDir dir;
    auto app = CreateExcelApplication();
    app->SetScreenUpdating(true);
    auto book = app->Workbooks()->Add();
    EXPECT_EQ(book->Name(), "Book1");
    EXPECT_EQ(book->Path(), "");
    EXPECT_EQ(app->Workbooks()->Add()->Name(), "Book2");
    app->Workbooks()->Item(2)->Close(false);
    EXPECT_EQ(book->Sheets()->Count(), 1);
    EXPECT_EQ(book->Sheets()->Item(1)->Name(), "Sheet1");
    EXPECT_EQ(app->Selection()->Address(), "$A$1");
    app->SetDisplayAlerts(false);
    // The name says .xls; the content is .xlsx, read back by its first bytes.
    auto file = dir / "scheme.xls";
    book->SaveAs(file.string());
    EXPECT_EQ(book->Name(), "scheme.xls");
    auto sheet = book->Sheets()->Item(1);
    sheet->Cells(1, 1)->SetValue(CellValue::Text("变量"));
    sheet->Cells(11, 2)->SetValue(CellValue::Number(1));
    sheet->Cells(12, 2)->SetValue(CellValue::Text(""));
    EXPECT_FALSE(book->Saved());
    book->Close(true);
    EXPECT_EQ(Slurp(file).substr(0, 2), "PK");

    auto reopened = app->Workbooks()->Open(file.string());
    auto cells = reopened->Sheets()->Item(1);
    EXPECT_EQ(cells->Cells(1, 1)->Value(), CellValue::Text("变量"));
    EXPECT_EQ(cells->Cells(11, 2)->Value(), CellValue::Number(1));
    EXPECT_EQ(cells->Cells(12, 2)->Value(), CellValue::Text(""));
    EXPECT_TRUE(cells->Cells(13, 2)->Value().IsEmpty());
    reopened->Close(false);
}

TEST(ExcelWorkbooks, ClosingANeverSavedWorkbookWithSaveIsRefused) {
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Add();
    EXPECT_THROW(book->Close(true), AutomationError);
    EXPECT_THROW(book->Save(), AutomationError);
    EXPECT_EQ(app->Workbooks()->Count(), 1);
    book->Close(false);
    EXPECT_EQ(app->Workbooks()->Count(), 0);
}

TEST(ExcelWorkbooks, CloseWithoutSavingLeavesTheFileUnchanged) {
    TempDir dir;
    auto file = TwoSheets(dir);
    std::string before = Slurp(file);
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    book->Sheets()->Item(1)->Cells(1, 1)->SetValue(CellValue::Number(99));
    book->SetPrecisionAsDisplayed(true);
    book->Close(false);
    EXPECT_EQ(Slurp(file), before);
}

TEST(ExcelWorkbooks, QuitClosesEverythingAndEndsTheInstance) {
    TempDir dir;
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(TwoSheets(dir).string());
    app->Quit();
    EXPECT_THROW(book->Sheets(), AutomationError);
    EXPECT_THROW(app->Workbooks(), AutomationError);
}

TEST(ExcelWorkbooks, TheRunningInstanceIsTheRegisteredOne) {
    // Nothing registered yet in this process: the lookup fails.
    auto first = embedded::CreateEmbeddedExcelApplication();
    auto second = embedded::CreateEmbeddedExcelApplication();
    EXPECT_THROW(GetRunningExcelApplication(), AutomationError);
    first->RegisterAsRunning();
    second->RegisterAsRunning();
    EXPECT_EQ(GetRunningExcelApplication().get(), second.get());
    second->RevokeRunning();
    EXPECT_EQ(GetRunningExcelApplication().get(), first.get());
    first->Quit();
    EXPECT_FALSE(first->RegisteredAsRunning());
    EXPECT_THROW(GetRunningExcelApplication(), AutomationError);
}

TEST(ExcelWorkbooks, SheetsCountChartSheetsButWorksheetsDoNot) {
    TempDir dir;
    auto file = XlsxFixture()
                    .Sheet("Data", R"(<row r="1"><c r="A1"><v>1</v></c></row>)")
                    .ChartSheet("Chart1")
                    .Sheet("Hidden", "", "", "", "hidden")
                    .Write(dir / "charts.xlsx");
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    EXPECT_EQ(book->Sheets()->Count(), 3);
    EXPECT_EQ(book->Worksheets()->Count(), 2);
    EXPECT_EQ(book->Worksheets()->Item(2)->Name(), "Hidden");
    EXPECT_FALSE(book->Worksheets()->Item(2)->Visible());
    auto chart = book->Sheets()->Item(2);
    EXPECT_FALSE(chart->IsWorksheet());
    EXPECT_THROW(chart->Cells(1, 1), AutomationError);
    EXPECT_THROW(book->Sheets()->Item(4), AutomationError);
    EXPECT_THROW(book->Worksheets()->Item(3), AutomationError);
    EXPECT_THROW(book->Worksheets()->Item(2)->Activate(), AutomationError);
}

TEST(ExcelWorkbooks, GridAccessForTheSheetWindow) {
    TempDir dir;
    auto app = embedded::CreateEmbeddedExcelApplication();
    auto book = app->Workbooks()->Open(TwoSheets(dir).string());
    EXPECT_EQ(embedded::grid::SheetNames(*book), (std::vector<std::string>{"First", "Second"}));
    auto first = book->Sheets()->Item(1);
    EXPECT_EQ(embedded::grid::Value(*first, 1, 2), CellValue::Text("汇总"));
    EXPECT_EQ(embedded::grid::DisplayText(*first, 1, 1), "1");
    EXPECT_EQ(embedded::grid::UsedArea(*first), (std::vector<embedded::grid::CellArea>{{1, 1, 1, 2}}));
    embedded::grid::SetSelection(*first, {{2, 2, 3, 3}, {5, 1, 5, 1}});
    // Setting the selection activates the sheet: the application sees it.
    EXPECT_EQ(app->ActiveSheet()->Name(), "First");
    EXPECT_EQ(app->Selection()->Address(), "$B$2:$C$3,$A$5");
    EXPECT_EQ(embedded::grid::Selection(*first).size(), 2u);
    EXPECT_THROW(embedded::grid::SetSelection(*first, {}), AutomationError);
    EXPECT_THROW(embedded::grid::SetSelection(*first, {{3, 1, 2, 1}}), AutomationError);
    EXPECT_DOUBLE_EQ(embedded::grid::ColumnWidth(*first, 1), 48);
}
