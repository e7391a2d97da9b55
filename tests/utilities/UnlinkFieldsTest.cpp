#include <gtest/gtest.h>

#include "tests/common/TestSupport.h"
#include "tests/utilities/DocxFixture.h"
#include "tests/utilities/FakeFields.h"
#include "tests/utilities/RecordingPort.h"
#include "tests/utilities/WordSession.h"
#include "utilities/UnlinkFields.h"

namespace dorvane::testing {
namespace {

using utilities::UnlinkFields;

// Unlinks every field of a corpus document: the count is the number of
// fields, none is left after saving, and each field's result text is now
// plain text of the document.
void ExpectAllFieldsUnlinked(const std::filesystem::path& file) {
    TempDir dir;
    WordSession session(file);
    auto fields = session.document->Fields();
    int count = fields->Count();
    ASSERT_GT(count, 0);
    std::vector<std::string> results;
    for (int i = 1; i <= count; ++i) results.push_back(fields->Item(i)->Result());

    RecordingPort port;
    EXPECT_EQ(UnlinkFields(*session.word, port), count);
    EXPECT_EQ(port.messages,
              std::vector<std::string>{"完成! 共删除" + std::to_string(count) + "处链接."});
    EXPECT_EQ(port.events, std::vector<std::string>{"message"});  // the window stays

    WordSession saved = session.SaveAndReopen(dir / "unlinked.docx");
    EXPECT_EQ(saved.document->Fields()->Count(), 0);
    std::string text = saved.document->Content()->Text();
    for (const auto& result : results) {
        auto firstLine = result.substr(0, result.find('\r'));
        EXPECT_NE(text.find(firstLine), std::string::npos) << firstLine;
    }
}

TEST(UnlinkFields, UnlinksComplexFieldsWithChineseDatePicture) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/oxsdk_Field-more_field.docx");
    ExpectAllFieldsUnlinked(file);
}

TEST(UnlinkFields, UnlinksSimpleField) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/poi_FldSimple.docx");
    ExpectAllFieldsUnlinked(file);
}

// A table of contents holds nested page references: none may be passed
// over while the fields around them go.
TEST(UnlinkFields, UnlinksNestedFieldsOfATableOfContents) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/d4j_Docx4j_GettingStarted.docx");
    ExpectAllFieldsUnlinked(file);
}

// Word opens a w:hyperlink as a HYPERLINK field: it is counted and
// unlinked like the others, and its text stays as plain text.
TEST(UnlinkFields, HyperlinksAreFieldsWhoseTextStays) {
    TempDir dir;
    WriteDocx(dir / "link.docx",
              R"(<w:p><w:r><w:t>见</w:t></w:r><w:hyperlink w:anchor="_Toc1"><w:r><w:rPr>)"
              R"(<w:u w:val="single"/></w:rPr><w:t>第一章</w:t></w:r></w:hyperlink></w:p>)" +
                  Para("正文"));
    WordSession session(dir / "link.docx");
    auto fields = session.document->Fields();
    ASSERT_EQ(fields->Count(), 1);
    EXPECT_EQ(fields->Item(1)->Code(), " HYPERLINK \\l \"_Toc1\" ");
    EXPECT_EQ(fields->Item(1)->Result(), "第一章");
    RecordingPort port;
    EXPECT_EQ(UnlinkFields(*session.word, port), 1);
    WordSession saved = session.SaveAndReopen(dir / "unlinked.docx");
    EXPECT_EQ(saved.document->Fields()->Count(), 0);
    EXPECT_EQ(saved.document->Content()->Text(), "见第一章\r正文\r");
}

// External links (w:hyperlink with a relationship) beside HYPERLINK fields.
TEST(UnlinkFields, UnlinksTheHyperlinksOfACorpusReport) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/poi_bug59058.docx");
    ExpectAllFieldsUnlinked(file);
}

TEST(UnlinkFields, ReportsZeroWithoutFieldsOrWithoutDocument) {
    TempDir dir;
    WriteDocx(dir / "plain.docx", Para("没有域"));
    WordSession session(dir / "plain.docx");
    RecordingPort port;
    EXPECT_EQ(UnlinkFields(*session.word, port), 0);
    auto empty = CreateWordApplication();
    EXPECT_EQ(UnlinkFields(*empty, port), 0);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{"完成! 共删除0处链接.", "完成! 共删除0处链接."}));
}


// A field that refuses to be unlinked is skipped, the others are still
// unlinked, and the message counts only the fields that went.
TEST(UnlinkFields, CountsOnlyFieldsWhoseUnlinkingSucceeded) {
    FakeFieldsWord word;
    for (bool refuses : {false, true, false, true, false}) {
        auto field = std::make_shared<FakeField>();
        field->refuses = refuses;
        word.document->fields->items.push_back(field);
    }
    RecordingPort port;
    EXPECT_EQ(utilities::UnlinkFields(word, port), 3);
    EXPECT_EQ(port.messages, std::vector<std::string>{"完成! 共删除3处链接."});
    for (const auto& field : word.document->fields->items) EXPECT_NE(field->unlinked, field->refuses);
}

}  // namespace
}  // namespace dorvane::testing
