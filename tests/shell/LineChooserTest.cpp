// Picks in the line chooser: the frame decides the group; a pick sets the
// group's preview box and line fields at once.

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include "formatting/LinePreviewTable.h"
#include "shell/Form3.h"
#include "shell/Form4.h"
#include "shell/Form4Controls.h"
#include "tests/shell/ShellTestSupport.h"

namespace dorvane::shell::testing {
namespace {

class LineChooserTest : public ShellTest {
protected:
    Form3& OpenChooserFrom(QWidget* opener) {
        Click(opener);
        return shell().LineChooser();
    }
    void Pick(Form3& chooser, const char* option) {
        QRadioButton* button = chooser.Option(QString::fromLatin1(option));
        ASSERT_NE(button, nullptr) << option;
        Click(button);
    }
    static const formatting::LinePicture* Library(const char* name) {
        return formatting::FindLinePictureByName(name);
    }
};

TEST_F(LineChooserTest, WindowHoldsThreeFramesOfOptions) {
    Form4& main = OpenTableTool();
    Form3& chooser = OpenChooserFrom(main.Picture21);
    EXPECT_EQ(chooser.windowTitle(), QString::fromUtf8("表格上下、左右和内部线型设置"));
    const char* captions[] = {"上下边框", "左右边框", "内横竖线"};
    for (int group = 1; group <= 3; ++group) {
        QGroupBox* frame = chooser.Frame(group);
        EXPECT_EQ(frame->title(), QString::fromUtf8(captions[group - 1]));
        EXPECT_EQ(frame->findChildren<QRadioButton*>().size(), group == 3 ? 15 : 19);
        for (QRadioButton* option : frame->findChildren<QRadioButton*>())
            EXPECT_TRUE(option->text().isEmpty());
    }
    EXPECT_FALSE(chooser.AnySelected());
}

TEST_F(LineChooserTest, FrameDecidesTheGroupNotTheBoxThatOpenedIt) {
    Form4& main = OpenTableTool();
    Form3& chooser = OpenChooserFrom(main.Picture22);
    Pick(chooser, "Option18");  // group 1, double 1½ pt
    auto settings = main.Settings();
    EXPECT_EQ(settings.LineStyle1, "7");
    EXPECT_EQ(settings.LineWidth1, "12");
    EXPECT_EQ(main.Picture21->Picture(), Library("Picture20"));
    EXPECT_EQ(main.Picture22->Picture(), nullptr);
    EXPECT_EQ(settings.LineStyle2, "1");
    EXPECT_EQ(settings.LineWidth2, "8");
}

TEST_F(LineChooserTest, NoLinePicksKeepTheWidth) {
    Form4& main = OpenTableTool();
    Form3& chooser = OpenChooserFrom(main.Picture21);
    Pick(chooser, "Option18");
    Pick(chooser, "Option19");  // group 1, no line
    EXPECT_EQ(main.Settings().LineStyle1, "0");
    EXPECT_EQ(main.Settings().LineWidth1, "12");
    EXPECT_EQ(main.Picture21->Picture(), Library("Picture24"));
    Pick(chooser, "Option2");  // single ½ pt
    EXPECT_EQ(main.Settings().LineStyle1, "1");
    EXPECT_EQ(main.Settings().LineWidth1, "4");

    Pick(chooser, "Option20");  // group 2, no line: empty text
    EXPECT_EQ(main.Settings().LineStyle2, "");
    EXPECT_EQ(main.Settings().LineWidth2, "8");
    EXPECT_EQ(main.Picture22->Picture(), Library("Picture24"));
}

TEST_F(LineChooserTest, InsideLinePicksTouchOnlyTheInsideGroup) {
    Form4& main = OpenTableTool();
    Form3& chooser = OpenChooserFrom(main.Picture23);
    const auto before = main.Settings();
    Pick(chooser, "Option48");  // dotted ¾ pt
    auto after = main.Settings();
    EXPECT_EQ(after.LineStyle3, "2");
    EXPECT_EQ(after.LineWidth3, "6");
    EXPECT_EQ(main.Picture23->Picture(), Library("Picture11"));
    after.LineStyle3 = before.LineStyle3;
    after.LineWidth3 = before.LineWidth3;
    after.Picture23 = before.Picture23;
    EXPECT_EQ(after, before);
}

TEST_F(LineChooserTest, OneSelectionPerFrameAndNoneOnReopening) {
    Form4& main = OpenTableTool();
    Form3& chooser = OpenChooserFrom(main.Picture21);
    Pick(chooser, "Option3");
    Pick(chooser, "Option30");
    Pick(chooser, "Option41");
    EXPECT_TRUE(chooser.Option(QStringLiteral("Option3"))->isChecked());
    EXPECT_TRUE(chooser.Option(QStringLiteral("Option30"))->isChecked());
    Pick(chooser, "Option5");
    EXPECT_FALSE(chooser.Option(QStringLiteral("Option3"))->isChecked());
    EXPECT_TRUE(chooser.Option(QStringLiteral("Option30"))->isChecked());

    chooser.close();
    const auto settings = main.Settings();
    Click(main.Picture21);
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_FALSE(chooser.AnySelected());
    EXPECT_EQ(main.Settings(), settings) << "reopening changes nothing";
    EXPECT_EQ(main.Picture21->Picture(), Library("Picture6"));
}

}  // namespace
}  // namespace dorvane::shell::testing
