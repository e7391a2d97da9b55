#include <gtest/gtest.h>

#include "Fixture.h"
#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/RunEditing.h"
#include "automation/embedded/wordtext/WmlNames.h"

using namespace dorvane::wordtext;
using namespace dorvane::wordtext::testing;

namespace {

// "text|bold" for each run of the paragraph, in order.
std::string Runs(pugi::xml_node p) {
    std::string out;
    const ParagraphText t(p);
    pugi::xml_node last;
    for (const Piece& piece : t.Pieces()) {
        if (piece.kind == PieceKind::Mark) break;
        if (piece.run != last) {
            if (last) out += "][";
            const bool bold = WordChild(WordChild(piece.run, "rPr"), "b");
            out += bold ? "B:" : "";
            last = piece.run;
        }
        out += t.Slice(piece.start, piece.end());
    }
    return "[" + out + "]";
}

const char* kTwoRuns = R"(<w:p><w:r w:rsidR="00A1"><w:rPr><w:b/></w:rPr><w:t>Hello </w:t></w:r><w:r><w:t>world</w:t></w:r></w:p>)";

}  // namespace

TEST(RunEditing, SplitKeepsPropertiesAndSpaces) {
    auto f = Parse(kTwoRuns);
    pugi::xml_node p = f->Paragraphs()[0];
    EXPECT_TRUE(SplitRunsAt(p, 3));
    EXPECT_FALSE(SplitRunsAt(p, 3));  // already a boundary
    EXPECT_FALSE(SplitRunsAt(p, 6));  // between two runs
    EXPECT_FALSE(SplitRunsAt(p, 0));
    EXPECT_EQ(Runs(p), "[B:Hel][B:lo ][world]");
    pugi::xml_node second = p.child("w:r").next_sibling("w:r");
    EXPECT_STREQ(second.attribute("w:rsidR").value(), "00A1");
    EXPECT_STREQ(second.child("w:t").attribute("xml:space").value(), "preserve");
    EXPECT_EQ(TextOf(p), "Hello world\r");
}

TEST(RunEditing, SplitsBetweenElementsOfOneRunAndNeverInsideASurrogatePair) {
    auto f = Parse(R"(<w:p><w:r><w:rPr><w:i/></w:rPr><w:t>a</w:t><w:tab/><w:t>&#x1F600;c</w:t></w:r></w:p>)");
    pugi::xml_node p = f->Paragraphs()[0];
    EXPECT_TRUE(SplitRunsAt(p, 1));
    EXPECT_TRUE(SplitRunsAt(p, 3));  // inside the pair: splits before it
    EXPECT_FALSE(SplitRunsAt(p, 3));
    const ParagraphText t(p);
    EXPECT_EQ(t.Text(), "a\t\xF0\x9F\x98\x80" "c\r");
    EXPECT_NE(t.PieceAt(0).run, t.PieceAt(1).run);
    EXPECT_NE(t.PieceAt(1).run, t.PieceAt(2).run);
    EXPECT_EQ(t.PieceAt(2).run, t.PieceAt(4).run);
    EXPECT_TRUE(WordChild(WordChild(t.PieceAt(2).run, "rPr"), "i"));
}

TEST(RunEditing, RunsInSpanCoverExactlyTheSpan) {
    auto f = Parse(kTwoRuns);
    pugi::xml_node p = f->Paragraphs()[0];
    const auto runs = RunsInSpan(p, 3, 8);  // "lo wo"
    ASSERT_EQ(runs.size(), 2u);
    for (pugi::xml_node r : runs) {
        if (!WordChild(r, "rPr")) r.prepend_child("w:rPr");
        WordChild(r, "rPr").append_child("w:u");
    }
    const ParagraphText t(p);
    std::string underlined;
    for (const Piece& piece : t.Pieces()) {
        if (piece.run && WordChild(WordChild(piece.run, "rPr"), "u")) underlined += t.Slice(piece.start, piece.end());
    }
    EXPECT_EQ(underlined, "lo wo");
    EXPECT_TRUE(RunsInSpan(p, 4, 4).empty());
    EXPECT_EQ(RunsInSpan(p, 0, 99).size(), 4u);  // clamped before the mark
}

TEST(RunEditing, ReplaceKeepsTheFirstCharactersFormatting) {
    auto f = Parse(kTwoRuns);
    pugi::xml_node p = f->Paragraphs()[0];
    ReplaceSpan(p, 4, 8, "XY");  // "o wo" -> bold "XY"
    EXPECT_EQ(Runs(p), "[B:Hell][B:XY][rld]");
    ReplaceSpan(p, 6, 9, "");  // delete "rld"
    EXPECT_EQ(TextOf(p), "HellXY\r");
    EXPECT_EQ(p.select_nodes("w:r").size(), 2u);  // the emptied run is gone
}

