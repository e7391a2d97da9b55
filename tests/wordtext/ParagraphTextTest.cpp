#include <gtest/gtest.h>

#include "Fixture.h"
#include "automation/embedded/wordtext/ParagraphText.h"

using namespace dorvane::wordtext;
using namespace dorvane::wordtext::testing;

TEST(ParagraphText, ReadsRunsAndSpecialCharactersLikeRangeText) {
    auto f = Parse(R"(<w:p><w:pPr><w:jc w:val="center"/></w:pPr>
        <w:r><w:t>a</w:t><w:tab/><w:t>b</w:t></w:r>
        <w:r><w:br/><w:t>c</w:t><w:br w:type="page"/><w:br w:type="column"/></w:r>
        <w:r><w:cr/><w:noBreakHyphen/><w:softHyphen/><w:sym w:font="Symbol" w:char="F0B7"/></w:r></w:p>)");
    const ParagraphText t(f->Paragraphs()[0]);
    EXPECT_EQ(t.Text(), "a\tb\vc\f\x0E\v\x1E\x1F\uF0B7\r");
    EXPECT_EQ(t.Length(), 12u);
    EXPECT_EQ(t.ContentLength(), 11u);
    EXPECT_EQ(t.Mark(), MarkKind::Paragraph);
    EXPECT_EQ(t.PieceAt(1).kind, PieceKind::Tab);
    EXPECT_EQ(t.PieceAt(5).kind, PieceKind::PageBreak);
    EXPECT_EQ(t.PieceAt(11).kind, PieceKind::Mark);
}

TEST(ParagraphText, IncludesWrappedRunsButNotDeletedTextOrFieldCodes) {
    auto f = Parse(R"(<w:p>
        <w:hyperlink r:id="x" xmlns:r="urn:r"><w:r><w:t>link </w:t></w:r></w:hyperlink>
        <w:ins w:id="1"><w:r><w:t>new </w:t></w:r></w:ins>
        <w:del w:id="2"><w:r><w:delText>old </w:delText></w:r></w:del>
        <w:smartTag w:uri="u" w:element="e"><w:r><w:t>tag </w:t></w:r></w:smartTag>
        <w:sdt><w:sdtPr><w:alias w:val="x"/></w:sdtPr><w:sdtContent><w:r><w:t>sdt </w:t></w:r></w:sdtContent></w:sdt>
        <w:fldSimple w:instr=" PAGE "><w:r><w:t>7</w:t></w:r></w:fldSimple>
        <w:r><w:fldChar w:fldCharType="begin"/></w:r>
        <w:r><w:instrText> IF </w:instrText></w:r>
        <w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText>MERGEFIELD a</w:instrText></w:r>
        <w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:t>hidden</w:t></w:r>
        <w:r><w:fldChar w:fldCharType="end"/></w:r>
        <w:r><w:fldChar w:fldCharType="separate"/></w:r>
        <w:r><w:t>shown</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r>
        <w:r><w:t xml:space="preserve"> end</w:t></w:r>
        <w:r><w:ruby><w:rt><w:r><w:t>hàn</w:t></w:r></w:rt><w:rubyBase><w:r><w:t>汉</w:t></w:r></w:rubyBase></w:ruby></w:r></w:p>)");
    EXPECT_EQ(TextOf(f->Paragraphs()[0]), "link new tag sdt 7shown end汉\r");
}

TEST(ParagraphText, CountsObjectsOnceAndSkipsTheirTextBoxes) {
    auto f = Parse(R"(<w:p><w:r><w:t>x</w:t></w:r>
        <w:r><mc:AlternateContent><mc:Choice Requires="wps"><w:drawing><w:txbxContent><w:p><w:r><w:t>box</w:t></w:r></w:p></w:txbxContent></w:drawing></mc:Choice>
        <mc:Fallback><w:pict/></mc:Fallback></mc:AlternateContent></w:r>
        <w:r><w:drawing/><w:footnoteReference w:id="1"/></w:r></w:p>)");
    const ParagraphText t(f->Paragraphs()[0]);
    EXPECT_EQ(t.Text(), "x\x01\x01\x02\r");
    EXPECT_EQ(t.PieceAt(1).kind, PieceKind::Object);
}

TEST(ParagraphText, MatchesTheNamespaceNotThePrefix) {
    auto other = Parse("<ns0:p><ns0:r><ns0:t>abc</ns0:t><ns0:tab/></ns0:r></ns0:p>", "ns0");
    EXPECT_EQ(TextOf(other->body.first_child()), "abc\t\r");
    auto bare = Parse("<p><r><t>abc</t></r></p>", "");
    EXPECT_EQ(TextOf(bare->body.first_child()), "abc\r");
    // The right local names in a foreign namespace are not Word's.
    auto foreign = Parse(R"(<w:p><x:r xmlns:x="urn:other"><x:t>no</x:t></x:r><w:r><w:t>yes</w:t></w:r></w:p>)");
    EXPECT_EQ(TextOf(foreign->body.first_child()), "yes\r");
}

