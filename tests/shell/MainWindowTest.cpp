// The main window: its options built from the field descriptions, the
// width toggle, the watch timer and the visibility rule.

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "formatting/FieldDescriptions.h"
#include "formatting/LinePreviewTable.h"
#include "shell/Form4.h"
#include "shell/Form4Controls.h"
#include "tests/shell/ShellTestSupport.h"

namespace dorvane::shell::testing {
namespace {

using MainWindowTest = ShellTest;

// Types text as keyboard input (also text no single key gives).
void Type(QWidget* target, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TEST_F(MainWindowTest, OpensWithTheOptionsOfTheFieldDescriptions) {
    Form4& main = OpenTableTool();
    EXPECT_EQ(main.Settings(), formatting::FormatSettings());
    for (const auto& field : formatting::FieldDescriptions()) {
        SCOPED_TRACE(std::string(field.name));
        if (field.kind == formatting::FieldKind::List) {
            QComboBox* combo = main.Combo(field.name);
            ASSERT_NE(combo, nullptr);
            EXPECT_TRUE(combo->isEditable());
            ASSERT_EQ(combo->count(), static_cast<int>(field.entries.size()));
            for (int i = 0; i < combo->count(); ++i)
                EXPECT_EQ(combo->itemText(i), Q(field.entries[i]));
            EXPECT_EQ(combo->currentText(), Q(field.opening));
            EXPECT_EQ(combo->toolTip(), Q(field.toolTip));
        } else {
            QCheckBox* check = main.Check(field.name);
            ASSERT_NE(check, nullptr);
            EXPECT_EQ(check->text(), Q(field.caption));
            EXPECT_EQ(check->isChecked(), field.opening == "1");
        }
        if (!field.label.empty()) {
            auto* label = field.name == "Check4"
                              ? main.Label4
                              : main.findChild<QLabel*>(Q(field.name) + QStringLiteral("Label"));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), Q(field.label));
            EXPECT_EQ(label->toolTip(), Q(field.labelToolTip));
        }
    }
}

TEST_F(MainWindowTest, ButtonsCaptionsAndToolTips) {
    Form4& main = OpenTableTool();
    EXPECT_EQ(main.Command1->text(), QString::fromUtf8("开   始"));
    EXPECT_EQ(main.Command2->text(), QString::fromUtf8("更多功能 >>"));
    EXPECT_EQ(main.Command3->toolTip(), QString::fromUtf8("此功能和前页的排版功能是独立的。"));
    EXPECT_EQ(main.Command10->text(), QString::fromUtf8("开  始"));
    EXPECT_EQ(main.Command12->toolTip(), QString::fromUtf8("保存左页设置"));
    EXPECT_EQ(main.Command13->toolTip(), QString::fromUtf8("使用已存设置"));
    EXPECT_EQ(main.Command14->text(), QString::fromUtf8("确定"));
    EXPECT_FALSE(main.Command8->isVisibleTo(&main));
    // Command5 lies beyond both widths but stays reachable by the keyboard.
    main.SetWidthTwips(Form4::kWideWidth);
    EXPECT_GE(main.Command5->geometry().left(), main.width());
    EXPECT_TRUE(main.Command5->isVisibleTo(&main));
    EXPECT_TRUE(main.Command5->isEnabled());
    EXPECT_EQ(main.Command5->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

TEST_F(MainWindowTest, WidthToggle) {
    Form4& main = OpenTableTool();
    const int narrow = main.width();
    Click(main.Command2);
    EXPECT_EQ(main.WidthTwips(), Form4::kWideWidth);
    EXPECT_GT(main.width(), narrow);
    Click(main.Command2);
    EXPECT_EQ(main.WidthTwips(), Form4::kNarrowWidth);
    EXPECT_EQ(main.width(), narrow);
    main.SetWidthTwips(9000);
    Click(main.Command2);
    EXPECT_EQ(main.WidthTwips(), Form4::kWideWidth);
    EXPECT_EQ(main.Command2->text(), QString::fromUtf8("更多功能 >>"));
}

TEST_F(MainWindowTest, WatchTimerShowsTheWindowOnceForTheFirstDocument) {
    Form4& main = OpenTableTool();
    EXPECT_EQ(main.Timer1->interval(), options.watchInterval);
    main.WatchWord();
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(main.DocumentSeen);

    word->documents = 1;
    main.WatchWord();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(main.DocumentSeen);

    // Hidden meanwhile, every document closed, another opened: it stays hidden.
    main.hide();
    word->documents = 0;
    main.WatchWord();
    word->documents = 2;
    main.WatchWord();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(endings, 0);
}

TEST_F(MainWindowTest, WatchTimerEndsTheProgramSilentlyWhenWordIsGone) {
    Form4& main = OpenTableTool();
    word->quit = true;
    main.WatchWord();
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(main.Timer1->isActive());
}

TEST_F(MainWindowTest, TimersRunAtTheirIntervals) {
    {
        // The program's own intervals.
        ShellOptions defaults;
        EXPECT_EQ(defaults.watchInterval, 3500);
        EXPECT_EQ(defaults.visibilityInterval, 100);
    }
    options.watchInterval = 20;
    options.visibilityInterval = 10;
    Form4& main = OpenTableTool();
    EXPECT_TRUE(main.Timer1->isActive());
    EXPECT_EQ(main.Timer2->interval(), 10);
    word->documents = 1;
    QTRY_VERIFY_WITH_TIMEOUT(main.isVisible(), 2000);

    main.Combo("Combo7")->setEditText(QString::fromUtf8("指定宽度"));
    QTRY_VERIFY_WITH_TIMEOUT(main.Combo("Combo13")->isVisible(), 2000);

    word->quit = true;
    QTRY_COMPARE_WITH_TIMEOUT(endings, 1, 2000);
}

TEST_F(MainWindowTest, WidthFieldsShowExactlyForSpecifiedWidth) {
    Form4& main = OpenTableTool();
    main.show();
    QComboBox* combo7 = main.Combo("Combo7");
    QComboBox* combo13 = main.Combo("Combo13");
    QComboBox* combo6 = main.Combo("Combo6");
    main.ApplyVisibilityRule();
    EXPECT_FALSE(combo13->isVisible());
    EXPECT_FALSE(combo6->isVisible());
    EXPECT_EQ(combo13->currentText(), QString::fromUtf8("指定宽度"));
    EXPECT_EQ(combo6->currentText(), QString::fromUtf8("左缩进"));

    combo7->setCurrentIndex(2);  // picked
    main.ApplyVisibilityRule();
    EXPECT_TRUE(combo13->isVisible());
    EXPECT_TRUE(combo6->isVisible());

    combo7->lineEdit()->clear();
    Type(combo7->lineEdit(), QString::fromUtf8("指定宽度 "));  // typed, trailing blank
    main.ApplyVisibilityRule();
    EXPECT_FALSE(combo13->isVisible());
    EXPECT_FALSE(combo6->isVisible());

    QTest::keyClick(combo7->lineEdit(), Qt::Key_Backspace);
    main.ApplyVisibilityRule();
    EXPECT_TRUE(combo13->isVisible());
}

TEST_F(MainWindowTest, TypedTextIsKeptAsTyped) {
    Form4& main = OpenTableTool();
    QComboBox* combo8 = main.Combo("Combo8");
    combo8->lineEdit()->clear();
    QTest::keyClicks(combo8->lineEdit(), QStringLiteral("0.7"));
    QTest::keyClick(combo8->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(main.Settings().Combo8, "0.7") << "no completion to a list entry";
    EXPECT_EQ(combo8->count(), 14) << "typed text is not added to the list";
}

TEST_F(MainWindowTest, SettingsGoBackIntoTheControls) {
    Form4& main = OpenTableTool();
    formatting::FormatSettings settings;
    settings.Combo7 = "指定宽度";
    settings.Combo13 = "17.5";
    settings.Combo9 = "不在列表中";
    settings.Check2 = 0;
    settings.Check4 = 1;
    formatting::ApplyLinePicture(settings, 2, *formatting::FindLinePictureByName("Picture24"));
    main.ApplySettings(settings);
    EXPECT_EQ(main.Settings(), settings);
    EXPECT_EQ(main.Picture22->Picture(), formatting::FindLinePictureByName("Picture24"));
    EXPECT_EQ(main.Picture21->Picture(), nullptr);
}

}  // namespace
}  // namespace dorvane::shell::testing
