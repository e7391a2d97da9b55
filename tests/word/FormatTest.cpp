// Paragraph format and font of ranges, tables and the selection, saved and
// read again.

#include <gtest/gtest.h>

#include "tests/common/TestSupport.h"
#include "tests/word/Docx.h"

namespace dorvane::word_testing {
namespace {

using dorvane::AutomationError;
namespace w = dorvane::word;

const char* kStyles =
    "<w:docDefaults><w:rPrDefault><w:rPr><w:sz w:val=\"21\"/></w:rPr></w:rPrDefault></w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Title\"><w:name w:val=\"Title\"/><w:pPr><w:tabs>"
    "<w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs><w:ind w:leftChars=\"200\"/><w:jc w:val=\"center\"/></w:pPr>"
    "<w:rPr><w:b/></w:rPr></w:style>";

class FormatTest : public ::testing::Test {
protected:
    std::filesystem::path Make(const std::string& body) {
        DocxParts parts;
        parts.body = body;
        parts.styles = kStyles;
        return WriteDocx(dir / "f.docx", parts);
    }
    std::string Saved(Session& s) {
        s.doc->SaveAs((dir / "saved.docx").string());
        return ReadPart(dir / "saved.docx", "word/document.xml");
    }
    dorvane::testing::TempDir dir;
};

TEST_F(FormatTest, ParagraphFormatOfATableSetsEveryParagraphInSchemaOrder) {
    Session s(Make(P("out") + Tbl("a|b") + P("")));
    s.Table(1)->Select();
    auto f = s.Sel()->ParagraphFormat();
    f->SetLeftIndent(0);
    f->SetCharacterUnitLeftIndent(0);
    f->SetSpaceBeforeAuto(false);
    f->SetSpaceBefore(0);
    f->SetLineSpacingRule(w::wdLineSpaceSingle);
    f->SetLineUnitBefore(0);
    f->SetFirstLineIndent(0);
    f->SetCharacterUnitFirstLineIndent(0);
    f->SetWordWrap(true);
    f->SetAlignment(w::wdAlignParagraphCenter);
    f->TabStops()->ClearAll();
    s.doc->SetDefaultTabStop(s.word->CentimetersToPoints(0.74));
    EXPECT_EQ(f->LineSpacingRule(), w::wdLineSpaceSingle);
    EXPECT_EQ(f->Alignment(), w::wdAlignParagraphCenter);
    EXPECT_EQ(f->LeftIndent(), 0);
    f->SetLineSpacing(s.word->LinesToPoints(1.25));
    EXPECT_EQ(f->LineSpacingRule(), w::wdLineSpaceMultiple);
    EXPECT_DOUBLE_EQ(f->LineSpacing(), 15);
    std::string xml = Saved(s);
    EXPECT_NE(xml.find("<w:pPr><w:spacing w:beforeAutospacing=\"0\" w:before=\"0\" w:line=\"300\" w:lineRule=\"auto\" "
                       "w:beforeLines=\"0\"/><w:ind w:left=\"0\" w:leftChars=\"0\" w:firstLine=\"0\" "
                       "w:firstLineChars=\"0\"/><w:jc w:val=\"center\"/></w:pPr>"),
              std::string::npos)
        << xml;
    // The paragraph outside the table is untouched.
    EXPECT_NE(xml.find("<w:p><w:r><w:t xml:space=\"preserve\">out</w:t>"), std::string::npos);
    std::string settings = ReadPart(dir / "saved.docx", "word/settings.xml");
    EXPECT_NE(settings.find("<w:defaultTabStop w:val=\"420\"/>"), std::string::npos) << settings;
}

TEST_F(FormatTest, LineSpacingKeepsAtLeastAndExactlyAndTurnsSingleIntoMultiple) {
    Session s(Make(P("a", "<w:spacing w:line=\"300\" w:lineRule=\"exact\"/>") + P("b")));
    auto first = s.doc->Paragraphs()->Item(1)->Format();
    first->SetLineSpacing(20);
    EXPECT_EQ(first->LineSpacingRule(), w::wdLineSpaceExactly);
    EXPECT_DOUBLE_EQ(first->LineSpacing(), 20);
    auto second = s.doc->Paragraphs()->Item(2)->Format();
    EXPECT_EQ(second->LineSpacingRule(), w::wdLineSpaceSingle);
    second->SetLineSpacing(18);  // 1.5 lines
    EXPECT_EQ(second->LineSpacingRule(), w::wdLineSpace1pt5);
    EXPECT_DOUBLE_EQ(second->LineSpacing(), 18);
    EXPECT_EQ(s.doc->Content()->ParagraphFormat()->LineSpacing(), w::wdUndefined);
    EXPECT_THROW(second->SetLineSpacingRule(9), AutomationError);
    EXPECT_THROW(second->SetAlignment(7), AutomationError);
}

TEST_F(FormatTest, StyleValuesAreReadAndOverriddenWhereWordTakesCharacterUnitsFirst) {
    Session s(Make(P("t", "<w:pStyle w:val=\"Title\"/>") + P("n")));
    auto title = s.doc->Paragraphs()->Item(1)->Format();
    EXPECT_EQ(title->Alignment(), w::wdAlignParagraphCenter);
    EXPECT_DOUBLE_EQ(title->CharacterUnitLeftIndent(), 2);
    EXPECT_EQ(title->TabStops()->Count(), 1);
    // A left indent in points overrides the style's character units.
    title->SetLeftIndent(10);
    title->TabStops()->ClearAll();
    EXPECT_EQ(title->TabStops()->Count(), 0);
    EXPECT_DOUBLE_EQ(title->CharacterUnitLeftIndent(), 0);
    std::string xml = Saved(s);
    EXPECT_NE(xml.find("<w:tabs><w:tab w:val=\"clear\" w:pos=\"720\"/></w:tabs><w:ind w:left=\"200\" w:leftChars=\"0\"/>"),
              std::string::npos)
        << xml;
}

TEST_F(FormatTest, LatinFontAfterEastAsianFontKeepsChineseTextInTheFirst) {
    Session s(Make(Tbl("合计 2024|x") + P("")));
    s.Table(1)->Select();
    auto font = s.Sel()->Font();
    font->SetName("宋体");
    font->SetName("Times New Roman");
    font->SetSize(10.5);
    EXPECT_EQ(font->Name(), "Times New Roman");
    EXPECT_EQ(font->NameFarEast(), "宋体");
    EXPECT_DOUBLE_EQ(font->Size(), 10.5);
    std::string xml = Saved(s);
    EXPECT_NE(xml.find("<w:rPr><w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" w:eastAsia=\"宋体\"/>"
                       "<w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/></w:rPr><w:t"),
              std::string::npos)
        << xml;
    // The paragraph marks of the cells take the font as well.
    EXPECT_NE(xml.find("<w:pPr><w:rPr><w:rFonts"), std::string::npos);
    s.Table(1)->Cell(1, 2)->Select();
    s.Sel()->Font()->SetName("SimHei");
    s.Table(1)->Select();
    EXPECT_EQ(s.Sel()->Font()->Name(), "");
    EXPECT_EQ(s.Sel()->Font()->NameFarEast(), "");
}

TEST_F(FormatTest, BoldToggleFlipsBoldAndRegularAndMakesMixedTextBold) {
    std::string boldRun = "<w:r><w:rPr><w:b/></w:rPr><w:t>B</w:t></w:r>";
    std::string body = "<w:p>" + boldRun + "</w:p>" + P("r") + "<w:p>" + boldRun + "<w:r><w:t>r</w:t></w:r></w:p>" +
                       P("t", "<w:pStyle w:val=\"Title\"/>");
    Session s(Make(body));
    auto paragraph = [&](int i) { return s.doc->Paragraphs()->Item(i)->Range()->Font(); };
    paragraph(1)->SetBold(w::wdToggle);
    paragraph(2)->SetBold(w::wdToggle);
    paragraph(3)->SetBold(w::wdToggle);
    paragraph(4)->SetBold(w::wdToggle);  // bold by its style
    EXPECT_EQ(paragraph(1)->Bold(), w::wdFalse);
    EXPECT_EQ(paragraph(2)->Bold(), w::wdTrue);
    EXPECT_EQ(paragraph(3)->Bold(), w::wdTrue);
    EXPECT_EQ(paragraph(4)->Bold(), w::wdFalse);
    EXPECT_EQ(s.doc->Content()->Font()->Bold(), w::wdUndefined);
    std::string xml = Saved(s);
    EXPECT_NE(xml.find("<w:b w:val=\"0\"/>"), std::string::npos) << xml;
}

TEST_F(FormatTest, FontOfPartOfAParagraphSplitsRunsAtTheRangeEnds) {
    Session s(Make(P("abcdef")));
    auto range = s.doc->Range(2, 4);
    EXPECT_EQ(range->Text(), "cd");
    range->Font()->SetSize(14);
    EXPECT_DOUBLE_EQ(s.doc->Range(0, 2)->Font()->Size(), 10.5);  // the document default
    EXPECT_DOUBLE_EQ(range->Font()->Size(), 14);
    EXPECT_EQ(s.doc->Content()->Text(), "abcdef\r");
    std::string xml = Saved(s);
    EXPECT_NE(xml.find(">ab</w:t></w:r><w:r><w:rPr><w:sz w:val=\"28\"/><w:szCs w:val=\"28\"/></w:rPr><w:t"),
              std::string::npos)
        << xml;
}

TEST_F(FormatTest, TableGeometryAndCellProperties) {
    DocxParts parts;
    parts.body = Tbl("a|b") + P("") +
                 "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:left=\"1800\" w:right=\"1800\" "
                 "w:top=\"1440\" w:bottom=\"1440\"/></w:sectPr>";
    Session s(WriteDocx(dir / "g.docx", parts));
    auto table = s.Table(1);
    table->SetPreferredWidthType(w::wdPreferredWidthAuto);
    table->SetPreferredWidth(0);
    table->SetTopPadding(0);
    table->SetLeftPadding(s.word->CentimetersToPoints(0.19));
    EXPECT_DOUBLE_EQ(table->LeftPadding(), 5.4);
    EXPECT_DOUBLE_EQ(table->RightPadding(), 5.4);  // Word's default
    table->AutoFitBehavior(w::wdAutoFitWindow);
    table->SetAllowAutoFit(false);
    EXPECT_EQ(table->PreferredWidthType(), w::wdPreferredWidthPercent);
    EXPECT_DOUBLE_EQ(table->PreferredWidth(), 100);
    table->Rows()->SetLeftIndent(11.34);
    table->Select();
    s.Sel()->Rows()->SetHeightRule(w::wdRowHeightAtLeast);
    s.Sel()->Rows()->SetHeight(s.word->CentimetersToPoints(0.5));
    s.Sel()->Rows()->SetHeadingFormat(true);
    s.Sel()->Cells()->SetVerticalAlignment(w::wdCellAlignVerticalCenter);
    s.Sel()->Cells()->Item(1)->SetRightPadding(0);
    EXPECT_EQ(s.Sel()->Rows()->HeadingFormat(), w::wdTrue);
    EXPECT_EQ(table->Cell(1, 2)->VerticalAlignment(), w::wdCellAlignVerticalCenter);
    EXPECT_DOUBLE_EQ(table->Cell(1, 1)->RightPadding(), 0);
    EXPECT_DOUBLE_EQ(table->Cell(1, 2)->RightPadding(), 5.4);
    std::string xml = Saved(s);
    EXPECT_NE(xml.find("<w:tblW w:w=\"5000\" w:type=\"pct\"/><w:tblInd w:w=\"227\" w:type=\"dxa\"/>"
                       "<w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/>"
                       "<w:left w:w=\"108\" w:type=\"dxa\"/></w:tblCellMar>"),
              std::string::npos)
        << xml;
    // 8306 twips between the margins, shared by two equal columns.
    EXPECT_NE(xml.find("<w:gridCol w:w=\"4153\"/><w:gridCol w:w=\"4153\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:trPr><w:trHeight w:val=\"283\" w:hRule=\"atLeast\"/><w:tblHeader/></w:trPr>"),
              std::string::npos);
    EXPECT_NE(xml.find("<w:tcMar><w:right w:w=\"0\" w:type=\"dxa\"/></w:tcMar><w:vAlign w:val=\"center\"/>"),
              std::string::npos);
}

}  // namespace
}  // namespace dorvane::word_testing
