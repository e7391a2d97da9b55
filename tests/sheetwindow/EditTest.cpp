// Typing into cells through the grid's editor: numbers become numbers,
// text stays text, an empty entry clears; Delete clears the selection;
// saving writes it and the file opened again holds it.

#include <QLineEdit>
#include <QTest>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"
#include "shell/excel/CellEntry.h"
#include "shell/excel/SheetModel.h"
#include "tests/common/XlsxFixture.h"
#include "tests/sheetwindow/SheetWindowTestSupport.h"

namespace dorvane::shell::testing {
namespace {

using dorvane::testing::XlsxFixture;
using excel::CellValue;

class EditTest : public WindowsTest {};

std::filesystem::path Book(const std::filesystem::path& file) {
    return XlsxFixture()
        .Sheet("表", R"(<row r="1"><c r="A1"><v>5</v></c><c r="B1" s="1"><v>0.5</v></c><c r="C1" t="s"><v>0</v></c></row>)"
                     R"(<row r="2"><c r="A2" s="2"><v>45000</v></c></row>)")
        .SharedStrings({"旧"})
        .Styles("", R"(<xf numFmtId="0"/><xf numFmtId="10"/><xf numFmtId="14"/>)")
        .Write(file);
}

CellValue ValueInFile(const std::filesystem::path& file, int row, int column) {
    auto excel = CreateExcelApplication();
    auto value = excel->Workbooks()->Open(file.string())->Sheets()->Item(1)->Cells(row, column)->Value();
    excel->Quit();
    return value;
}

TEST(CellEntry, TypedTextBecomesTheValueAUserExpects) {
    EXPECT_EQ(CellValueFromEntry("1,234.5"), CellValue::Number(1234.5));
    EXPECT_EQ(CellValueFromEntry(" -3 "), CellValue::Number(-3));
    EXPECT_EQ(CellValueFromEntry("1e3"), CellValue::Number(1000));
    EXPECT_EQ(CellValueFromEntry("12%"), CellValue::Text("12%"));
    EXPECT_EQ(CellValueFromEntry("'007"), CellValue::Text("007"));
    EXPECT_EQ(CellValueFromEntry("true"), CellValue::Boolean(true));
    EXPECT_EQ(CellValueFromEntry("FALSE"), CellValue::Boolean(false));
    EXPECT_EQ(CellValueFromEntry("合计"), CellValue::Text("合计"));
    EXPECT_TRUE(CellValueFromEntry("").IsEmpty());
    EXPECT_EQ(EntryFromCellValue(CellValue::Number(0.1 + 0.2), "0.30"), "0.3");
    EXPECT_EQ(EntryFromCellValue(CellValue::Number(123456789012), "1.23E+11"), "123456789012");
    EXPECT_EQ(EntryFromCellValue(CellValue::Date(45000), "2023/3/15"), "2023/3/15");
}

TEST_F(EditTest, TypedCellsAreSavedAndReadBack) {
    const auto file = Book(temp / "edit.xlsx");
    WorkbookWindow& window = OpenWindow(file);
    SheetGrid& grid = *window.Grid;
    TypeIntoCell(grid, 3, 1, "1,234.5");
    TypeIntoCell(grid, 3, 2, QString::fromUtf8("合计"));
    TypeIntoCell(grid, 1, 1, "");
    TypeIntoCell(grid, 1, 2, "0.125");  // the cell keeps its format "0.00%"
    ProcessEvents();
    EXPECT_EQ(Shown(grid, 3, 1), "1234.5");
    EXPECT_EQ(Shown(grid, 1, 2), "12.50%");
    EXPECT_EQ(Shown(grid, 1, 1), "");
    EXPECT_TRUE(window.isWindowModified());

    window.SaveAction->trigger();
    ProcessEvents();
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_TRUE(saveSuggestions.empty()) << "an .xlsx workbook saves in place";
    window.close();

    EXPECT_EQ(ValueInFile(file, 3, 1), CellValue::Number(1234.5));
    EXPECT_EQ(ValueInFile(file, 3, 2), CellValue::Text("合计"));
    EXPECT_TRUE(ValueInFile(file, 1, 1).IsEmpty());
    EXPECT_EQ(ValueInFile(file, 1, 2), CellValue::Number(0.125));
    EXPECT_EQ(ValueInFile(file, 1, 3), CellValue::Text("旧"));
}

TEST_F(EditTest, OpeningAnEditorWithoutTypingChangesNothing) {
    WorkbookWindow& window = OpenWindow(Book(temp / "untouched.xlsx"));
    // A date opens with its displayed text; Enter must not turn it into text.
    TypeIntoCell(*window.Grid, 2, 1, Shown(*window.Grid, 2, 1));
    TypeIntoCell(*window.Grid, 1, 3, QString::fromUtf8("旧"));
    ProcessEvents();
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(windows().Application()->ActiveSheet()->Cells(2, 1)->Value(), CellValue::Date(45000));
}

TEST_F(EditTest, AChangeElsewhereDoesNotTakeBackWhatIsBeingTyped) {
    WorkbookWindow& window = OpenWindow(Book(temp / "typing.xlsx"));
    QLineEdit* editor = OpenEditor(*window.Grid, 1, 1);
    ASSERT_NE(editor, nullptr);
    ReplaceEditorText(*editor, "77");
    windows().Application()->ActiveSheet()->Cells(9, 9)->SetValue(CellValue::Number(1));
    ProcessEvents();  // the window follows the change while the editor is open
    EXPECT_EQ(editor->text(), "77");
    QTest::keyClick(editor, Qt::Key_Return);
    ProcessEvents();
    EXPECT_EQ(windows().Application()->ActiveSheet()->Cells(1, 1)->Value(), CellValue::Number(77));
    EXPECT_EQ(Shown(*window.Grid, 9, 9), "1");
}

TEST_F(EditTest, DeleteClearsEveryArea) {
    WorkbookWindow& window = OpenWindow(Book(temp / "delete.xlsx"));
    SheetGrid& grid = *window.Grid;
    ClickCell(grid, 1, 1);
    ClickCell(grid, 1, 3, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_Delete);
    ProcessEvents();
    auto sheet = windows().Application()->ActiveSheet();
    EXPECT_TRUE(sheet->Cells(1, 1)->Value().IsEmpty());
    EXPECT_TRUE(sheet->Cells(1, 3)->Value().IsEmpty());
    EXPECT_EQ(sheet->Cells(1, 2)->Value(), CellValue::Number(0.5));
    EXPECT_EQ(Shown(grid, 1, 3), "");
    EXPECT_TRUE(window.isWindowModified());
}

}  // namespace
}  // namespace dorvane::shell::testing
