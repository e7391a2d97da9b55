// The operations clicked from the windows on real files through the
// embedded office: a table run from "开   始" and from the single-table
// window, the summation from the toolbar, and the companion workbook.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"
#include "automation/word/Word.h"
#include "platform/RunningObjectTable.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"
#include "shell/Form4Controls.h"
#include "shell/Form5.h"
#include "shell/Form620.h"
#include "summary/windows/Form6.h"
#include "tests/common/TestSupport.h"
#include "tests/shell/ShellTestSupport.h"

namespace dorvane::shell::testing {
namespace {

namespace fs = std::filesystem;

class OperationsTest : public ShellTest {
protected:
    void TearDown() override {
        // The Excel the start window registered as running must not be
        // found by the next test.
        while (auto running = platform::RunningObjectTable::Lookup("Excel.Application"))
            std::static_pointer_cast<excel::Application>(running)->Quit();
        ShellTest::TearDown();
    }

    // The embedded Word answers its file-open dialog with `document`.
    Form4& OpenDocument(const fs::path& document) {
        options.createWord = [this] {
            ++wordCreations;
            return CreateWordApplication();
        };
        options.chooseDocument = [document] { return std::optional<std::string>(document.string()); };
        Form4& main = OpenTableTool();
        Click(shell().WelcomeWindow().Command1);
        main.WatchWord();
        return main;
    }

    void Pick(Form4& main, const char* option) {
        Click(main.Picture21);
        Click(shell().LineChooser().Option(QString::fromLatin1(option)));
        shell().LineChooser().close();
    }

    static word::Ref<word::Border> BorderOf(word::Document& document, int table, int index) {
        return document.Tables()->Item(table)->Borders()->Item(index);
    }

    ::dorvane::testing::TempDir temp;
};

TEST_F(OperationsTest, TableRunFromTheStartButtonFormatsEveryTable) {
    DORVANE_CORPUS_FILE_OR_SKIP(corpus, "docx/oxsdk_2003_Consumer_Confidence_Report.docx");
    const fs::path document = temp / "report.docx";
    fs::copy_file(corpus, document);
    Form4& main = OpenDocument(document);
    ASSERT_TRUE(main.isVisible()) << "the watch timer saw the document";
    ASSERT_EQ(main.WordApp->Documents()->Count(), 1);

    main.Check("Check3")->setChecked(true);  // include tables without visible lines
    Pick(main, "Option18");                  // top and bottom: double 1½ pt
    Pick(main, "Option20");                  // left and right: no line
    Click(main.Command1);

    ASSERT_EQ(messages.size(), 1u) << messages.front().text.toStdString();
    EXPECT_EQ(messages[0].text, QString::fromUtf8("完成"));
    EXPECT_TRUE(main.isVisible());

    const fs::path saved = temp / "saved.docx";
    main.WordApp->ActiveDocument()->SaveAs(saved.string());
    auto reader = CreateWordApplication();
    auto reopened = reader->Documents()->Open(saved.string());
    const int tables = reopened->Tables()->Count();
    ASSERT_GT(tables, 1);
    for (int t = 1; t <= tables; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(BorderOf(*reopened, t, word::wdBorderTop)->LineStyle(), word::wdLineStyleDouble);
        EXPECT_EQ(BorderOf(*reopened, t, word::wdBorderBottom)->LineWidth(),
                  word::wdLineWidth150pt);
        EXPECT_EQ(BorderOf(*reopened, t, word::wdBorderLeft)->LineStyle(), word::wdLineStyleNone);
    }
    reader->Quit();
}

TEST_F(OperationsTest, TableRunFromTheSingleTableWindowFormatsTheSelectedTable) {
    DORVANE_CORPUS_FILE_OR_SKIP(corpus, "docx/oxsdk_2003_Consumer_Confidence_Report.docx");
    const fs::path document = temp / "report.docx";
    fs::copy_file(corpus, document);
    Form4& main = OpenDocument(document);
    main.Check("Check3")->setChecked(true);
    Pick(main, "Option7");  // top and bottom: single 3 pt
    auto active = main.WordApp->ActiveDocument();
    const int firstWidth = BorderOf(*active, 1, word::wdBorderTop)->LineWidth();
    ASSERT_NE(firstWidth, word::wdLineWidth300pt);

    Click(main.Command5);
    Form1& single = shell().SingleTableWindow();
    ASSERT_TRUE(single.isVisible());
    active->Tables()->Item(2)->Select();
    Click(single.Command1);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8("完成"));
    EXPECT_TRUE(single.isVisible()) << "after the run both windows are showing";
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(BorderOf(*active, 2, word::wdBorderTop)->LineWidth(), word::wdLineWidth300pt);
    EXPECT_EQ(BorderOf(*active, 1, word::wdBorderTop)->LineWidth(), firstWidth)
        << "only the selected table is formatted";
}

TEST_F(OperationsTest, NumberFieldThatIsNoNumberStopsTheRunAndTheWindowComesBack) {
    DORVANE_CORPUS_FILE_OR_SKIP(corpus, "docx/oxsdk_2003_Consumer_Confidence_Report.docx");
    const fs::path document = temp / "report.docx";
    fs::copy_file(corpus, document);
    Form4& main = OpenDocument(document);
    main.Combo("Combo8")->setEditText(QStringLiteral("abc"));
    Click(main.Command1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("abc")))
        << messages[0].text.toStdString();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(endings, 0);
    EXPECT_TRUE(main.WordApp->ActiveDocument()->Saved()) << "nothing was changed";
}