TEST(ParagraphText, MarksSectionBreaksAndCellEnds) {
    auto f = Parse(R"(<w:p><w:pPr><w:sectPr/></w:pPr><w:r><w:t>one</w:t></w:r></w:p>
        <w:tbl><w:tr><w:tc><w:p><w:r><w:t>a</w:t></w:r></w:p><w:p/></w:tc></w:tr></w:tbl><w:p/>)");
    const auto all = f->AllParagraphs();
    const ParagraphText section(all[0]);
    EXPECT_EQ(section.Text(), "one\f");
    EXPECT_TRUE(section.HasSectionBreak());
    EXPECT_EQ(ParagraphText(all[1]).Mark(), MarkKind::Paragraph);
    EXPECT_EQ(ParagraphText(all[2]).Mark(), MarkKind::EndOfCell);
    EXPECT_EQ(ParagraphText(all[2]).Text(), "\r");
    EXPECT_EQ(ParagraphText(all[3]).Mark(), MarkKind::Paragraph);
}

TEST(ParagraphText, MapsUtf16PositionsToNodes) {
    auto f = Parse(R"(<w:p><w:r><w:t>合计</w:t></w:r><w:r><w:t>a&#x1F600;b</w:t></w:r></w:p>)");
    const ParagraphText t(f->Paragraphs()[0]);
    ASSERT_EQ(t.Length(), 7u);  // 合 计 a pair b mark
    EXPECT_EQ(t.PieceAt(1).node, f->Paragraphs()[0].first_child().first_child());
    EXPECT_EQ(t.PieceAt(2).start, 2u);
    EXPECT_EQ(t.PieceAt(4).start, 2u);
    EXPECT_EQ(t.Utf8Offset(2), 6u);
    EXPECT_EQ(t.Slice(2, 5), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(t.Slice(5, 7), "b\r");
    EXPECT_THROW(t.PieceAt(7), std::out_of_range);
    EXPECT_THROW(ParagraphText(f->body), std::invalid_argument);
}

// The cheap reading used by searches must give exactly the text of the
// full one, or decline.
TEST(ParagraphText, PlainReadingAgreesWithTheFullTextOrDeclines) {
    auto f = Parse(R"(<w:p><w:pPr><w:jc w:val="center"/></w:pPr><w:bookmarkStart w:id="0" w:name="a"/>
        <w:r><w:rPr><w:b/></w:rPr><w:t>12</w:t></w:r><w:proofErr w:type="spellStart"/><w:r><w:t xml:space="preserve">34 </w:t><w:lastRenderedPageBreak/><w:t>合计</w:t></w:r><w:bookmarkEnd w:id="0"/></w:p>
        <w:p><w:pPr><w:sectPr/></w:pPr><w:r><w:t>end</w:t></w:r></w:p>
        <w:tbl><w:tr><w:tc><w:p><w:r><w:t>a</w:t></w:r></w:p><w:p><w:r><w:t>b</w:t></w:r></w:p></w:tc></w:tr></w:tbl>
        <w:p><w:r><w:t>a</w:t><w:tab/></w:r></w:p>
        <w:p><w:hyperlink><w:r><w:t>x</w:t></w:r></w:hyperlink></w:p>
        <w:p><w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText>PAGE</w:instrText></w:r></w:p>
        <w:p><x:r xmlns:x="urn:other"><x:t>no</x:t></x:r></w:p>
        <w:p><w:del w:id="1"><w:r><w:delText>old</w:delText></w:r></w:del></w:p>)");
    const auto all = f->AllParagraphs();
    ASSERT_EQ(all.size(), 9u);
    std::vector<bool> plain;
    for (pugi::xml_node p : all) {
        std::string text = "stale";
        MarkKind mark = MarkKind::Paragraph;
        const bool isPlain = PlainParagraphText(p, text, mark);
        plain.push_back(isPlain);
        if (!isPlain) continue;
        const ParagraphText full(p);
        EXPECT_EQ(text, full.Text());
        EXPECT_EQ(mark, full.Mark());
    }
    EXPECT_EQ(plain, (std::vector<bool>{true, true, true, true, false, false, false, false, false}));
    std::string text;
    MarkKind mark = MarkKind::Paragraph;
    ASSERT_TRUE(PlainParagraphText(all[0], text, mark));
    EXPECT_EQ(text, "1234 合计\r");
    ASSERT_TRUE(PlainParagraphText(all[3], text, mark));
    EXPECT_EQ(mark, MarkKind::EndOfCell);
}
