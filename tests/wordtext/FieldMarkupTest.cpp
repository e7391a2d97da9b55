#include <gtest/gtest.h>

#include "Fixture.h"
#include "automation/embedded/wordtext/FieldMarkup.h"

using namespace dorvane::wordtext;
using namespace dorvane::wordtext::testing;

namespace {

std::string Begin() { return R"(<w:r><w:fldChar w:fldCharType="begin"/></w:r>)"; }
std::string Separate() { return R"(<w:r><w:fldChar w:fldCharType="separate"/></w:r>)"; }
std::string End() { return R"(<w:r><w:fldChar w:fldCharType="end"/></w:r>)"; }
std::string Code(const std::string& c) { return "<w:r><w:instrText xml:space=\"preserve\">" + c + "</w:instrText></w:r>"; }
std::string TextRun(const std::string& t) { return "<w:r><w:t xml:space=\"preserve\">" + t + "</w:t></w:r>"; }
std::string Bold(const std::string& t) { return "<w:r><w:rPr><w:b/></w:rPr><w:t>" + t + "</w:t></w:r>"; }

std::size_t Count(const Fixture& f, const char* xpath) { return f.body.select_nodes(xpath).size(); }

}  // namespace

TEST(FieldMarkup, ListsSimpleComplexAndNestedFieldsInOrder) {
    auto f = Parse("<w:p>" + TextRun("Page ") + R"(<w:fldSimple w:instr=" PAGE "><w:r><w:t>3</w:t></w:r></w:fldSimple>)" +
                   Begin() + Code(" IF ") + Begin() + Code(" DATE ") + Separate() + TextRun("x") + End() + Code(" = 1") +
                   Separate() + Bold("yes") + End() + "</w:p>" +
                   "<w:tbl><w:tr><w:tc><w:p>" + Begin() + Code(" REF a ") + Separate() + TextRun("in cell") + End() +
                   "</w:p></w:tc></w:tr></w:tbl><w:p/>");
    const auto fields = FindFields(f->body);
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_TRUE(fields[0].simple);
    EXPECT_EQ(FieldCode(fields[0]), " PAGE ");
    EXPECT_EQ(FieldResult(fields[0]), "3");
    EXPECT_EQ(FieldCode(fields[1]), " IF  DATE  = 1");
    EXPECT_EQ(FieldResult(fields[1]), "yes");
    EXPECT_EQ(fields[1].depth, 0);
    EXPECT_EQ(FieldCode(fields[2]), " DATE ");
    EXPECT_EQ(fields[2].depth, 1);
    EXPECT_EQ(FieldResult(fields[3]), "in cell");
}

TEST(FieldMarkup, UnlinkKeepsTheResultRunsWithTheirFormatting) {
    auto f = Parse("<w:p>" + TextRun("a ") + Begin() + Code(" AUTHOR ") + Separate() + Bold("Zhang") + TextRun(" San") + End() +
                   TextRun(" b") + "</w:p>");
    UnlinkField(f->body, FindFields(f->body).at(0));
    EXPECT_EQ(BodyText(*f), "a Zhang San b\r");
    EXPECT_EQ(Count(*f, ".//w:fldChar"), 0u);
    EXPECT_EQ(Count(*f, ".//w:instrText"), 0u);
    EXPECT_EQ(Count(*f, ".//w:r"), 4u);  // the emptied runs are gone
    EXPECT_EQ(Count(*f, ".//w:r[w:rPr/w:b]/w:t[.='Zhang']"), 1u);
    EXPECT_TRUE(FindFields(f->body).empty());
}

TEST(FieldMarkup, UnlinksNestedFieldsOfTheResultAndDropsThoseOfTheCode) {
    auto f = Parse("<w:p>" + Begin() + Code(" IF ") + Begin() + Code(" MERGEFIELD x ") + Separate() + TextRun("code") +
                   End() + Separate() + TextRun("r1 ") +
                   R"(<w:fldSimple w:instr=" PAGE "><w:fldData>AA==</w:fldData><w:r><w:t>2</w:t></w:r></w:fldSimple>)" +
                   Begin() + Code(" NUMPAGES ") + Separate() + TextRun(" of 9") + End() + End() + "</w:p>");
    ASSERT_EQ(FindFields(f->body).size(), 4u);
    UnlinkField(f->body, FindFields(f->body).at(0));
    EXPECT_EQ(BodyText(*f), "r1 2 of 9\r");
    EXPECT_TRUE(FindFields(f->body).empty());
    EXPECT_EQ(Count(*f, ".//w:fldSimple"), 0u);
    EXPECT_EQ(Count(*f, ".//w:fldData"), 0u);
    EXPECT_EQ(Count(*f, ".//w:t[.='code']"), 0u);
}

TEST(FieldMarkup, UnlinkAFieldThatSpansParagraphs) {
    auto f = Parse("<w:p>" + Begin() + Code(" TOC \\o ") + Separate() + TextRun("Chapter 1") + "</w:p><w:p>" +
                   TextRun("Chapter 2") + "</w:p><w:p>" + End() + TextRun("after") + "</w:p>");
    const auto fields = FindFields(f->body);
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(FieldResult(fields[0]), "Chapter 1\rChapter 2\r");
    UnlinkField(f->body, fields[0]);
    EXPECT_EQ(BodyText(*f), "Chapter 1\rChapter 2\rafter\r");
    EXPECT_EQ(Count(*f, ".//w:fldChar"), 0u);
}

TEST(FieldMarkup, AFieldWithoutResultUnlinksToNothing) {
    auto f = Parse("<w:p>" + TextRun("x") + Begin() + Code(" XE \"entry\" ") + End() + TextRun("y") +
                   R"(<w:fldSimple w:instr=" TC "/></w:p>)");
    auto fields = FindFields(f->body);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(FieldResult(fields[0]), "");
    for (const FieldRef& field : fields) UnlinkField(f->body, field);
    EXPECT_EQ(BodyText(*f), "xy\r");
    EXPECT_EQ(Count(*f, ".//w:r"), 2u);
}

TEST(FieldMarkup, AFieldNoLongerThereIsRefused) {
    auto f = Parse("<w:p>" + Begin() + Code(" IF ") + Separate() + Begin() + Code(" PAGE ") + Separate() + TextRun("1") +
                   End() + End() + "</w:p>");
    const auto fields = FindFields(f->body);
    ASSERT_EQ(fields.size(), 2u);
    UnlinkField(f->body, fields[0]);
    EXPECT_FALSE(ContainsField(f->body, fields[0]));
    EXPECT_THROW(UnlinkField(f->body, fields[0]), std::runtime_error);
    EXPECT_THROW(UnlinkField(f->body, fields[1]), std::runtime_error);  // went with the outer one
    EXPECT_EQ(BodyText(*f), "1\r");
}

TEST(FieldMarkup, IgnoresDeletedFieldsAndUnfinishedOnes) {
    auto f = Parse("<w:p><w:del w:id=\"1\">" + Begin() + Code("PAGE") + End() + "</w:del>" + Begin() + Code(" PAGE ") +
                   Separate() + TextRun("5") + "</w:p>");
    EXPECT_TRUE(FindFields(f->body).empty());
}
