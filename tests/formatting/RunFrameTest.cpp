// The frame of a run: modes, skipped tables, the main window, the
// message, failures and the two regimes, over generated documents.

#include "tests/formatting/RunFixture.h"

namespace dorvane::formatting::testing {
namespace {

using namespace dorvane::word;

const std::string kGrid = "项目|一月|二月;甲|1|2;乙|3|4";

class RunFrame : public RunFixture {};

TEST_F(RunFrame, DocumentWithoutTablesStillGetsSeparatorsAndTheMessage) {
    auto d = Open(ParagraphXml("收入 12345.6 万元，2019,2020 年；已有 1,234.56；编号 12345"));
    settings.Check4 = 1;
    auto report = Run();
    EXPECT_EQ(report.visited, 0);
    ASSERT_EQ(port.messages, std::vector<std::string>{"完成"});
    EXPECT_TRUE(port.hiddenWhenMessaged[0]);  // the window comes back after the message
    EXPECT_TRUE(port.mainWindowShowing);
    d = SaveAndReopen(d);
    EXPECT_EQ(d->Content()->Text(),
              "收入 12,345.6 万元，2,019,2020 年；已有 1,234.56；编号 12345\r");
}

TEST_F(RunFrame, SeparatorsRepeatUntilEveryLongNumberIsGrouped) {
    auto d = Open(TableXml("金额;1234567.891") + ParagraphXml("合计 98765432.1"));
    settings.Check4 = 1;
    Run();
    EXPECT_EQ(Text(*d, 1, 2, 1), "1,234,567.891");
    EXPECT_NE(d->Content()->Text().find("98,765,432.1"), std::string::npos);
}

TEST_F(RunFrame, TablesWithoutLeftAndTopLinesAreLeftAloneUnlessIncluded) {
    TableOptions none;
    none.borders = false;
    std::string topBorder = TableXml(kGrid, none);
    topBorder.replace(topBorder.find("</w:tblPr>"), 0,
                      "<w:tblBorders><w:top w:val=\"single\" w:sz=\"4\"/></w:tblBorders>");
    auto d = Open(TableXml(kGrid, none) + ParagraphXml("") + TableXml(kGrid) +
                  ParagraphXml("") + topBorder);
    auto report = Run();
    EXPECT_EQ(report.visited, 3);
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(report.formatted, 2);
    d = SaveAndReopen(d);
    EXPECT_EQ(Border(*d, 1, wdBorderLeft).first, wdLineStyleNone);
    EXPECT_EQ(Border(*d, 2, wdBorderLeft), std::make_pair(wdLineStyleSingle, 8));
    // No left line but a visible top line: formatted like any other.
    EXPECT_EQ(Border(*d, 3, wdBorderLeft), std::make_pair(wdLineStyleSingle, 8));

    settings.Check3 = 1;
    report = Run();
    EXPECT_EQ(report.skipped, 0);
    EXPECT_EQ(Border(*d, 1, wdBorderTop), std::make_pair(wdLineStyleSingle, 8));
}

TEST_F(RunFrame, SingleTableWindowLimitsTheRunToTheSelectedTable) {
    auto d = Open(TableXml(kGrid) + ParagraphXml("") + TableXml(kGrid));
    d->Tables()->Item(2)->Select();
    port.singleTableWindow = true;
    settings.Combo11 = "居中";
    auto report = Run();
    EXPECT_EQ(report.visited, 1);
    EXPECT_EQ(Alignment(*d, 2, 2, 2), wdAlignParagraphCenter);
    EXPECT_NE(Alignment(*d, 1, 2, 2), wdAlignParagraphCenter);

    // Part of a table selected: the borders are those of the selected block.
    d->Range(CellRange(*d, 1, 2, 1)->Start(), CellRange(*d, 1, 3, 2)->End())->Select();
    settings.LineStyle1 = "7";
    settings.LineWidth1 = "6";
    Run();
    d = SaveAndReopen(d);
    EXPECT_NE(Border(*d, 1, wdBorderTop).first, wdLineStyleDouble);
    d->Range(CellRange(*d, 1, 2, 1)->Start(), CellRange(*d, 1, 3, 2)->End())->Select();
    EXPECT_EQ(app->Selection()->Borders()->Item(wdBorderTop)->LineStyle(), wdLineStyleDouble);
}

TEST_F(RunFrame, NumberFieldThatIsNoNumberStopsBeforeAnythingChanges) {
    auto d = Open(TableXml(kGrid));
    settings.Check4 = 1;
    settings.Combo5 = "0.3厘米";
    EXPECT_THROW(Run(), NumberFieldError);
    EXPECT_TRUE(port.mainWindowShowing);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(d->Saved());
}

TEST_F(RunFrame, RefusalBeforeTheBordersStopsTheFirstTable) {
    auto d = Open(TableXml(kGrid) + ParagraphXml("") + TableXml(kGrid));
    settings.LineStyle2 = "abc";  // Word refuses the code
    settings.Combo11 = "居中";
    EXPECT_THROW(Run(), AutomationError);
    EXPECT_FALSE(port.mainWindowShowing);
    EXPECT_NE(Alignment(*d, 1, 2, 2), wdAlignParagraphCenter);  // stopped at step 7

    // The caller's handler names the failure and shows the window again.
    EXPECT_FALSE(RunReportingFailure(port, [&] { Run(); }));
    EXPECT_TRUE(port.mainWindowShowing);
    EXPECT_EQ(port.messages.back().rfind("运行出错：", 0), 0u);

    // From the top-and-bottom lines on, a refused code is skipped.
    settings.LineStyle2 = "1";
    settings.LineStyle1 = "abc";
    auto report = Run();
    EXPECT_EQ(report.formatted, 2);
    EXPECT_EQ(Alignment(*d, 2, 2, 2), wdAlignParagraphCenter);
}

TEST_F(RunFrame, SpecifiedWidthTurnsTolerantEarlyAndTheRegimeCarriesOver) {
    auto d = Open(TableXml(kGrid) + ParagraphXml("") + TableXml(kGrid));
    settings.Combo7 = "指定宽度";
    settings.LineStyle2 = "abc";
    settings.LineStyle1 = "xyz";
    settings.LineStyle3 = "2";
    settings.LineWidth3 = "4";
    settings.Combo11 = "居中";
    auto report = Run();
    EXPECT_EQ(report.formatted, 2);
    d = SaveAndReopen(d);
    for (int t = 1; t <= 2; ++t) {
        EXPECT_EQ(Border(*d, t, wdBorderHorizontal), std::make_pair(wdLineStyleDot, 4));
        EXPECT_EQ(Border(*d, t, wdBorderTop).first, wdLineStyleSingle);  // left as it was
        EXPECT_EQ(Alignment(*d, t, 2, 2), wdAlignParagraphCenter);
    }
}

TEST_F(RunFrame, LinePairsReachEveryBorder) {
    auto d = Open(TableXml(kGrid));
    settings.LineStyle1 = "0";   // no line, width still set afterwards
    settings.LineWidth1 = "12";
    settings.LineStyle2 = "";    // no line at the sides, no width set
    settings.LineWidth2 = "24";
    settings.LineStyle3 = "2";
    settings.LineWidth3 = "6";
    Run();
    d = SaveAndReopen(d);
    EXPECT_EQ(Border(*d, 1, wdBorderTop).first, wdLineStyleNone);
    EXPECT_EQ(Border(*d, 1, wdBorderBottom).first, wdLineStyleNone);
    EXPECT_EQ(Border(*d, 1, wdBorderLeft).first, wdLineStyleNone);
    EXPECT_EQ(Border(*d, 1, wdBorderRight).first, wdLineStyleNone);
    EXPECT_EQ(Border(*d, 1, wdBorderHorizontal), std::make_pair(wdLineStyleDot, 6));
    EXPECT_EQ(Border(*d, 1, wdBorderVertical), std::make_pair(wdLineStyleDot, 6));
}

}  // namespace
}  // namespace dorvane::formatting::testing
