#include <gtest/gtest.h>

#include "Fixture.h"
#include "automation/embedded/wordtext/SectionBreaks.h"
#include "automation/embedded/wordtext/WmlNames.h"

using namespace dorvane::wordtext;
using namespace dorvane::wordtext::testing;

namespace {

std::string Para(const std::string& text, const std::string& pPr = "") {
    return "<w:p>" + (pPr.empty() ? "" : "<w:pPr>" + pPr + "</w:pPr>") + "<w:r><w:t>" + text + "</w:t></w:r></w:p>";
}
std::string Sect(const std::string& id) { return "<w:sectPr><w:pgSz w:code=\"" + id + "\"/></w:sectPr>"; }
std::string Table(const std::string& text) {
    return "<w:tbl><w:tr><w:tc>" + Para(text) + "</w:tc></w:tr></w:tbl>";
}

// The block sequence of the body: p:<text>, t (table), s:<id> (final sectPr).
std::string Blocks(const Fixture& f) {
    std::string out;
    for (pugi::xml_node c = f.body.first_child(); c; c = c.next_sibling()) {
        if (!IsWord(c, "p") && !IsWord(c, "tbl") && !IsWord(c, "sectPr")) continue;
        if (!out.empty()) out += " ";
        if (IsWord(c, "p")) {
            out += "p:";
            std::string text;
            for (auto t : c.select_nodes(".//w:t")) text += t.node().child_value();
            out += text;
            if (auto s = WordChild(WordChild(c, "pPr"), "sectPr")) out += "|" + std::string(s.first_child().attribute("w:code").value());
        } else if (IsWord(c, "tbl")) {
            out += "t";
        } else if (IsWord(c, "sectPr")) {
            out += "s:" + std::string(c.first_child().attribute("w:code").value());
        }
    }
    return out;
}

}  // namespace

TEST(SectionBreaks, ListsTheBreakParagraphsOfTheBody) {
    auto f = Parse(Para("a", Sect("1")) + Table("x") + "<w:sdt><w:sdtContent>" + Para("b", Sect("2")) +
                   "</w:sdtContent></w:sdt>" + Para("c") + Sect("3"));
    const auto breaks = SectionBreakParagraphs(f->body);
    ASSERT_EQ(breaks.size(), 2u);
    EXPECT_STREQ(breaks[1].child("w:r").child("w:t").child_value(), "b");
}

TEST(SectionBreaks, RemovingJoinsWithTheNextParagraphWhoseMarkSurvives) {
    auto f = Parse(Para("one", "<w:jc w:val=\"right\"/>" + Sect("1")) + Para("two", "<w:jc w:val=\"center\"/>") +
                   Sect("9"));
    pugi::xml_node first = f->Paragraphs()[0];
    RemoveSectionBreak(first);
    EXPECT_EQ(Blocks(*f), "p:onetwo s:9");
    EXPECT_EQ(f->Paragraphs()[0], first);
    EXPECT_STREQ(first.child("w:pPr").child("w:jc").attribute("w:val").value(), "center");
    EXPECT_THROW(RemoveSectionBreak(first), std::invalid_argument);
}

TEST(SectionBreaks, AnEmptyBreakParagraphDisappears) {
    auto f = Parse(Para("a") + "<w:p><w:pPr>" + Sect("1") + "</w:pPr></w:p>" + Para("b", Sect("2")) + Para("c") +
                   Sect("3"));
    EXPECT_EQ(RemoveAllSectionBreaks(f->body), 2);
    EXPECT_EQ(Blocks(*f), "p:a p:bc s:3");
}

TEST(SectionBreaks, BeforeATableOnlyThePropertiesGo) {
    auto f = Parse(Para("a", Sect("1")) + Table("x") + Para("end") + Sect("2"));
    RemoveSectionBreak(f->Paragraphs()[0]);
    EXPECT_EQ(Blocks(*f), "p:a t p:end s:2");
    // An empty one goes, unless two tables would then touch.
    auto g = Parse(Para("a") + "<w:p><w:pPr>" + Sect("1") + "</w:pPr></w:p>" + Table("x") + Table("y") +
                   "<w:p><w:pPr>" + Sect("2") + "</w:pPr></w:p>" + Table("z") + Para("") + Sect("3"));
    EXPECT_EQ(RemoveAllSectionBreaks(g->body), 2);
    EXPECT_EQ(Blocks(*g), "p:a t t p: t p: s:3");
}

TEST(SectionBreaks, TheLastBlockKeepsTheBodyValid) {
    // A break paragraph that is the body's last block has nothing to join.
    auto f = Parse(Table("x") + "<w:p><w:pPr>" + Sect("1") + "</w:pPr></w:p>" + Sect("2"));
    RemoveSectionBreak(f->Paragraphs()[0]);
    EXPECT_EQ(Blocks(*f), "t p: s:2");
    auto g = Parse("<w:p><w:pPr>" + Sect("1") + "</w:pPr></w:p>" + Sect("2"));
    RemoveAllSectionBreaks(g->body);
    EXPECT_EQ(Blocks(*g), "p: s:2");
}

TEST(SectionBreaks, JoinRefusesWhatIsNoParagraph) {
    auto f = Parse(Para("a") + "<w:bookmarkEnd w:id=\"0\"/>" + Para("b") + Table("x") + Para("c") + Sect("1"));
    auto ps = f->Paragraphs();
    EXPECT_TRUE(CanJoinWithNextParagraph(ps[0]));
    EXPECT_TRUE(JoinWithNextParagraph(ps[0]));  // skips the bookmark end between them
    EXPECT_FALSE(JoinWithNextParagraph(ps[0]));  // a table follows
    EXPECT_FALSE(JoinWithNextParagraph(f->Paragraphs()[1]));  // the last paragraph
    EXPECT_EQ(Blocks(*f), "p:ab t p:c s:1");
    pugi::xml_node cell = f->body.select_node(".//w:tc/w:p").node();
    EXPECT_FALSE(CanJoinWithNextParagraph(cell));
}

// A section without a footer of its own shows the one before it: when the
// breaks go, the remaining section takes over the footers and headers it
// was showing, and keeps its own where it had them.
TEST(SectionBreaks, TheNextSectionTakesOverTheHeadersAndFootersItWasShowing) {
    auto reference = [](const std::string& element, const std::string& type, const std::string& id) {
        return "<w:" + element + " w:type=\"" + type + "\" r:id=\"" + id + "\"/>";
    };
    const std::string first = "<w:sectPr>" + reference("footerReference", "default", "rIdPageNumbers") +
                              reference("headerReference", "first", "rIdFirstOld") + "<w:pgSz/></w:sectPr>";
    const std::string last = "<w:sectPr>" + reference("headerReference", "first", "rIdFirstOwn") + "<w:pgSz/></w:sectPr>";
    auto f = Parse(Para("one", first) + Para("two", "<w:sectPr><w:pgSz/></w:sectPr>") + Para("three") + last);
    EXPECT_EQ(RemoveAllSectionBreaks(f->body), 2);

    pugi::xml_node sectPr = WordChild(f->body, "sectPr");
    std::vector<std::string> kept;
    for (pugi::xml_node c = sectPr.first_child(); c; c = c.next_sibling())
        kept.push_back(std::string(c.name()) + ":" + c.attribute("w:type").value() + ":" + c.attribute("r:id").value());
    EXPECT_EQ(kept, (std::vector<std::string>{"w:footerReference:default:rIdPageNumbers",
                                              "w:headerReference:first:rIdFirstOwn", "w:pgSz::"}));
}
