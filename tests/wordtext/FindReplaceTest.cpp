#include <gtest/gtest.h>

#include "Fixture.h"
#include "automation/embedded/wordtext/FindReplace.h"
#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/WmlNames.h"

using namespace dorvane::wordtext;
using namespace dorvane::wordtext::testing;

namespace {

std::vector<ParagraphSpan> Whole(const Fixture& f) {
    std::vector<ParagraphSpan> spans;
    for (pugi::xml_node p : f.AllParagraphs()) spans.push_back({p});
    return spans;
}

int ReplaceAllIn(const Fixture& f, const std::string& find, const std::string& with, SearchOptions o = {}) {
    return ReplaceAll(Whole(f), SearchPattern(find, o), ReplacementText(with, o.matchWildcards));
}

// Repeats search and replace-all until the search finds nothing, as the
// thousands-separator pass does.
int AddSeparators(const Fixture& f) {
    SearchOptions o;
    o.matchWildcards = true;
    const SearchPattern pattern("([0-9])([0-9]{3})([.,])", o);
    const ReplacementText with("\\1,\\2\\3", true);
    int rounds = 0;
    while (FindFirst(Whole(f), pattern)) {
        ReplaceAll(Whole(f), pattern, with);
        if (++rounds > 20) break;
    }
    return rounds;
}

}  // namespace

TEST(FindReplace, ThousandsSeparatorsUntilNothingIsFound) {
    auto f = Parse(R"(<w:p><w:r><w:t>1234567.89 and 2019,2020 and 1,234.56 and 1234</w:t></w:r></w:p>
        <w:tbl><w:tr><w:tc><w:p><w:r><w:t>98765.4</w:t></w:r></w:p></w:tc></w:tr></w:tbl><w:p/>)");
    EXPECT_EQ(AddSeparators(*f), 2);
    EXPECT_EQ(BodyText(*f), "1,234,567.89 and 2,019,2020 and 1,234.56 and 1234\r98,765.4\r\r");
}

TEST(FindReplace, ReplacementTakesTheFirstMatchedCharactersFormatting) {
    // "12" bold, "345.6" plain: the replacement of "2345." is bold.
    auto f = Parse(R"(<w:p><w:r><w:rPr><w:b/></w:rPr><w:t>12</w:t></w:r><w:r><w:t>345.6</w:t></w:r></w:p>)");
    AddSeparators(*f);
    pugi::xml_node p = f->Paragraphs()[0];
    const ParagraphText t(p);
    ASSERT_EQ(t.Text(), "12,345.6\r");
    std::string bold;
    for (const Piece& piece : t.Pieces()) {
        if (piece.run && WordChild(WordChild(piece.run, "rPr"), "b")) bold += t.Slice(piece.start, piece.end());
    }
    EXPECT_EQ(bold, "12,345.");
}

TEST(FindReplace, SpaceRemovalStaysInsideTheWindows) {
    auto f = Parse(R"(<w:p><w:r><w:t xml:space="preserve">a b c</w:t></w:r></w:p>
        <w:p><w:r><w:t xml:space="preserve">d e　f</w:t></w:r></w:p><w:p><w:r><w:t xml:space="preserve">g h</w:t></w:r></w:p>)");
    const auto ps = f->Paragraphs();
    // From after "a" in the first paragraph to the end of the second.
    const std::vector<ParagraphSpan> spans{{ps[0], 2}, {ps[1]}};
    EXPECT_EQ(ReplaceAll(spans, SearchPattern(" ", {}), ReplacementText("", false)), 2);
    EXPECT_EQ(BodyText(*f), "a bc\rde　f\rg h\r");
}

