// The grid's selection is the sheet's selection: areas added with Ctrl are
// the areas of Application.Selection, in the order selected, and a
// selection an operation makes shows in the grid.

#include <QLabel>
#include <QTest>

#include "automation/excel/Excel.h"
#include "tests/common/XlsxFixture.h"
#include "tests/sheetwindow/SheetWindowTestSupport.h"

namespace dorvane::shell::testing {
namespace {

using dorvane::testing::XlsxFixture;

class SelectionTest : public WindowsTest {
protected:
    WorkbookWindow& OpenPlain() {
        return OpenWindow(XlsxFixture().Sheet("Sheet1", R"(<row r="1"><c r="A1"><v>1</v></c></row>)").Write(temp / "s.xlsx"));
    }
};

TEST_F(SelectionTest, CtrlAddsAreasToApplicationSelection) {
    SheetGrid& grid = *OpenPlain().Grid;
    DragCells(grid, 2, 2, 4, 3);
    EXPECT_EQ(windows().Application()->Selection()->Address(), "$B$2:$C$4");
    DragCells(grid, 6, 5, 7, 6, Qt::ControlModifier);
    ClickCell(grid, 9, 1, Qt::ControlModifier);
    auto selection = windows().Application()->Selection();
    EXPECT_EQ(selection->Address(), "$B$2:$C$4,$E$6:$F$7,$A$9");
    EXPECT_EQ(selection->Count(), 6 + 4 + 1);
    EXPECT_EQ(selection->Row(), 2);
}

TEST_F(SelectionTest, ShiftExtendsAndAPlainClickStartsAgain) {
    WorkbookWindow& window = OpenPlain();
    SheetGrid& grid = *window.Grid;
    ClickCell(grid, 3, 3);
    ClickCell(grid, 5, 4, Qt::ShiftModifier);
    EXPECT_EQ(windows().Application()->Selection()->Address(), "$C$3:$D$5");
    EXPECT_EQ(window.SelectionLabel->text(), "C3:D5");
    ClickCell(grid, 1, 1);
    EXPECT_EQ(windows().Application()->Selection()->Address(), "$A$1");
}

TEST_F(SelectionTest, CtrlClickOnASelectedCellKeepsItSelected) {
    SheetGrid& grid = *OpenPlain().Grid;
    DragCells(grid, 1, 1, 2, 2);
    ClickCell(grid, 1, 1, Qt::ControlModifier);
    auto selection = windows().Application()->Selection();
    for (const auto& cell : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}}) {
        bool found = false;
        for (const auto& selected : selection->Cells())
            found |= selected->Row() == cell.first && selected->Column() == cell.second;
        EXPECT_TRUE(found) << cell.first << "," << cell.second;
    }
}

TEST_F(SelectionTest, ASelectionMadeByAnOperationShowsInTheGrid) {
    WorkbookWindow& window = OpenPlain();
    windows().Application()->ActiveSheet()->Range("B2:C3,E5")->Select();
    ProcessEvents();
    const auto areas = window.Grid->SelectedAreas();
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0], (embedded::grid::CellArea{2, 2, 3, 3}));
    EXPECT_EQ(areas[1], (embedded::grid::CellArea{5, 5, 5, 5}));
    EXPECT_EQ(window.SelectionLabel->text(), "B2:C3,E5");
    // Showing it did not write it back in another form.
    EXPECT_EQ(windows().Application()->Selection()->Address(), "$B$2:$C$3,$E$5");
}

TEST_F(SelectionTest, OpeningShowsTheSelectionTheFileRecords) {
    auto recorded = [&](const std::string& name, const std::string& sqref) {
        return XlsxFixture()
            .Sheet("Sheet1", R"(<row r="1"><c r="A1"><v>1</v></c></row>)",
                   R"(<sheetViews><sheetView workbookViewId="0"><selection activeCell=")" + sqref.substr(0, sqref.find(':')) +
                       R"(" sqref=")" + sqref + R"("/></sheetView></sheetViews>)")
            .Write(temp / name);
    };
    WorkbookWindow& near = OpenWindow(recorded("near.xlsx", "B2:C3 E5"));
    ProcessEvents();
    EXPECT_EQ(near.SelectionLabel->text(), "B2:C3,E5");
    EXPECT_EQ(near.Grid->rowAt(0), 0) << "the first row stays in view";

    WorkbookWindow& far = OpenWindow(recorded("far.xlsx", "A300"));
    ProcessEvents();
    const QRect cell = far.Grid->visualRect(far.Grid->model()->index(299, 0));
    EXPECT_TRUE(far.Grid->viewport()->rect().contains(cell.center())) << "the selected cell is scrolled into view";
}

}  // namespace
}  // namespace dorvane::shell::testing
