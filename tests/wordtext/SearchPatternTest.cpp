#include <gtest/gtest.h>

#include "automation/embedded/wordtext/SearchPattern.h"

using namespace dorvane::wordtext;

namespace {

SearchOptions Wild() {
    SearchOptions o;
    o.matchWildcards = true;
    return o;
}

// The matched text of the first match in `subject`, or "<none>".
std::string First(const SearchPattern& p, const std::string& subject) {
    PatternMatch m;
    if (!p.Match(subject, 0, subject.size(), m)) return "<none>";
    return subject.substr(m.start, m.end - m.start);
}

std::string First(const std::string& find, const SearchOptions& o, const std::string& subject) {
    return First(SearchPattern(find, o), subject);
}

std::string ReplaceFirst(const std::string& find, const std::string& with, const std::string& subject) {
    SearchPattern p(find, Wild());
    PatternMatch m;
    if (!p.Match(subject, 0, subject.size(), m)) return "<none>";
    return ReplacementText(with, true).Expand(subject, m);
}

}  // namespace

TEST(SearchPattern, ThousandsPatternFindsFourDigitsBeforeAPointOrComma) {
    const SearchPattern p("([0-9])([0-9]{3})([.,])", Wild());
    EXPECT_EQ(First(p, "x 1234.5"), "1234.");
    EXPECT_EQ(First(p, "12345,6"), "2345,");
    EXPECT_EQ(First(p, "1,234.56"), "<none>");
    EXPECT_EQ(First(p, "1234"), "<none>");
    EXPECT_EQ(First(p, "１２３４."), "<none>");  // full-width digits are not [0-9]
    EXPECT_EQ(ReplaceFirst("([0-9])([0-9]{3})([.,])", "\\1,\\2\\3", "1234.5"), "1,234.");
}

TEST(SearchPattern, WildcardItems) {
    const SearchOptions w = Wild();
    EXPECT_EQ(First("b?d", w, "abcde"), "bcd");
    EXPECT_EQ(First("a*d", w, "abcdd"), "abcd");  // shortest run
    EXPECT_EQ(First("[xc]d", w, "abcd"), "cd");
    EXPECT_EQ(First("[a-c]@", w, "zzabcaz"), "abca");
    EXPECT_EQ(First("[!a-z]", w, "ab3c"), "3");
    EXPECT_EQ(First("1{2,3}", w, "1 11 1111"), "11");
    EXPECT_EQ(First("1{3,}", w, "11 11111"), "11111");
    EXPECT_EQ(First("x{,2}y", w, "xxxy"), "xxy");
    EXPECT_EQ(First("<ab", w, "cab ab"), "ab");
    EXPECT_EQ(First("ab>", w, "abc ab"), "ab");
    EXPECT_EQ(First("\\(1\\)\\*", w, "a(1)*"), "(1)*");
    EXPECT_EQ(First("(ab)@", w, "xababy"), "abab");
    EXPECT_EQ(First("[0-9]{2}@", w, "12345"), "1234");  // a repeat of a repeat
    EXPECT_EQ(First("合计", w, "总合计"), "合计");
    EXPECT_EQ(First("a", w, "A"), "<none>");  // wildcards are case-sensitive
}

TEST(SearchPattern, WildcardsNeverEatAParagraphMark) {
    const SearchOptions w = Wild();
    const std::string subject = std::string("ab") + "\r";
    EXPECT_EQ(First("b?", w, subject), "<none>");
    EXPECT_EQ(First("b*^13", w, subject), "b\r");
    EXPECT_EQ(First("a*", w, subject), "a");  // stops before the mark
    EXPECT_EQ(First("[!x]", w, std::string("\r")), "<none>");
    EXPECT_EQ(First("b^13", w, subject), "b\r");
}

