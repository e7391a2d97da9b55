// What the window shows: cells by their number formats, column widths,
// merged cells, sheet tabs (hidden sheets have none) and switching sheets
// by their tabs; corpus workbooks open and show their sheets.

#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTest>

#include "automation/excel/Excel.h"
#include "shell/excel/SheetModel.h"
#include "tests/common/XlsxFixture.h"
#include "tests/sheetwindow/SheetWindowTestSupport.h"

namespace dorvane::shell::testing {
namespace {

using dorvane::testing::XlsxFixture;

// xf 1 "0.00", xf 2 "0%", xf 3 "#,##0", xf 4 a date, xf 5 "0.0E+00".
XlsxFixture Formatted() {
    return XlsxFixture()
        .Sheet("数字",
               R"(<row r="1"><c r="A1" s="1"><v>3.14159</v></c><c r="B1" s="2"><v>0.2567</v></c><c r="C1" s="3"><v>1234.56</v></c>)"
               R"(<c r="D1" s="4"><v>45356.75</v></c><c r="E1" s="5"><v>12345</v></c><c r="F1" t="s"><v>0</v></c>)"
               R"(<c r="G1" t="b"><v>1</v></c><c r="H1" t="e"><v>#DIV/0!</v></c></row>)"
               R"(<row r="3"><c r="A3"><v>1</v></c><c r="C3"><v>2</v></c></row>)",
               R"(<cols><col min="1" max="1" width="20.7109375" customWidth="1"/><col min="2" max="2" width="5" hidden="1" customWidth="1"/></cols>)",
               R"(<mergeCells count="1"><mergeCell ref="A3:B4"/></mergeCells>)")
        .Sheet("隐藏", R"(<row r="1"><c r="A1"><v>9</v></c></row>)", {}, {}, "hidden")
        .Sheet("第二", R"(<row r="2"><c r="B2"><v>42</v></c></row>)")
        .SharedStrings({"文本"})
        .Styles("", R"(<xf numFmtId="0"/><xf numFmtId="2"/><xf numFmtId="9"/><xf numFmtId="3"/><xf numFmtId="14"/><xf numFmtId="11"/>)");
}

class DisplayTest : public WindowsTest {};

TEST_F(DisplayTest, CellsShowTheirNumberFormatsAndAlignment) {
    WorkbookWindow& window = OpenWindow(Formatted().Write(temp / "formats.xlsx"));
    SheetGrid& grid = *window.Grid;
    EXPECT_EQ(Shown(grid, 1, 1), "3.14");
    EXPECT_EQ(Shown(grid, 1, 2), "26%");
    EXPECT_EQ(Shown(grid, 1, 3), "1,235");
    EXPECT_EQ(Shown(grid, 1, 4), "2024/3/5");
    EXPECT_EQ(Shown(grid, 1, 5), "1.23E+04");
    EXPECT_EQ(Shown(grid, 1, 6), QString::fromUtf8("文本"));
    EXPECT_EQ(Shown(grid, 1, 7), "TRUE");
    EXPECT_EQ(Shown(grid, 1, 8), "#DIV/0!");
    EXPECT_EQ(Shown(grid, 2, 1), "");
    auto alignment = [&](int column) {
        return grid.Model().index(0, column - 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(1), Qt::AlignRight);
    EXPECT_EQ(alignment(6), Qt::AlignLeft);
    EXPECT_EQ(alignment(7), Qt::AlignHCenter);
    // The editor opens with the number the cell holds, not the rounded text.
    EXPECT_EQ(grid.Model().index(0, 0).data(Qt::EditRole).toString(), "3.14159");
}

TEST_F(DisplayTest, ColumnWidthsHiddenColumnsAndMergedCellsComeFromTheSheet) {
    WorkbookWindow& window = OpenWindow(Formatted().Write(temp / "widths.xlsx"));
    SheetGrid& grid = *window.Grid;
    // 20.71 characters are 145 pixels, the default 8.43 are 64.
    EXPECT_EQ(grid.columnWidth(0), 145);
    EXPECT_TRUE(grid.isColumnHidden(1));
    EXPECT_EQ(grid.columnWidth(2), 64);
    EXPECT_EQ(grid.rowSpan(2, 0), 2);
    EXPECT_EQ(grid.columnSpan(2, 0), 2);
    EXPECT_EQ(grid.horizontalHeader()->model()->headerData(27, Qt::Horizontal).toString(), "AB");
}

TEST_F(DisplayTest, TabsNameTheShownSheetsAndSwitchTheActiveSheet) {
    WorkbookWindow& window = OpenWindow(Formatted().Write(temp / "tabs.xlsx"));
    ASSERT_EQ(window.SheetTabs->count(), 2);
    EXPECT_EQ(window.SheetTabs->tabText(0), QString::fromUtf8("数字"));
    EXPECT_EQ(window.SheetTabs->tabText(1), QString::fromUtf8("第二"));
    EXPECT_EQ(window.SheetPositionOfTab(1), 3);

    QTest::mouseClick(window.SheetTabs, Qt::LeftButton, {}, window.SheetTabs->tabRect(1).center());
    auto excel = windows().Application();
    EXPECT_EQ(excel->ActiveSheet()->Name(), "第二");
    EXPECT_EQ(Shown(*window.Grid, 2, 2), "42");

    // An operation that activates a sheet is followed by the window.
    excel->Sheets()->Item(1)->Activate();
    ProcessEvents();
    EXPECT_EQ(window.SheetTabs->currentIndex(), 0);
    EXPECT_EQ(Shown(*window.Grid, 1, 1), "3.14");
}

TEST_F(DisplayTest, TitleNamesTheWorkbookAndMarksChanges) {
    WorkbookWindow& window = OpenWindow(Formatted().Write(temp / "title.xlsx"));
    EXPECT_TRUE(window.windowTitle().startsWith("title.xlsx[*]")) << window.windowTitle().toStdString();
    EXPECT_FALSE(window.isWindowModified());
    windows().Application()->ActiveSheet()->Cells(5, 5)->SetValue(excel::CellValue::Number(1));
    ProcessEvents();
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(Shown(*window.Grid, 5, 5), "1");
}

TEST_F(DisplayTest, GridGrowsWhenScrolledToItsEnd) {
    WorkbookWindow& window = OpenWindow(Formatted().Write(temp / "grow.xlsx"));
    SheetGrid& grid = *window.Grid;
    const int rows = grid.Model().rowCount();
    ASSERT_TRUE(grid.Model().canFetchMore({}));
    grid.Model().fetchMore({});
    EXPECT_GT(grid.Model().rowCount(), rows);
    const int columns = grid.Model().columnCount();
    grid.Model().GrowColumns(10);
    EXPECT_EQ(grid.Model().columnCount(), columns + 10);
    EXPECT_EQ(grid.columnWidth(columns + 5), 64) << "new columns take the sheet's widths";
}

// Real workbooks: each opens with a tab per shown sheet and shows cells.
TEST_F(DisplayTest, CorpusWorkbooksOpenWithTheirSheets) {
    struct Case {
        const char* file;
        int tabs;
    };
    const Case cases[] = {{"xlsx/easyexcel_cellDataDemo.xlsx", 2}, {"xlsx/poi_46535.xlsx", 2},
                          {"xlsx/poi_WithChartSheet.xlsx", 7},     {"xlsx/poi_Tables.xlsx", 12},
                          {"xls/poi_TwoSheetsOneHidden.xls", 1},   {"xls/easyexcel_multiplesheets.xls", 6}};
    int opened = 0;
    for (const Case& c : cases) {
        auto file = dorvane::testing::CorpusFile(c.file);
        if (!file) continue;
        WorkbookWindow& window = OpenWindow(*file);
        EXPECT_EQ(window.SheetTabs->count(), c.tabs) << c.file;
        for (int tab = 0; tab < window.SheetTabs->count(); ++tab) {
            window.SheetTabs->setCurrentIndex(tab);
            window.Grid->viewport()->grab();  // paints every visible cell
        }
        window.close();
        ++opened;
    }
    if (opened == 0) GTEST_SKIP() << "corpus absent";
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
}

TEST_F(DisplayTest, LargeCorpusWorkbookShowsItsNumbers) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "xlsx/poi_CVLKRA-KYC_Download_File_Structure_V3.1.xlsx");
    WorkbookWindow& window = OpenWindow(file);
    EXPECT_EQ(window.SheetTabs->count(), 29);
    auto sheet = windows().Application()->ActiveSheet();
    const auto used = embedded::grid::UsedArea(*sheet);
    ASSERT_FALSE(used.empty());
    EXPECT_GE(window.Grid->Model().rowCount(), used.front().bottom);
    EXPECT_GE(window.Grid->Model().columnCount(), used.front().right);
    // The last row present shows what the object model's Text gives.
    const int row = used.front().bottom;
    int compared = 0;
    for (int column = used.front().left; column <= used.front().right; ++column) {
        const std::string text = sheet->Cells(row, column)->Text();
        if (text.empty()) continue;
        EXPECT_EQ(Shown(*window.Grid, row, column).toStdString(), text);
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace dorvane::shell::testing
