// The whole way through the windows: the start window opens the result
// workbook in its window, the user selects a region in the grid, the
// toolbar's 汇总 button adds up the folder "自动汇总" beside it, the grid
// shows the sums, and saving writes them.

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"
#include "shell/Form620.h"
#include "shell/Shell.h"
#include "summary/windows/Form6.h"
#include "tests/common/XlsxFixture.h"
#include "tests/sheetwindow/SheetWindowTestSupport.h"

namespace dorvane::shell::testing {
namespace {

namespace fs = std::filesystem;
using dorvane::testing::XlsxFixture;
using excel::CellValue;

// A sheet whose B2:C3 and B5 hold the given numbers under a title in A1.
fs::path Source(const fs::path& file, double b2, double c2, double b3, double c3, const std::string& b5) {
    auto number = [](double v) { return std::to_string(v); };
    return XlsxFixture()
        .Sheet("报表",
               R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)"
               "<row r=\"2\"><c r=\"B2\"><v>" + number(b2) + "</v></c><c r=\"C2\"><v>" + number(c2) + "</v></c></row>"
               "<row r=\"3\"><c r=\"B3\"><v>" + number(b3) + "</v></c><c r=\"C3\"><v>" + number(c3) + "</v></c></row>"
               "<row r=\"5\"><c r=\"B5\" t=\"inlineStr\"><is><t>" + b5 + "</t></is></c></row>")
        .SharedStrings({"收入"})
        .Write(file);
}

class FlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QuitRunningExcel();
        fs::create_directories(temp / "自动汇总");
        Source(temp / "result.xlsx", 0, 0, 0, 0, "0");
        ShellOptions options;
        options.showMessage = [this](const QString& text, const QString&) { messages.push_back(text); };
        options.exitProgram = [this] { ++endings; };
        options.chooseWorkbook = [this] { return QString::fromStdString((temp / "result.xlsx").string()); };
        shell = std::make_unique<Shell>(options);
        shell->WorkbookWindows().Dialogs().askToSave = [this](QWidget*, const QString& name) {
            askedAbout.push_back(name);
            return SaveAnswer::Cancel;
        };
        shell->Start();
    }
    void TearDown() override {
        shell.reset();
        QuitRunningExcel();
        ProcessEvents();
    }

    WorkbookWindow& OpenResult() {
        Click(shell->StartWindow().Command4);
        ProcessEvents();
        auto windows = shell->WorkbookWindows().Windows();
        if (windows.size() != 1u) throw std::runtime_error("the result workbook has no window");
        return *windows.front();
    }
    void SelectRegion(SheetGrid& grid) {
        DragCells(grid, 2, 2, 3, 3);
        ClickCell(grid, 5, 2, Qt::ControlModifier);
    }
    void ClickSummaryButton() {
        Click(shell->StartWindow().Command1);
        Click(shell->Toolbar().Picture1);
        ProcessEvents();
    }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    dorvane::testing::TempDir temp;
    std::unique_ptr<Shell> shell;
    std::vector<QString> messages;
    std::vector<QString> askedAbout;
    int endings = 0;
};

TEST_F(FlowTest, SelectSumSeeAndSave) {
    Source(temp / "自动汇总" / "a.xlsx", 1, 2, 3, 4, "5");
    Source(temp / "自动汇总" / "b.xlsx", 10, 20, 30, 40.5, "50");
    WorkbookWindow& window = OpenResult();
    SheetGrid& grid = *window.Grid;
    SelectRegion(grid);
    ClickSummaryButton();

    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_TRUE(shell->Toolbar().isVisible());
    EXPECT_EQ(Shown(grid, 2, 2), "11");
    EXPECT_EQ(Shown(grid, 2, 3), "22");
    EXPECT_EQ(Shown(grid, 3, 2), "33");
    EXPECT_EQ(Shown(grid, 3, 3), "44.5");
    EXPECT_EQ(Shown(grid, 5, 2), "55") << "the second area, text numbers counted";
    EXPECT_EQ(Shown(grid, 1, 1), QString::fromUtf8("收入")) << "outside the region nothing changes";
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(shell->WorkbookWindows().Windows().size(), 1u) << "the sources came and went without windows";

    // Run again on part of the region: the sums are not added twice.
    ClickCell(grid, 2, 2);
    ClickSummaryButton();
    EXPECT_EQ(Shown(grid, 2, 2), "11");

    window.SaveAction->trigger();
    EXPECT_FALSE(window.isWindowModified());
    window.close();
    auto excel = CreateExcelApplication();
    auto sheet = excel->Workbooks()->Open((temp / "result.xlsx").string())->Sheets()->Item(1);
    EXPECT_EQ(sheet->Cells(3, 3)->Value(), CellValue::Number(44.5));
    EXPECT_EQ(sheet->Cells(5, 2)->Value(), CellValue::Number(55));
    excel->Quit();
}

TEST_F(FlowTest, DataErrorOpensTheSourceInItsWindowAtTheCell) {
    Source(temp / "自动汇总" / "a.xlsx", 1, 2, 3, 4, "5");
    Source(temp / "自动汇总" / "b.xlsx", 10, 20, 30, 40, "abc");
    WorkbookWindow& window = OpenResult();
    SelectRegion(*window.Grid);
    ClickSummaryButton();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QString::fromUtf8("第5行第2列"))) << messages[0].toStdString();
    EXPECT_EQ(Shown(*window.Grid, 2, 2), "") << "no partial sums stay";
    auto windows = shell->WorkbookWindows().Windows();
    ASSERT_EQ(windows.size(), 2u);
    WorkbookWindow* source = windows.back();
    EXPECT_TRUE(source->windowTitle().startsWith("b.xlsx")) << source->windowTitle().toStdString();
    EXPECT_EQ(source->SelectionLabel->text(), "B5");
    EXPECT_EQ(Shown(*source->Grid, 5, 2), "abc");
}

TEST_F(FlowTest, WorkbookWindowsOutliveTheTool) {
    WorkbookWindow& window = OpenResult();
    TypeIntoCell(*window.Grid, 2, 2, "3");
    shell->EndProgram();
    EXPECT_EQ(endings, 1);
    EXPECT_FALSE(shell->StartWindow().isVisible());
    EXPECT_TRUE(window.isVisible()) << "a modified workbook keeps its window";
    window.close();
    EXPECT_EQ(askedAbout, std::vector<QString>{"result.xlsx"});
    EXPECT_TRUE(window.isVisible()) << "Cancel keeps it";
}

TEST_F(FlowTest, StartWindowNamesAWorkbookThatCannotBeRead) {
    {
        std::ofstream(temp / "result.xlsx", std::ios::trunc) << "garbage";
    }
    Click(shell->StartWindow().Command4);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("result.xlsx")) << messages[0].toStdString();
    EXPECT_TRUE(shell->WorkbookWindows().Windows().empty());
    EXPECT_TRUE(shell->StartWindow().isVisible());
}

}  // namespace
}  // namespace dorvane::shell::testing
