// The run's rules that need no document: failure regimes, the number
// fields, the number test of body cells, the failure report.

#include <gtest/gtest.h>

#include "formatting/FailureRegime.h"
#include "formatting/FormatRunState.h"
#include "formatting/FormatTables.h"
#include "formatting/TableSteps.h"
#include "tests/formatting/RecordingPort.h"

namespace dorvane::formatting {
namespace {

TEST(FailureRegime, StrictLetsRefusalsThroughTolerantSkipsThem) {
    FailureRegime regime;
    EXPECT_FALSE(regime.Tolerant());
    auto refuse = [] { throw AutomationError("Rows.Item", "cannot access individual rows"); };
    EXPECT_THROW(regime.Run(refuse), AutomationError);

    regime.TurnTolerant();
    int after = 0;
    EXPECT_FALSE(regime.Run(refuse));
    EXPECT_TRUE(regime.Run([&] { ++after; }));
    EXPECT_EQ(after, 1);
    // Only refusals of the object model are tolerated.
    EXPECT_THROW(regime.Run([] { throw std::logic_error("bug"); }), std::logic_error);

    regime.TurnStrict();
    EXPECT_THROW(regime.Run(refuse), AutomationError);
}

TEST(RunNumbers, ParsedUnlessUnchangedAndKeptBetweenRuns) {
    FormatSettings s;
    FormatRunState state;
    s.Combo8 = "0.60";
    s.Combo1 = "1.5";
    s.Combo5 = "0.3";
    ParseRunNumbers(s, state);
    EXPECT_FLOAT_EQ(state.RowHeightValue, 0.6f);
    EXPECT_FLOAT_EQ(state.LineSpacingValue, 1.5f);
    EXPECT_FLOAT_EQ(state.RightMarginValue, 0.3f);

    // "不变" never parses: the earlier values stay.
    s.Combo8 = s.Combo1 = s.Combo5 = "不变";
    ParseRunNumbers(s, state);
    EXPECT_FLOAT_EQ(state.RowHeightValue, 0.6f);
    EXPECT_FLOAT_EQ(state.LineSpacingValue, 1.5f);
}

TEST(RunNumbers, TextThatIsNoNumberNamesLabelAndTextAndChangesNothing) {
    FormatSettings s;
    FormatRunState state{1, 2, 3};
    s.Combo8 = "0.7";
    s.Combo1 = "一倍";
    try {
        ParseRunNumbers(s, state);
        FAIL() << "no error";
    } catch (const NumberFieldError& e) {
        EXPECT_EQ(e.Field(), "Combo1");
        EXPECT_NE(std::string(e.what()).find("行    距"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("一倍"), std::string::npos);
    }
    EXPECT_FLOAT_EQ(state.RowHeightValue, 1);  // Combo8 parsed but not kept
    for (const char* bad : {"", " ", "0.5cm", "不变 "}) {
        s.Combo1 = "不变";
        s.Combo5 = bad;
        EXPECT_THROW(ParseRunNumbers(s, state), NumberFieldError) << '"' << bad << '"';
    }
}

TEST(NumberCells, NumbersAreBareFigures) {
    for (const char* yes : {"1,234.56", "-3", "12.5", " 42 ", "+7", "0.5"})
        EXPECT_TRUE(IsNumberCellText(yes)) << yes;
    for (const char* no : {"", "12%", "-", "—", "12元", "1,23", "12\r13", "1.2.3", "合计",
                           "１２", "12 34"})
        EXPECT_FALSE(IsNumberCellText(no)) << no;
}

TEST(FontSizes, OnlyTheChineseSizeNamesCount) {
    EXPECT_EQ(FontSizePoints("四号"), 14);
    EXPECT_EQ(FontSizePoints("小四"), 12);
    EXPECT_EQ(FontSizePoints("五号"), 10.5);
    EXPECT_EQ(FontSizePoints("小五"), 9);
    EXPECT_EQ(FontSizePoints("10.5"), 0);
    EXPECT_EQ(FontSizePoints("不变"), 0);
    EXPECT_EQ(FontSizePoints("五号 "), 0);
}

TEST(RunReportingFailure, ShowsTheFailureAndTheMainWindowAgain) {
    testing::RecordingPort port;
    bool ok = RunReportingFailure(port, [&] {
        port.HideMainWindow();
        throw AutomationError("Borders.Item", "no such border");
    });
    EXPECT_FALSE(ok);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].find("Borders.Item: no such border"), std::string::npos);
    EXPECT_TRUE(port.mainWindowShowing);

    FormatSettings s;
    s.Combo8 = "高";
    FormatRunState state;
    ok = RunReportingFailure(port, [&] { ParseRunNumbers(s, state); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(port.messages.back(), "行    高：“高”不是数字。");

    EXPECT_TRUE(RunReportingFailure(port, [] {}));
    EXPECT_EQ(port.messages.size(), 2u);
}

}  // namespace
}  // namespace dorvane::formatting