// A workbook with one sheet whose cells (1,1), (1,2), (2,1), (2,2) hold the
// given numbers.
void WriteWorkbook(const fs::path& file, std::initializer_list<double> values) {
    auto excel = CreateExcelApplication();
    auto book = excel->Workbooks()->Add();
    auto sheet = book->Worksheets()->Item(1);
    int i = 0;
    for (double value : values) {
        sheet->Cells(1 + i / 2, 1 + i % 2)->SetValue(excel::CellValue::Number(value));
        ++i;
    }
    book->SaveAs(file.string());
    excel->Quit();
}

TEST_F(OperationsTest, SummationFromTheToolbarAddsUpTheFolder) {
    fs::create_directories(temp / "自动汇总");
    WriteWorkbook(temp / "result.xlsx", {0, 0, 0, 0});
    WriteWorkbook(temp / "自动汇总" / "a.xlsx", {1, 2, 3, 4});
    WriteWorkbook(temp / "自动汇总" / "b.xlsx", {10, 20, 30, 40.5});
    options.chooseWorkbook = [this] { return QString::fromStdString((temp / "result.xlsx").string()); };
    MakeShell();
    shell().Start();
    Click(shell().StartWindow().Command4);
    auto excel = GetRunningExcelApplication();
    ASSERT_EQ(excel->Workbooks()->Count(), 1);
    excel->ActiveSheet()->Range("A1:B2")->Select();

    Click(shell().StartWindow().Command1);
    Form6& toolbar = shell().Toolbar();
    Click(toolbar.Picture1);

    EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
    EXPECT_TRUE(toolbar.isVisible());
    auto sheet = excel->ActiveSheet();
    EXPECT_EQ(sheet->Cells(1, 1)->Value().AsNumber(), 11);
    EXPECT_EQ(sheet->Cells(1, 2)->Value().AsNumber(), 22);
    EXPECT_EQ(sheet->Cells(2, 1)->Value().AsNumber(), 33);
    EXPECT_EQ(sheet->Cells(2, 2)->Value().AsNumber(), 44.5);
}

TEST_F(OperationsTest, SummationWithoutExcelReportsAndTheToolbarComesBack) {
    MakeShell();
    shell().Start();
    Click(shell().StartWindow().Command1);
    Click(shell().Toolbar().Picture1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8("提示：没有找到打开的excel文件。")));
    EXPECT_TRUE(shell().Toolbar().isVisible());
}

TEST_F(OperationsTest, CompanionWorkbookOpensOrNamesTheFailure) {
    options.programFolder = temp.path();
    Form4& main = OpenTableTool();
    main.show();
    Click(main.Label4);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("2Ostrilo2012dll.xls")))
        << messages[0].text.toStdString();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(endings, 0);

    WriteWorkbook(temp / "2Ostrilo2012dll.xls", {1, 2, 3, 4});
    Click(main.Label4);
    EXPECT_EQ(messages.size(), 1u) << messages.back().text.toStdString();
}

}  // namespace
}  // namespace dorvane::shell::testing
