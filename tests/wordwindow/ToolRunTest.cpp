// The tool around the document windows: a table run on the table selected
// in a window, undone and saved there; the clean-up that clears the undo
// history; and what the end of the tool and Word's quit leave behind.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextTable>

#include "automation/embedded/word/EmbeddedWord.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"
#include "shell/Form4Controls.h"
#include "shell/word/DocumentPreview.h"
#include "tests/utilities/DocxFixture.h"
#include "tests/wordwindow/WordWindowTest.h"

namespace dorvane::shell::wordwindow::testing {
namespace {

namespace fs = std::filesystem;
namespace w = dorvane::word;
namespace ew = dorvane::embedded::word;
using ::dorvane::testing::Para;
using ::dorvane::testing::TextTable;

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

class ToolRunTest : public WordWindowTest {
protected:
    void Pick(Form4& main, const char* option) {
        Click(main.Picture21);
        Click(shell().LineChooser().Option(QString::fromLatin1(option)));
        shell().LineChooser().close();
    }
    int TopWidth(int table) {
        return word().ActiveDocument()->Tables()->Item(table)->Borders()->Item(w::wdBorderTop)->LineWidth();
    }
};

TEST_F(ToolRunTest, RunOnTheTableSelectedInTheWindowThenUndoThenSave) {
    DORVANE_CORPUS_FILE_OR_SKIP(corpus, "docx/oxsdk_2003_Consumer_Confidence_Report.docx");
    const fs::path file = Copy(corpus, "report.docx");
    const std::string original = MainPart(file);
    DocumentWindow* window = OpenThroughWelcome(file);
    ASSERT_NE(window, nullptr);
    Form4& main = shell().MainWindow();
    ASSERT_TRUE(main.isVisible());
    main.Check("Check3")->setChecked(true);
    Pick(main, "Option7");  // top and bottom: single 3 pt
    const int firstWidth = TopWidth(1);
    ASSERT_NE(TopWidth(2), w::wdLineWidth300pt);

    // The second table, selected in the window; the single-table window
    // runs on it.
    QList<QTextTable*> tables = window->Preview()->Tables();
    ASSERT_GE(tables.size(), 2);
    window->Preview()->SelectCells(tables[1], 0, 0, 0, 0);
    window->SelectTableAction->trigger();
    Click(main.Command5);
    Click(shell().SingleTableWindow().Command1);
    ASSERT_EQ(messages.size(), 1u) << messages.front().toStdString();
    EXPECT_EQ(TopWidth(2), w::wdLineWidth300pt);
    EXPECT_EQ(TopWidth(1), firstWidth) << "only the selected table";

    // The window shows the result and the modified mark.
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->UndoAction->isEnabled());
    QTextTable* shown = window->Preview()->Tables()[1];
    EXPECT_DOUBLE_EQ(shown->cellAt(0, 0).format().toTableCellFormat().topBorder(), 4.0) << "3 pt at 96 dpi";

