// The user port of the windows.

#include "shell/Form4.h"
#include "tests/shell/ShellTestSupport.h"

namespace dorvane::shell::testing {
namespace {

using PortTest = ShellTest;

TEST_F(PortTest, MessagesCarryTheDefaultOrTheGivenTitle) {
    MakeShell();
    shell().Port().ShowMessage("完成");
    shell().Port().ShowMessage("x", "计算中断");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Dorvane"));
    EXPECT_EQ(messages[0].text, QString::fromUtf8("完成"));
    EXPECT_EQ(messages[1].title, QString::fromUtf8("计算中断"));
}

TEST_F(PortTest, HidesAndShowsTheMainWindow) {
    MakeShell();
    // Before the main window is loaded there is nothing to hide or show.
    shell().Port().ShowMainWindow();
    shell().Port().HideMainWindow();
    EXPECT_EQ(shell().LoadedMainWindow(), nullptr);
    EXPECT_FALSE(shell().Port().SingleTableWindowShowing());

    Form4& main = OpenTableTool();
    shell().Port().ShowMainWindow();
    EXPECT_TRUE(main.isVisible());
    shell().Port().HideMainWindow();
    EXPECT_FALSE(main.isVisible());
}

}  // namespace
}  // namespace dorvane::shell::testing
