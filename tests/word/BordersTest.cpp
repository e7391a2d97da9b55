// Borders of whole tables and of blocks of cells, saved and read again.

#include <gtest/gtest.h>

#include "tests/common/TestSupport.h"
#include "tests/word/Docx.h"

namespace dorvane::word_testing {
namespace {

using dorvane::AutomationError;
namespace w = dorvane::word;

const char* kGridStyle =
    "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/></w:style>"
    "<w:style w:type=\"table\" w:styleId=\"Base\"><w:name w:val=\"Base\"/><w:tblPr><w:tblBorders>"
    "<w:top w:val=\"single\" w:sz=\"4\"/><w:left w:val=\"double\" w:sz=\"4\"/><w:bottom w:val=\"single\" w:sz=\"4\"/>"
    "<w:right w:val=\"single\" w:sz=\"4\"/><w:insideH w:val=\"single\" w:sz=\"4\"/>"
    "<w:insideV w:val=\"single\" w:sz=\"4\"/></w:tblBorders></w:tblPr></w:style>"
    "<w:style w:type=\"table\" w:styleId=\"Derived\"><w:name w:val=\"Derived\"/><w:basedOn w:val=\"Base\"/>"
    "<w:tblPr><w:tblBorders><w:top w:val=\"dotted\" w:sz=\"8\"/></w:tblBorders></w:tblPr></w:style>";

class BordersTest : public ::testing::Test {
protected:
    std::filesystem::path Make(const std::string& body, const std::string& styles = {}) {
        DocxParts parts;
        parts.body = body;
        parts.styles = styles;
        return WriteDocx(dir / "b.docx", parts);
    }
    static void SetSix(w::Selection& sel, const char* style, const char* width) {
        for (int i = -1; i >= -6; --i) {
            sel.Borders()->Item(i)->SetLineStyle(std::string_view(style));
            sel.Borders()->Item(i)->SetLineWidth(std::string_view(width));
        }
    }
    dorvane::testing::TempDir dir;
};

TEST_F(BordersTest, SixBordersOfAWholeTableAreTheTablesOwnAndSurviveSaving) {
    // The cell's own top border (none) would hide the table's top line.
    std::string body = "<w:tbl><w:tblPr/><w:tblGrid><w:gridCol/><w:gridCol/></w:tblGrid><w:tr>"
                       "<w:tc><w:tcPr><w:tcBorders><w:top w:val=\"nil\"/></w:tcBorders></w:tcPr>" +
                       P("a") + "</w:tc><w:tc>" + P("b") + "</w:tc></w:tr></w:tbl>" + P("");
    auto file = Make(body);
    {
        Session s(file);
        s.Table(1)->Select();
        SetSix(*s.Sel(), "1", "8");
        EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderTop)->LineStyle(), 1);
        s.doc->SaveAs((dir / "saved.docx").string());
    }
    std::string xml = ReadPart(dir / "saved.docx", "word/document.xml");
    EXPECT_NE(xml.find("<w:tblBorders><w:top w:val=\"single\" w:sz=\"8\" w:space=\"0\" w:color=\"auto\"/>"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<w:insideV w:val=\"single\" w:sz=\"8\""), std::string::npos);
    EXPECT_EQ(xml.find("w:tcBorders"), std::string::npos);  // emptied and removed

    Session again(dir / "saved.docx");
    again.Table(1)->Select();
    for (int i = -1; i >= -6; --i) {
        EXPECT_EQ(again.Sel()->Borders()->Item(i)->LineStyle(), 1) << i;
        EXPECT_EQ(again.Sel()->Borders()->Item(i)->LineWidth(), 8) << i;
    }
}

TEST_F(BordersTest, NoLineKeepsTheWidthAndInvalidCodesAreRefused) {
    Session s(Make(Tbl("a|b;c|d") + P("")));
    s.Table(1)->Select();
    auto top = s.Sel()->Borders()->Item(w::wdBorderTop);
    top->SetLineStyle(std::string_view("0"));
    top->SetLineWidth(std::string_view("12"));
    EXPECT_EQ(top->LineStyle(), 0);
    EXPECT_EQ(top->LineWidth(), 12);
    EXPECT_THROW(top->SetLineStyle(std::string_view("abc")), AutomationError);
    EXPECT_THROW(top->SetLineStyle(std::string_view("")), AutomationError);
    EXPECT_THROW(top->SetLineStyle(std::string_view("1.5")), AutomationError);
    EXPECT_THROW(top->SetLineStyle(99), AutomationError);
    EXPECT_THROW(top->SetLineWidth(std::string_view("3")), AutomationError);
    EXPECT_THROW(s.Sel()->Borders()->Item(-7), AutomationError);
    top->SetLineStyle(std::string_view("7"));
    EXPECT_EQ(top->LineStyle(), w::wdLineStyleDouble);
    EXPECT_EQ(top->LineWidth(), 12);
}

TEST_F(BordersTest, EffectiveStyleComesFromCellThenTableThenStyleChain) {
    std::string plain = Tbl("a|b");
    std::string styled = Tbl("a|b", "<w:tblStyle w:val=\"Derived\"/>");
    Session s(Make(plain + P("") + styled + P(""), kGridStyle));
    s.Table(1)->Select();
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderLeft)->LineStyle(), 0);
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderTop)->LineStyle(), 0);
    s.Table(2)->Select();
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderTop)->LineStyle(), w::wdLineStyleDot);  // derived style
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderLeft)->LineStyle(), w::wdLineStyleDouble);  // its base
    // A cell's own border overrides the table's for that cell only: the
    // top edge now disagrees.
    s.Table(2)->Cell(1, 1)->Select();
    s.Sel()->Borders()->Item(w::wdBorderTop)->SetLineStyle(w::wdLineStyleSingle);
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderTop)->LineStyle(), 1);
    s.Table(2)->Select();
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderTop)->LineStyle(), w::wdUndefined);
}

TEST_F(BordersTest, BlockBordersAreTheBlocksOuterEdgesAndInsideLines) {
    Session s(Make(Tbl("a|b|c;d|e|f;g|h|i") + P("")));
    auto table = s.Table(1);
    s.doc->Range(table->Cell(2, 2)->Range()->Start(), table->Cell(3, 3)->Range()->End())->Select();
    SetSix(*s.Sel(), "1", "4");
    for (int i = -1; i >= -6; --i) EXPECT_EQ(s.Sel()->Borders()->Item(i)->LineStyle(), 1) << i;
    // Cells outside the block keep no line of their own.
    table->Cell(1, 1)->Select();
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderBottom)->LineStyle(), 0);
    // The table as a whole now has lines only along the block.
    table->Select();
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderRight)->LineStyle(), w::wdUndefined);
    EXPECT_EQ(s.Sel()->Borders()->Item(w::wdBorderLeft)->LineStyle(), 0);
    s.doc->SaveAs((dir / "block.docx").string());
    std::string xml = ReadPart(dir / "block.docx", "word/document.xml");
    // e, f, h, i carry borders; the tcBorders come after tcW in tcPr.
    EXPECT_NE(xml.find("<w:tcW w:w=\"1200\" w:type=\"dxa\"/><w:tcBorders>"), std::string::npos) << xml;
}

TEST_F(BordersTest, BordersOutsideATableAreRefused) {
    Session s(Make(P("text") + Tbl("a") + P("")));
    s.doc->Range(0, 2)->Select();
    EXPECT_THROW(s.Sel()->Borders()->Item(-1)->LineStyle(), AutomationError);
}

}  // namespace
}  // namespace dorvane::word_testing