    // One undo takes back the whole run.
    window->UndoAction->trigger();
    EXPECT_NE(TopWidth(2), w::wdLineWidth300pt);
    EXPECT_FALSE(window->UndoAction->isEnabled());
    EXPECT_LT(window->Preview()->Tables()[1]->cellAt(0, 0).format().toTableCellFormat().topBorder(), 4.0);
    window->SaveAction->trigger();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(MainPart(file), original) << "the document as it was before the run";
}

TEST_F(ToolRunTest, RunThatChangedNothingOffersNoUndoAndSaveAsRenamesTheWindow) {
    const fs::path file = Write("two.docx", TextTable({{"1", "2"}, {"3", "4"}}) + TextTable({{"x"}}));
    DocumentWindow* window = OpenThroughWelcome(file);
    ASSERT_NE(window, nullptr);
    Form4& main = shell().MainWindow();
    main.Check("Check3")->setChecked(true);
    Pick(main, "Option7");
    // A text that is no number stops the run part-way.
    main.Combo("Combo8")->setEditText(QStringLiteral("abc"));
    Click(main.Command1);
    ASSERT_EQ(messages.size(), 1u);
    ASSERT_TRUE(word().ActiveDocument()->Saved()) << "the run stopped before its first change";
    EXPECT_FALSE(window->UndoAction->isEnabled());

    saveAsFile = QString::fromStdString((temp / "renamed").string());
    window->SaveAsAction->trigger();
    EXPECT_TRUE(fs::exists(temp / "renamed.docx"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("renamed.docx[*]"));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(ToolRunTest, BodyTextCleanUpClearsTheUndoHistory) {
    const fs::path file = Write("body.docx", Para("正文第一段") + TextTable({{"1"}}) + Para("正文第二段"));
    DocumentWindow* window = OpenThroughWelcome(file);
    ASSERT_NE(window, nullptr);
    Form4& main = shell().MainWindow();
    Click(main.Command9);  // empty rows: an undoable step
    ew::BeginUndoStep(*word().ActiveDocument(), "test");
    word().ActiveDocument()->Content()->Font()->SetBold(w::wdTrue);
    window->RefreshTitle();
    ASSERT_TRUE(window->UndoAction->isEnabled());
    messages.clear();
    Click(main.Command10);  // body text: ends with UndoClear
    EXPECT_EQ(ew::UndoStepCount(*word().ActiveDocument()), 0);
    EXPECT_FALSE(window->UndoAction->isEnabled());
}

TEST_F(ToolRunTest, EndOfTheToolKeepsOnlyModifiedDocumentsWindows) {
    DocumentWindow* kept = OpenThroughWelcome(Write("kept.docx", Para("changed")));
    ASSERT_NE(kept, nullptr);
    OpenFromMenu(kept, Write("closed.docx", Para("untouched")));
    ASSERT_EQ(windows().Windows().size(), 2u);
    auto keptDocument = word().Documents()->Item(1);
    keptDocument->Content()->Font()->SetBold(w::wdTrue);

    shell().MainWindow().close();  // an end rule
    EXPECT_EQ(endings, 1);
    ASSERT_EQ(windows().Windows().size(), 1u);
    EXPECT_EQ(windows().Windows()[0], kept);
    EXPECT_EQ(word().Documents()->Count(), 1);
    EXPECT_EQ(keptDocument->Name(), "kept.docx");
    EXPECT_FALSE(shell().MainWindow().isVisible());

    saveAnswers = {SaveAnswer::Cancel};
    kept->QuitAction->trigger();
    EXPECT_EQ(saveQuestions.size(), 1u);
    EXPECT_EQ(word().Documents()->Count(), 1) << "cancelled: Word keeps running";
}

TEST_F(ToolRunTest, QuitOfWordAsksAndTheWatchTimerSeesWordGone) {
    DocumentWindow* window = OpenThroughWelcome(Write("quit.docx", Para("text")));
    ASSERT_NE(window, nullptr);
    word().ActiveDocument()->Content()->Font()->SetBold(w::wdTrue);
    saveAnswers = {SaveAnswer::Discard};
    window->QuitAction->trigger();
    EXPECT_EQ(saveQuestions.size(), 1u);
    EXPECT_TRUE(windows().Windows().empty());
    EXPECT_THROW(word().Documents()->Count(), AutomationError);
    EXPECT_EQ(endings, 0);
    shell().MainWindow().WatchWord();
    EXPECT_EQ(endings, 1) << "the program ends when its Word is gone";
}

TEST_F(ToolRunTest, CorpusDocumentWithATableSelectedLooksLikeADocument) {
    DORVANE_CORPUS_FILE_OR_SKIP(corpus, "docx/d4j_tables.docx");
    DocumentWindow* window = OpenThroughWelcome(Copy(corpus, "tables.docx"));
    ASSERT_NE(window, nullptr);
    QList<QTextTable*> tables = window->Preview()->Tables();
    ASSERT_FALSE(tables.isEmpty());
    EXPECT_GE(tables.size(), word().ActiveDocument()->Tables()->Count());
    window->Preview()->SelectCells(tables[0], 0, 0, tables[0]->rows() - 1, tables[0]->columns() - 1);
    EXPECT_EQ(word().Selection()->Tables()->Item(1)->Range()->Start(),
              word().ActiveDocument()->Tables()->Item(1)->Range()->Start());
    QImage picture = window->grab().toImage();
    EXPECT_FALSE(picture.isNull());
    // Set DORVANE_SCREENSHOT_DIR to keep the picture for a look.
    QString folder = qEnvironmentVariable("DORVANE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) picture.save(folder + QStringLiteral("/document-window.png"));
}

}  // namespace
}  // namespace dorvane::shell::wordwindow::testing
