// Which window each action shows or hides, and which actions end the
// program.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"
#include "shell/Form4Controls.h"
#include "shell/Form5.h"
#include "shell/Form620.h"
#include "summary/windows/Form6.h"
#include "summary/windows/Form600.h"
#include "summary/windows/Form610.h"
#include "tests/shell/ShellTestSupport.h"

namespace dorvane::shell::testing {
namespace {

using FlowTest = ShellTest;

TEST_F(FlowTest, StartShowsOnlyTheStartWindow) {
    MakeShell();
    shell().Start();
    EXPECT_TRUE(shell().StartWindow().isVisible());
    EXPECT_EQ(shell().StartWindow().windowTitle(), QString::fromUtf8("Kelbrith /  Dorvane"));
    EXPECT_EQ(shell().LoadedMainWindow(), nullptr);
    EXPECT_EQ(wordCreations, 0);
}

TEST_F(FlowTest, ToolbarAndStartWindowHandOverToEachOther) {
    MakeShell();
    shell().Start();
    Click(shell().StartWindow().Command1);
    EXPECT_TRUE(shell().Toolbar().isVisible());
    EXPECT_FALSE(shell().StartWindow().isVisible());
    EXPECT_EQ(endings, 0) << "only the toolbar is left, and the program keeps running";

    Click(shell().Toolbar().Image1);
    EXPECT_FALSE(shell().Toolbar().isVisible());
    EXPECT_TRUE(shell().StartWindow().isVisible());

    shell().StartWindow().close();
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(shell().Ended());
    EXPECT_FALSE(shell().StartWindow().isVisible());
}

TEST_F(FlowTest, StepWindowButtons) {
    MakeShell();
    shell().Start();
    Click(shell().StartWindow().Command3);
    Form600& steps = shell().StepWindow();
    ASSERT_TRUE(steps.isVisible());

    for (QPushButton* button : {steps.Command1, steps.Command2, steps.Command3}) Click(button);
    ASSERT_EQ(messages.size(), 3u);
    for (const Message& message : messages) {
        EXPECT_EQ(message.text, QString::fromUtf8("你好，目前前三步的工作尚未完成，请手动完成后直接"
                                                  "使用第四步的汇总工具条。"));
        EXPECT_EQ(message.title, QStringLiteral("Dorvane"));
    }
    EXPECT_TRUE(steps.isVisible());

    Click(steps.Command6);
    EXPECT_TRUE(shell().NotesWindow().isVisible());
    EXPECT_TRUE(steps.isVisible());

    for (QPushButton* button : {steps.Command4, steps.Command5}) {
        steps.show();
        shell().Toolbar().hide();
        Click(button);
        EXPECT_FALSE(steps.isVisible());
        EXPECT_TRUE(shell().Toolbar().isVisible());
    }
}

TEST_F(FlowTest, ClosingWindowsOutsideTheEndRulesOnlyClosesThem) {
    Form4& main = OpenTableTool();
    shell().StepWindow().show();
    shell().NotesWindow().show();
    shell().LineChooser().show();
    for (QWidget* window : std::initializer_list<QWidget*>{
             &shell().StepWindow(), &shell().NotesWindow(), &shell().LineChooser(),
             &shell().WelcomeWindow()}) {
        window->close();
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
    EXPECT_EQ(endings, 0);
    EXPECT_FALSE(main.isVisible()) << "no document yet: the main window waits for the timer";
}

TEST_F(FlowTest, OpeningTheTableToolLoadsTheMainWindow) {
    Form4& main = OpenTableTool();
    EXPECT_EQ(wordCreations, 1);
    EXPECT_TRUE(word->visible);
    EXPECT_EQ(word->activations, 1);
    EXPECT_TRUE(shell().WelcomeWindow().isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(main.WidthTwips(), Form4::kNarrowWidth);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Dorvane"));
    EXPECT_TRUE(shell().StartWindow().isVisible());
    EXPECT_TRUE(messages.empty());

    // A second click does not create a second Word: it brings the welcome
    // window back.
    shell().WelcomeWindow().hide();
    Click(shell().StartWindow().Command2);
    EXPECT_EQ(wordCreations, 1);
    EXPECT_TRUE(shell().WelcomeWindow().isVisible());
}

TEST_F(FlowTest, StartWindowLeadsBackToTheMainWindowOnceADocumentIsOpen) {
    Form4& main = OpenTableTool();
    word->documents = 1;
    main.WatchWord();
    ASSERT_TRUE(main.isVisible());
    shell().WelcomeWindow().hide();
    main.hide();  // as while the single-table window shows

    Click(shell().StartWindow().Command2);
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(shell().WelcomeWindow().isVisible());
    EXPECT_EQ(wordCreations, 1);
}

TEST_F(FlowTest, WordThatCannotBeActivatedIsReportedAndLoadingGoesOn) {
    word->activateFails = true;
    Form4& main = OpenTableTool();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QString::fromUtf8("与本程序一同启动的word主程序被关闭，本程序将退出。"));
    EXPECT_FALSE(shell().WelcomeWindow().isVisible());
    EXPECT_EQ(main.Combo("Combo7")->currentText(), QString::fromUtf8("调整到页面宽度"))
        << "the settings are initialised after the message";
    EXPECT_EQ(endings, 0) << "the watch timer ends the program, not the loading";
}

TEST_F(FlowTest, WordThatCannotBeCreatedLeavesTheMainWindowUnloaded) {
    options.createWord = [this]() -> std::shared_ptr<word::Application> {
        ++wordCreations;
        throw AutomationError("Word.application", "cannot be created");
    };
    MakeShell();
    shell().Start();
    Click(shell().StartWindow().Command2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8("运行出错：Word.application: cannot be created"));
    EXPECT_EQ(shell().LoadedMainWindow(), nullptr);
    EXPECT_TRUE(shell().StartWindow().isVisible());
    EXPECT_EQ(endings, 0);

    Click(shell().StartWindow().Command2);
    EXPECT_EQ(wordCreations, 2) << "the next click tries again";
}

TEST_F(FlowTest, WelcomeWindowButtons) {
    OpenTableTool();
    Form5& welcome = shell().WelcomeWindow();
    Click(welcome.Command1);
    EXPECT_FALSE(welcome.isVisible());
    EXPECT_EQ(word->dialogShows, 1);
    EXPECT_EQ(word->dialogNumber, 80);
    EXPECT_EQ(endings, 0);

    welcome.show();
    Click(welcome.Command2);
    EXPECT_EQ(endings, 1);
}

TEST_F(FlowTest, SingleTableWindowComesAndGoesByKeyboardAndBackButton) {
    Form4& main = OpenTableTool();
    main.show();
    QApplication::setActiveWindow(&main);
    main.Command5->setFocus();
    QTest::keyClick(main.Command5, Qt::Key_Space);
    EXPECT_FALSE(main.isVisible());
    Form1& single = shell().SingleTableWindow();
    EXPECT_TRUE(single.isVisible());
    EXPECT_TRUE(single.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(shell().Port().SingleTableWindowShowing());

    Click(single.Command2);
    EXPECT_FALSE(single.isVisible());
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(shell().Port().SingleTableWindowShowing());

    single.show();
    single.close();
    EXPECT_EQ(endings, 1) << "closing the single-table window ends the whole program";
}

TEST_F(FlowTest, ClosingTheMainWindowEndsTheProgram) {
    Form4& main = OpenTableTool();
    main.show();
    main.close();
    EXPECT_EQ(endings, 1);
    EXPECT_FALSE(main.Timer1->isActive());
    EXPECT_FALSE(main.Timer2->isActive());
    EXPECT_FALSE(shell().StartWindow().isVisible());
}

TEST_F(FlowTest, LineLabelsAndPreviewsOpenTheLineChooser) {
    Form4& main = OpenTableTool();
    main.show();
    for (QWidget* opener : std::initializer_list<QWidget*>{main.Label1, main.Label2, main.Label3}) {
        shell().LineChooser().hide();
        QTest::mouseDClick(opener, Qt::LeftButton);
        EXPECT_TRUE(shell().LineChooser().isVisible()) << opener->objectName().toStdString();
    }
    for (QWidget* opener :
         std::initializer_list<QWidget*>{main.Picture21, main.Picture22, main.Picture23}) {
        shell().LineChooser().hide();
        Click(opener);
        EXPECT_TRUE(shell().LineChooser().isVisible()) << opener->objectName().toStdString();
    }
    shell().LineChooser().hide();
    Click(main.Label1);
    EXPECT_FALSE(shell().LineChooser().isVisible()) << "a single click on a label does nothing";
}

TEST_F(FlowTest, FailureShowsTheHiddenWindowsAgainAndTheProgramGoesOn) {
    MakeShell();
    shell().Start();
    Click(shell().StartWindow().Command1);
    shell().RunGuarded([this] {
        shell().Toolbar().hide();
        throw AutomationError("Workbooks.Open", "file not found");
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8("运行出错：Workbooks.Open: file not found"));
    EXPECT_TRUE(shell().Toolbar().isVisible());
    EXPECT_FALSE(shell().StartWindow().isVisible()) << "it was hidden before the action";
    EXPECT_EQ(endings, 0);
}

TEST_F(FlowTest, NothingRunsAfterTheEnd) {
    MakeShell();
    shell().Start();
    shell().EndProgram();
    shell().EndProgram();
    EXPECT_EQ(endings, 1);
    bool ran = false;
    shell().RunGuarded([&] { ran = true; });
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace dorvane::shell::testing
