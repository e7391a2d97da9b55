// Heading rows, heading column, total cell, body and its alignment, read
// back from the saved file.

#include "tests/formatting/RunFixture.h"

namespace dorvane::formatting::testing {
namespace {

using namespace dorvane::word;

class Regions : public RunFixture {};

TEST_F(Regions, EachRegionTakesItsOwnAlignment) {
    auto d = Open(TableXml("项目|一月|二月;甲|1,234.56|-3;乙|12%|—;丙| 12.5 |;合  计|9|9"));
    settings.Combo9 = "居中";
    settings.Combo10 = "居左";
    settings.Combo11 = "数字居右,其他居中";
    settings.Check6 = 1;
    Run();
    d = SaveAndReopen(d);
    EXPECT_EQ(Alignment(*d, 1, 1, 1), wdAlignParagraphCenter);  // heading row
    EXPECT_EQ(Alignment(*d, 1, 1, 3), wdAlignParagraphCenter);
    EXPECT_EQ(Alignment(*d, 1, 2, 1), wdAlignParagraphLeft);  // heading column
    EXPECT_EQ(Alignment(*d, 1, 5, 1), wdAlignParagraphCenter);  // "合  计"
    EXPECT_EQ(Alignment(*d, 1, 2, 2), wdAlignParagraphRight);
    EXPECT_EQ(Alignment(*d, 1, 2, 3), wdAlignParagraphRight);
    EXPECT_EQ(Alignment(*d, 1, 3, 2), wdAlignParagraphCenter);  // 12%
    EXPECT_EQ(Alignment(*d, 1, 3, 3), wdAlignParagraphCenter);  // a dash
    EXPECT_EQ(Alignment(*d, 1, 4, 2), wdAlignParagraphRight);
    EXPECT_EQ(Alignment(*d, 1, 4, 3), wdAlignParagraphCenter);  // empty
    // Heading rows repeat on every page by default.
    EXPECT_EQ(TableOf(*d, 1)->Rows()->Item(1)->Range()->Rows()->HeadingFormat(), wdTrue);
}

TEST_F(Regions, TotalCellOnlyInItsExactForms) {
    auto d = Open(TableXml("项目|金额;合计:|1") + ParagraphXml("") +
                  TableXml("项目|金额; 合计|1") + ParagraphXml("") +
                  TableXml("项目|金额;合     计|1"));
    settings.Check6 = 1;
    Run();
    d = SaveAndReopen(d);
    EXPECT_EQ(Alignment(*d, 1, 2, 1), wdAlignParagraphLeft);
    EXPECT_EQ(Alignment(*d, 2, 2, 1), wdAlignParagraphLeft);
    EXPECT_EQ(Alignment(*d, 3, 2, 1), wdAlignParagraphCenter);
}

TEST_F(Regions, BoldHeadingIsToggledSoASecondRunMakesItRegular) {
    auto d = Open(TableXml("项目|一月;甲|1"));
    settings.Combo9 = "居中 黑体";
    Run();
    EXPECT_EQ(CellRange(*d, 1, 1, 2)->Font()->Bold(), wdTrue);
    EXPECT_EQ(CellRange(*d, 1, 2, 2)->Font()->Bold(), wdFalse);
    Run();
    d = SaveAndReopen(d);
    EXPECT_EQ(CellRange(*d, 1, 1, 1)->Font()->Bold(), wdFalse);
    EXPECT_EQ(Alignment(*d, 1, 1, 1), wdAlignParagraphCenter);
}

TEST_F(Regions, VerticalMergeMakesTheHeadingTwoRows) {
    // A vertical merge anywhere stops Word selecting row 1 alone: rows 1
    // and 2 are the heading.
    auto d = Open(TableXml("项目|一月|二月;甲|1|2;乙|3|4;^|5|6"));
    settings.Combo9 = "居中";
    Run();
    d = SaveAndReopen(d);
    EXPECT_EQ(Alignment(*d, 1, 2, 2), wdAlignParagraphCenter);
    EXPECT_NE(Alignment(*d, 1, 3, 2), wdAlignParagraphCenter);
    auto rows = d->Range(CellRange(*d, 1, 1, 1)->Start(), CellRange(*d, 1, 2, 3)->End())->Rows();
    EXPECT_EQ(rows->HeadingFormat(), wdTrue);
    auto body = d->Range(CellRange(*d, 1, 3, 1)->Start(), CellRange(*d, 1, 3, 3)->End())->Rows();
    EXPECT_EQ(body->HeadingFormat(), wdFalse);
}

TEST_F(Regions, RepeatClearedStopsRowsRepeating) {
    TableOptions o;
    std::string xml = TableXml("项目|金额;甲|1;乙|2", o);
    xml.replace(xml.find("<w:tr>"), 6, "<w:tr><w:trPr><w:tblHeader/></w:trPr>");
    auto d = Open(xml);
    settings.Check2 = 0;
    Run();
    d = SaveAndReopen(d);
    EXPECT_EQ(TableOf(*d, 1)->Rows()->Item(1)->Range()->Rows()->HeadingFormat(), wdFalse);
}

TEST_F(Regions, MergedSecondRowMovesTheBodyDownAndLeavesNumberCellsAlone) {
    auto d = Open(TableXml("项目|一月|二月;说明 文字|<|<;甲|1 000|2;乙|3|4"));
    settings.Check5 = 1;
    settings.Combo11 = "居中";
    Run();
    EXPECT_EQ(Text(*d, 1, 3, 2), "1000");          // spaces removed in the body
    EXPECT_EQ(Text(*d, 1, 2, 1), "说明 文字");     // row 2 is not body
    EXPECT_EQ(Alignment(*d, 1, 3, 2), wdAlignParagraphCenter);
    EXPECT_NE(Alignment(*d, 1, 2, 1), wdAlignParagraphCenter);

    settings.Combo11 = "数字居右,其他居中";
    Run();
    d = SaveAndReopen(d);
    EXPECT_EQ(Alignment(*d, 1, 3, 2), wdAlignParagraphCenter);  // nothing realigned
    EXPECT_EQ(Alignment(*d, 1, 4, 3), wdAlignParagraphCenter);
}

TEST_F(Regions, OneRowTableTakesBodyFormattingOnItsHeading) {
    auto d = Open(TableXml("甲 乙|1 2|3"));
    settings.Check5 = 1;
    settings.Combo11 = "居右";
    Run();
    EXPECT_EQ(Text(*d, 1, 1, 1), "甲乙");
    EXPECT_EQ(Alignment(*d, 1, 1, 2), wdAlignParagraphRight);

    settings.Combo11 = "数字居右,其他居中";
    Run();
    EXPECT_EQ(Alignment(*d, 1, 1, 2), wdAlignParagraphRight);  // untouched this time
    EXPECT_EQ(app->DisplayAlerts(), wdAlertsNone);
}

TEST_F(Regions, SectionRowMergedAcrossTheBodyLeavesTheHeadingColumnAlone) {
    // Report tables group their lines under rows merged across the whole
    // width; the body still starts at column 2 in every other row.
    auto d = Open(TableXml("序号|类别|金额;1|粮食|1,234.5;一、畜牧|<|<;2|肉类|56;3|蛋类|7"));
    settings.Combo10 = "居左";
    settings.Combo11 = "数字居右,其他居中";
    Run();
    d = SaveAndReopen(d);
    for (int r : {2, 4, 5}) {
        EXPECT_EQ(Alignment(*d, 1, r, 1), wdAlignParagraphLeft) << "row " << r;
        EXPECT_EQ(Alignment(*d, 1, r, 3), wdAlignParagraphRight) << "row " << r;
    }
    EXPECT_EQ(Alignment(*d, 1, 4, 2), wdAlignParagraphCenter);

    settings.Combo11 = "居右";
    auto again = Open(TableXml("序号|金额;1|2;合计|<;3|4"));
    Run();
    again = SaveAndReopen(again);
    EXPECT_EQ(Alignment(*again, 1, 4, 1), wdAlignParagraphLeft);
    EXPECT_EQ(Alignment(*again, 1, 4, 2), wdAlignParagraphRight);
}

TEST_F(Regions, RightAlignedBodyKeepsTheChosenMarginFromTheBorder) {
    auto d = Open(TableXml("项目|一月|二月;甲|1|2;乙|3|4"));
    settings.Combo11 = "居右";
    settings.Combo5 = "0.3";
    settings.Combo9 = "居中";
    Run();
    d = SaveAndReopen(d);
    for (auto [r, c] : {std::pair{2, 2}, {2, 3}, {3, 3}})
        EXPECT_NEAR(CellRange(*d, 1, r, c)->ParagraphFormat()->RightIndent(), 8.5, 0.01);
    EXPECT_EQ(CellRange(*d, 1, 1, 2)->ParagraphFormat()->RightIndent(), 0);
    EXPECT_EQ(TableOf(*d, 1)->Cell(2, 2)->RightPadding(), 0);
    // Only that first body cell has a margin of its own.
    std::string xml = ReadPart(saved, "word/document.xml");
    int cellMargins = 0;
    for (auto at = xml.find("<w:tcMar"); at != std::string::npos; at = xml.find("<w:tcMar", at + 1))
        ++cellMargins;
    EXPECT_EQ(cellMargins, 1);

    // The margin rule belongs to "居右" alone.
    settings.Combo11 = "居中";
    settings.Combo5 = "0.8";
    auto again = Open(TableXml("项目|一月;甲|1"));
    Run();
    EXPECT_EQ(CellRange(*again, 1, 2, 2)->ParagraphFormat()->RightIndent(), 0);
}

}  // namespace
}  // namespace dorvane::formatting::testing