// A replacement inside one text of one run edits that text: the run, its
// attributes and formatting stay one run.
TEST(RunEditing, ReplaceInsideOneTextKeepsOneRun) {
    auto f = Parse(R"(<w:p><w:r w:rsidR="00A1"><w:rPr><w:b/></w:rPr><w:t>合计12345.67</w:t></w:r><w:r><w:t>x</w:t></w:r></w:p>)");
    pugi::xml_node p = f->Paragraphs()[0];
    ReplaceSpan(p, 3, 7, "2,345");
    EXPECT_EQ(Runs(p), "[B:合计12,345.67][x]");
    EXPECT_STREQ(p.first_child().attribute("w:rsidR").value(), "00A1");
    ReplaceSpan(p, 0, 2, "total ");  // now starts with text that ends in a space
    EXPECT_EQ(Runs(p), "[B:total 12,345.67][x]");
    ReplaceSpan(p, 5, 6, "");  // a deletion goes the general way
    EXPECT_EQ(TextOf(p), "total12,345.67x\r");
    ReplaceSpan(p, 0, 5, "a b\t");  // so does text with a tab
    EXPECT_EQ(TextOf(p), "a b\t12,345.67x\r");
    EXPECT_EQ(p.select_nodes(".//w:tab").size(), 1u);
    ReplaceSpan(p, 0, 1, " ");
    EXPECT_STREQ(p.select_node(".//w:t").node().attribute("xml:space").value(), "preserve");
}

TEST(RunEditing, InsertTakesTheFormattingOfTheCharacterBefore) {
    auto f = Parse(kTwoRuns);
    pugi::xml_node p = f->Paragraphs()[0];
    ReplaceSpan(p, 6, 6, "big ");
    EXPECT_EQ(Runs(p), "[B:Hello ][B:big ][world]");
    ReplaceSpan(p, 0, 0, ">");
    EXPECT_EQ(Runs(p), "[B:>][B:Hello ][B:big ][world]");
    ReplaceSpan(p, 16, 16, "\t!");
    EXPECT_EQ(TextOf(p), ">Hello big world\t!\r");
    EXPECT_TRUE(p.last_child().child("w:tab"));
}

TEST(RunEditing, EmptyParagraphTakesTheMarkFormatting) {
    auto f = Parse(R"(<w:p><w:pPr><w:rPr><w:b/><w:ins w:id="1"/></w:rPr></w:pPr></w:p>)");
    pugi::xml_node p = f->Paragraphs()[0];
    ReplaceSpan(p, 0, 0, "x");
    EXPECT_EQ(Runs(p), "[B:x]");
    EXPECT_FALSE(p.child("w:r").child("w:rPr").child("w:ins"));
}

TEST(RunEditing, ReplaceStaysInsideHyperlinksAndKeepsFieldCharacters) {
    auto f = Parse(R"(<w:p><w:hyperlink><w:r><w:t>ab</w:t></w:r></w:hyperlink>
        <w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText>PAGE</w:instrText></w:r>
        <w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:t>3</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r>
        <w:r><w:t>cd</w:t></w:r></w:p>)");
    pugi::xml_node p = f->Paragraphs()[0];
    ASSERT_EQ(TextOf(p), "ab3cd\r");
    ReplaceSpan(p, 1, 4, "-");
    EXPECT_EQ(TextOf(p), "a-d\r");
    EXPECT_EQ(p.child("w:hyperlink").select_nodes("w:r").size(), 2u);
    EXPECT_EQ(p.select_nodes(".//w:fldChar").size(), 3u);
    EXPECT_EQ(p.select_nodes(".//w:instrText").size(), 1u);
}

TEST(RunEditing, ReplaceRefusesTheMarkAndSpansOutside) {
    auto f = Parse(kTwoRuns);
    pugi::xml_node p = f->Paragraphs()[0];
    EXPECT_THROW(ReplaceSpan(p, 5, 12, ""), std::out_of_range);
    EXPECT_THROW(ReplaceSpan(p, 5, 4, ""), std::out_of_range);
    EXPECT_THROW(ReplaceSpan(p, 0, 1, "a\rb"), std::invalid_argument);
    EXPECT_EQ(TextOf(p), "Hello world\r");
}

TEST(RunEditing, NewElementsUseTheDocumentsPrefix) {
    auto f = Parse("<x:p><x:r><x:t>ab</x:t></x:r></x:p>", "x");
    pugi::xml_node p = f->body.first_child();
    ReplaceSpan(p, 1, 1, "\t");
    EXPECT_EQ(f->BodyXml(), "<x:p><x:r><x:t>a</x:t></x:r><x:r><x:tab/></x:r><x:r><x:t>b</x:t></x:r></x:p>");
}