TEST(FindReplace, FindReportsParagraphAndOffsets) {
    auto f = Parse(R"(<w:p><w:r><w:t>one two</w:t></w:r></w:p><w:p><w:r><w:t>two three two</w:t></w:r></w:p>)");
    const auto ps = f->Paragraphs();
    const SearchPattern two("TWO", {});
    auto first = FindFirst(Whole(*f), two);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->spanIndex, 0u);
    EXPECT_EQ(first->paragraph, ps[0]);
    EXPECT_EQ(first->start, 4u);
    EXPECT_EQ(first->end, 7u);
    auto last = FindLast(Whole(*f), two);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->paragraph, ps[1]);
    EXPECT_EQ(last->start, 10u);
    // A window that ends inside the word finds nothing there.
    EXPECT_FALSE(FindFirst({{ps[0], 0, 6}}, two));
    EXPECT_FALSE(FindFirst({}, two));
}

TEST(FindReplace, ReplaceOneReplacesOnlyTheFirstAndSaysWhere) {
    auto f = Parse(R"(<w:p><w:r><w:t>x-x-x</w:t></w:r></w:p>)");
    auto done = ReplaceOne(Whole(*f), SearchPattern("x", {}), ReplacementText("yy", false));
    ASSERT_TRUE(done);
    EXPECT_EQ(done->start, 0u);
    EXPECT_EQ(done->end, 2u);
    done = ReplaceOne(Whole(*f), SearchPattern("x", {}), ReplacementText("z", false), false);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->start, 5u);
    EXPECT_EQ(BodyText(*f), "yy-x-z\r");
}

TEST(FindReplace, ReplaceAllCountsNonOverlappingMatches) {
    auto f = Parse(R"(<w:p><w:r><w:t>aaaa</w:t></w:r><w:r><w:t>a</w:t></w:r></w:p>)");
    EXPECT_EQ(ReplaceAllIn(*f, "aa", "b"), 2);
    EXPECT_EQ(BodyText(*f), "bba\r");
    EXPECT_EQ(ReplaceAllIn(*f, "q", "b"), 0);
}

TEST(FindReplace, RemovingSectionBreaksByReplaceAll) {
    auto f = Parse(R"(<w:p><w:r><w:t>one</w:t></w:r></w:p>
        <w:p><w:pPr><w:sectPr><w:pgSz w:w="1"/></w:sectPr></w:pPr></w:p>
        <w:p><w:pPr><w:jc w:val="center"/><w:sectPr><w:pgSz w:w="2"/></w:sectPr></w:pPr><w:r><w:t>two</w:t></w:r></w:p>
        <w:p><w:r><w:t>three</w:t></w:r></w:p><w:sectPr><w:pgSz w:w="3"/></w:sectPr>)");
    EXPECT_EQ(ReplaceAllIn(*f, "^b", ""), 2);
    // Each break paragraph joins the one after it.
    EXPECT_EQ(BodyText(*f), "one\rtwothree\r");
    EXPECT_EQ(f->body.select_nodes(".//w:sectPr").size(), 1u);
    EXPECT_EQ(ReplaceAllIn(*f, "^b", ""), 0);  // a second run is harmless
}

TEST(FindReplace, ParagraphMarkMatchesJoinWhereTheyCan) {
    auto f = Parse(R"(<w:p><w:r><w:t>a</w:t></w:r></w:p><w:p><w:r><w:t>b</w:t></w:r></w:p>
        <w:tbl><w:tr><w:tc><w:p><w:r><w:t>c</w:t></w:r></w:p></w:tc></w:tr></w:tbl><w:p><w:r><w:t>d</w:t></w:r></w:p>)");
    // "a" and "b" join; "b" before the table, the cell's last paragraph
    // and the body's last paragraph keep their marks.
    EXPECT_EQ(ReplaceAllIn(*f, "^p", "+"), 1);
    EXPECT_EQ(BodyText(*f), "a+b\rc\rd\r");
}

TEST(FindReplace, RefusesABadReplacementBeforeChangingAnything) {
    auto f = Parse(R"(<w:p><w:r><w:t>a1 a</w:t></w:r></w:p><w:p/>)");
    SearchOptions o;
    o.matchWildcards = true;
    EXPECT_THROW(ReplaceAll(Whole(*f), SearchPattern("(a)(^13)", o), ReplacementText("\\2", true)),
                 std::invalid_argument);
    EXPECT_EQ(BodyText(*f), "a1 a\r\r");
}
