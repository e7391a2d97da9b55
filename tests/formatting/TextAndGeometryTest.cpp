// Paragraphs, fonts and geometry of formatted tables, read back from the
// saved file.

#include "tests/formatting/RunFixture.h"

namespace dorvane::formatting::testing {
namespace {

using namespace dorvane::word;

const std::string kGrid = "项目|一月|二月;甲|1|2;乙|3|4";

class TextAndGeometry : public RunFixture {};

TEST_F(TextAndGeometry, ParagraphsLoseIndentsSpacingAndTabsEvenWithEveryFieldUnchanged) {
    TableOptions messy;
    messy.paragraphProps =
        "<w:tabs><w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs>"
        "<w:spacing w:before=\"240\" w:after=\"120\" w:line=\"480\" w:lineRule=\"auto\"/>"
        "<w:ind w:left=\"400\" w:right=\"300\" w:firstLine=\"200\"/>";
    auto d = Open(TableXml(kGrid, messy) + ParagraphXml("正文"));
    settings.Combo7 = "不变";
    Run();
    d = SaveAndReopen(d);
    auto pf = CellRange(*d, 1, 2, 2)->ParagraphFormat();
    EXPECT_EQ(pf->LeftIndent(), 0);
    EXPECT_EQ(pf->RightIndent(), 0);
    EXPECT_EQ(pf->FirstLineIndent(), 0);
    EXPECT_EQ(pf->SpaceBefore(), 0);
    EXPECT_EQ(pf->SpaceAfter(), 0);
    EXPECT_EQ(pf->LineSpacingRule(), wdLineSpaceSingle);
    EXPECT_EQ(pf->TabStops()->Count(), 0);
    EXPECT_EQ(TableOf(*d, 1)->Cell(3, 3)->VerticalAlignment(), wdCellAlignVerticalCenter);
    EXPECT_NEAR(d->DefaultTabStop(), 20.98, 0.05);  // kept in whole twips
    EXPECT_NEAR(TableOf(*d, 1)->LeftPadding(), 5.39, 0.05);
    EXPECT_EQ(TableOf(*d, 1)->TopPadding(), 0);
    EXPECT_EQ(TableOf(*d, 1)->PreferredWidthType(), wdPreferredWidthAuto);
}

TEST_F(TextAndGeometry, FontsSizeSpacingAndFirstLineIndentFromTheirFields) {
    auto d = Open(TableXml("项目|金额;收入|1234.5"));
    settings.Combo2 = "仿宋_GB2312";
    settings.Combo12 = "Times New Roman";
    settings.Combo3 = "五号";
    settings.Combo1 = "1.5";
    settings.Combo4 = "1.0";
    Run();
    d = SaveAndReopen(d);
    auto font = CellRange(*d, 1, 2, 2)->Font();
    EXPECT_EQ(font->Name(), "Times New Roman");
    EXPECT_EQ(font->NameFarEast(), "仿宋_GB2312");
    EXPECT_EQ(font->Size(), 10.5);
    auto pf = CellRange(*d, 1, 2, 1)->ParagraphFormat();
    EXPECT_EQ(pf->LineSpacing(), 18);
    EXPECT_EQ(pf->CharacterUnitFirstLineIndent(), 1);
}

TEST_F(TextAndGeometry, TextFontAloneCoversDigitsAndTypedSizesChangeNothing) {
    TableOptions sized;
    sized.runProps = "<w:sz w:val=\"28\"/>";
    auto d = Open(TableXml("项目|金额;收入|1234.5", sized));
    settings.Combo2 = "宋体";
    settings.Combo3 = "10.5";  // a number is no size name
    settings.Combo12 = "Arial";  // nor is this a number font the field offers
    Run();
    d = SaveAndReopen(d);
    auto font = CellRange(*d, 1, 2, 2)->Font();
    EXPECT_EQ(font->Name(), "宋体");
    EXPECT_EQ(font->Size(), 14);
}

TEST_F(TextAndGeometry, SpecifiedWidthAndIndentInPoints) {
    auto d = Open(TableXml(kGrid));
    settings.Combo7 = "指定宽度";
    settings.Combo13 = "16";
    settings.Combo6 = "0.4";
    settings.Combo8 = "0.50";
    Run();
    d = SaveAndReopen(d);
    auto table = TableOf(*d, 1);
    EXPECT_EQ(table->PreferredWidthType(), wdPreferredWidthPoints);
    EXPECT_NEAR(table->PreferredWidth(), 453.54, 0.05);
    EXPECT_NEAR(table->Rows()->LeftIndent(), 11.34, 0.05);
    EXPECT_FALSE(table->AllowAutoFit());
    EXPECT_EQ(table->Rows()->HeightRule(), wdRowHeightAtLeast);
    EXPECT_NEAR(table->Rows()->Height(), 14.17, 0.05);
}

TEST_F(TextAndGeometry, PromptsInTheWidthFieldsSkipOnlyTheirOwnAssignments) {
    auto d = Open(TableXml(kGrid));
    settings.Combo7 = "指定宽度";  // Combo13 and Combo6 still show their prompts
    Run();
    d = SaveAndReopen(d);
    auto table = TableOf(*d, 1);
    EXPECT_EQ(table->PreferredWidthType(), wdPreferredWidthPoints);
    EXPECT_EQ(table->PreferredWidth(), 0);
    EXPECT_EQ(table->Rows()->LeftIndent(), 0);
}

TEST_F(TextAndGeometry, FitToPageAndUnknownModes) {
    std::string margins =
        "<w:tblCellMar><w:top w:w=\"100\" w:type=\"dxa\"/><w:left w:w=\"300\" w:type=\"dxa\"/>"
        "</w:tblCellMar>";
    TableOptions withMargins;
    withMargins.extraTblPr = margins;
    auto d = Open(TableXml(kGrid, withMargins) + ParagraphXml("") + TableXml(kGrid, withMargins));
    settings.Combo7 = "调整到页面宽度";
    d->Tables()->Item(1)->Select();
    port.singleTableWindow = true;
    Run();
    settings.Combo7 = "指定宽度 ";  // a trailing space makes it no mode
    d->Tables()->Item(2)->Select();
    Run();
    d = SaveAndReopen(d);
    EXPECT_FALSE(TableOf(*d, 1)->AllowAutoFit());
    EXPECT_NEAR(TableOf(*d, 1)->LeftPadding(), 5.39, 0.05);
    EXPECT_EQ(TableOf(*d, 1)->TopPadding(), 0);
    EXPECT_EQ(TableOf(*d, 2)->TopPadding(), 5);  // untouched
    EXPECT_EQ(TableOf(*d, 2)->LeftPadding(), 15);
    EXPECT_EQ(TableOf(*d, 2)->PreferredWidthType(), wdPreferredWidthAuto);
}

TEST_F(TextAndGeometry, UnchangedRowHeightKeepsHeightsAndRule) {
    std::string grid = "<w:tr><w:trPr><w:trHeight w:val=\"800\" w:hRule=\"exact\"/></w:trPr>";
    std::string xml = TableXml(kGrid);
    xml.replace(xml.find("<w:tr>"), 6, grid);
    auto d = Open(xml);
    Run();
    d = SaveAndReopen(d);
    d->Tables()->Item(1)->Rows()->Item(1)->Select();
    EXPECT_EQ(app->Selection()->Rows()->HeightRule(), wdRowHeightExactly);
    EXPECT_EQ(app->Selection()->Rows()->Height(), 40);
}

}  // namespace
}  // namespace dorvane::formatting::testing