TEST(SearchPattern, LiteralTextWithCaretCodes) {
    SearchOptions o;
    EXPECT_EQ(First("a.b", o, "axb a.b"), "a.b");
    EXPECT_EQ(First("(x)*", o, "(x)*"), "(x)*");
    EXPECT_EQ(First("HELLO", o, "say hello"), "hello");
    EXPECT_EQ(First("^t^^", o, "a\t^b"), "\t^");
    EXPECT_EQ(First("a^#^$", o, "a1 a2b"), "a2b");
    EXPECT_EQ(First("^?c", o, "abc"), "bc");
    EXPECT_EQ(First("^m", o, "a\fb"), "\f");
    EXPECT_EQ(First("^l", o, "a\vb"), "\v");
    EXPECT_EQ(First("^u8212", o, "a—b"), "—");
    EXPECT_EQ(First("b^p", o, "ab\r"), "b\r");
    EXPECT_EQ(First("^p", o, SearchSubject("ab\r", kEndOfCellChar)), "<none>");
    const std::string section = SearchSubject("ab\f", kSectionBreakChar);
    EXPECT_EQ(First("^b", o, section), SearchSubject("\f", kSectionBreakChar));
    EXPECT_EQ(First("^p", o, section), "<none>");
    EXPECT_EQ(First("^m", o, section), "<none>");  // a section break is no page break
    EXPECT_EQ(First(" ", o, "1\u3000 2"), " ");
}

TEST(SearchPattern, MatchCaseAndWholeWord) {
    SearchOptions o;
    o.matchCase = true;
    EXPECT_EQ(First("Ab", o, "ab Ab"), "Ab");
    o.matchCase = false;
    o.matchWholeWord = true;
    EXPECT_EQ(First("cat", o, "concat cats cat."), "cat");
    PatternMatch m;
    const SearchPattern p("cat", o);
    ASSERT_TRUE(p.Match("concat cats cat.", 0, 16, m));
    EXPECT_EQ(m.start, 12u);
    EXPECT_EQ(First("t c", o, "cat cats"), "t c");  // not a single word: no whole-word test
}

TEST(SearchPattern, SearchesOnlyTheWindowButSeesTheTextBeforeIt) {
    const SearchPattern p("<ab", Wild());
    PatternMatch m;
    EXPECT_FALSE(p.Match("xab ab", 1, 6, m) && m.start == 1);
    ASSERT_TRUE(p.Match("xab ab", 1, 6, m));
    EXPECT_EQ(m.start, 4u);
    EXPECT_FALSE(p.Match("xab ab", 1, 5, m));  // the second "ab" is cut by the limit
}

TEST(SearchPattern, InvalidTextThrowsNamingIt) {
    const SearchOptions w = Wild();
    for (const char* bad : {"(ab", "ab)", "[ab", "[]", "@a", "a{2", "a{x}", "a{3,2}", "[z-a]", "a\\", "^", "^q"}) {
        try {
            SearchPattern p(bad, w);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(SearchPattern("", SearchOptions{}), std::invalid_argument);
    EXPECT_THROW(SearchPattern("^z", SearchOptions{}), std::invalid_argument);
    EXPECT_NO_THROW(SearchPattern("a(b", SearchOptions{}));  // literal without wildcards
}

TEST(SearchPattern, ReplacementCodes) {
    PatternMatch m;
    const std::string subject = "ab12";
    ASSERT_TRUE(SearchPattern("([a-z]@)([0-9]@)", Wild()).Match(subject, 0, subject.size(), m));
    EXPECT_EQ(ReplacementText("\\2-\\1", true).Expand(subject, m), "12-ab");
    EXPECT_EQ(ReplacementText("[^&]^t^^", true).Expand(subject, m), "[ab12]\t^");
    EXPECT_EQ(ReplacementText("\\\\\\3", true).Expand(subject, m), "\\");  // unset group: nothing
    EXPECT_EQ(ReplacementText("\\1", false).Expand(subject, m), "\\1");   // literal without wildcards
    EXPECT_EQ(ReplacementText("^m^s^0169", false).Expand(subject, m), "\f\u00A0\u00A9");
    for (const char* bad : {"^p", "^b", "^13", "^c", "^", "^1"}) {
        EXPECT_THROW(ReplacementText(bad, false), std::invalid_argument) << bad;
    }
}
