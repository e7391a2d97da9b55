#include <gtest/gtest.h>

#include "formatting/FormatRunState.h"
#include "formatting/FormatSettings.h"
#include "tests/common/TestSupport.h"
#include "tests/utilities/DocxFixture.h"
#include "tests/utilities/RecordingPort.h"
#include "tests/utilities/WordSession.h"
#include "utilities/FormatBodyText.h"

namespace dorvane::testing {
namespace {

using formatting::FormatSettings;
using utilities::FormatBodyText;

const std::string kIndented = "<w:ind w:left=\"720\"/>";
std::string Aligned(const std::string& jc) { return "<w:jc w:val=\"" + jc + "\"/>" + kIndented; }

// Left, centred, right and justified paragraphs, each indented 36 pt, an
// indented paragraph inside a table and the empty paragraph after it.
std::string BodyFixture() {
    return Para("左对齐正文 2019", Aligned("left")) + Para("居中标题", Aligned("center")) +
           Para("右对齐正文 2020", Aligned("right")) + Para("两端对齐正文", Aligned("both")) +
           Table(1, {Row({Cell(Para("表内文字", kIndented))})});
}

// The first paragraph whose text begins with `start`.
word::Ref<word::Paragraph> FindParagraph(word::Document& document, const std::string& start) {
    auto paragraphs = document.Paragraphs();
    for (int i = 1; i <= paragraphs->Count(); ++i) {
        auto paragraph = paragraphs->Item(i);
        if (paragraph->Range()->Text().rfind(start, 0) == 0) return paragraph;
    }
    ADD_FAILURE() << "no paragraph begins with " << start;
    return nullptr;
}

TEST(FormatBodyText, LaysOutParagraphsOutsideTablesThatAreNotCentred) {
    TempDir dir;
    WriteDocx(dir / "body.docx", BodyFixture());
    WordSession session(dir / "body.docx");
    FormatSettings settings;
    settings.Combo19 = "1.5";
    settings.Combo16 = "2.0";
    settings.Combo15 = "0.5";
    settings.Combo20 = "0.8";  // typed, not in the list
    settings.Combo18 = "仿宋_GB2312";
    settings.Combo14 = "Arial Narrow";
    settings.Combo17 = "小四";
    RecordingPort port;

    EXPECT_EQ(FormatBodyText(*session.word, settings, port), 4);
    EXPECT_EQ(port.events, (std::vector<std::string>{"hide", "message", "show"}));
    EXPECT_EQ(port.messages, std::vector<std::string>{"完成！"});

    WordSession saved = session.SaveAndReopen(dir / "saved.docx");
    for (const char* start : {"左对齐", "右对齐", "两端对齐"}) {
        auto paragraph = FindParagraph(*saved.document, start);
        ASSERT_TRUE(paragraph);
        auto format = paragraph->Format();
        EXPECT_DOUBLE_EQ(format->LeftIndent(), 0) << start;
        EXPECT_NEAR(format->CharacterUnitFirstLineIndent(), 2, 1e-6) << start;
        EXPECT_NEAR(format->LineSpacing(), saved.word->LinesToPoints(1.5), 1e-6) << start;
        EXPECT_NEAR(format->LineUnitBefore(), 0.5, 1e-6) << start;
        EXPECT_NEAR(format->LineUnitAfter(), 0.8, 1e-2) << start;
        auto font = paragraph->Range()->Font();
        EXPECT_EQ(font->Name(), "Arial Narrow") << start;
        EXPECT_EQ(font->NameFarEast(), "仿宋_GB2312") << start;
        EXPECT_DOUBLE_EQ(font->Size(), 12) << start;
    }
    for (const char* start : {"居中标题", "表内文字"}) {
        auto paragraph = FindParagraph(*saved.document, start);
        ASSERT_TRUE(paragraph);
        EXPECT_DOUBLE_EQ(paragraph->Format()->LeftIndent(), 36) << start;
        EXPECT_NE(paragraph->Range()->Font()->Size(), 12) << start;
        EXPECT_NE(paragraph->Range()->Font()->Name(), "Arial Narrow") << start;
    }
}

// With every field at "不变" the left indent still goes to zero; a typed
// font or size that the lists do not offer changes nothing.
TEST(FormatBodyText, UnchangedAndUnknownEntriesOnlyResetTheLeftIndent) {
    TempDir dir;
    WriteDocx(dir / "body.docx", BodyFixture());
    for (bool typed : {false, true}) {
        WordSession session(dir / "body.docx");
        auto before = FindParagraph(*session.document, "左对齐")->Range()->Font();
        std::string name = before->Name();
        double size = before->Size();
        FormatSettings settings;
        if (typed) {
            settings.Combo18 = "黑体";
            settings.Combo14 = "Arial";
            settings.Combo17 = "小三";
        }
        RecordingPort port;
        EXPECT_EQ(FormatBodyText(*session.word, settings, port), 4);
        EXPECT_EQ(port.messages, std::vector<std::string>{"完成！"});
        auto paragraph = FindParagraph(*session.document, "左对齐");
        EXPECT_DOUBLE_EQ(paragraph->Format()->LeftIndent(), 0);
        EXPECT_EQ(paragraph->Range()->Font()->Name(), name);
        EXPECT_EQ(paragraph->Range()->Font()->Size(), size);
    }
}

TEST(FormatBodyText, ADocumentWithOnlyCentredTextAndTablesIsDoneAtOnce) {
    TempDir dir;
    std::string table = Table(1, {Row({Cell(Para("表内", kIndented))})});
    table.resize(table.rfind("<w:p/>"));  // the paragraph after the table is centred too
    WriteDocx(dir / "none.docx", Para("标题", Aligned("center")) + table + Para("", Aligned("center")));
    WordSession session(dir / "none.docx");
    RecordingPort port;
    EXPECT_EQ(FormatBodyText(*session.word, FormatSettings(), port), 0);
    EXPECT_EQ(port.messages, std::vector<std::string>{"完成！"});
}

// A number field holding no number stops the operation before the
// document is touched.
TEST(FormatBodyText, ANumberFieldWithoutANumberStopsBeforeAnyChange) {
    TempDir dir;
    WriteDocx(dir / "body.docx", BodyFixture());
    WordSession session(dir / "body.docx");
    FormatSettings settings;
    settings.Combo20 = "半行";
    RecordingPort port;
    EXPECT_THROW(FormatBodyText(*session.word, settings, port), formatting::NumberFieldError);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_DOUBLE_EQ(FindParagraph(*session.document, "左对齐")->Format()->LeftIndent(), 36);
}

// Long Chinese prose: the text font stays on the Chinese characters while
// the number font goes to digits and Latin letters.
TEST(FormatBodyText, TextAndNumberFontsOnChineseProse) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/oxsdk_columns1_cjk.docx");
    TempDir dir;
    WordSession session(file);
    FormatSettings settings;
    settings.Combo18 = "宋体";
    settings.Combo14 = "Times New Roman";
    settings.Combo17 = "五号";
    RecordingPort port;
    int formatted = FormatBodyText(*session.word, settings, port);
    EXPECT_GT(formatted, 0);

    WordSession saved = session.SaveAndReopen(dir / "prose.docx");
    auto paragraphs = saved.document->Paragraphs();
    int checked = 0;
    for (int i = 1; i <= paragraphs->Count(); ++i) {
        auto paragraph = paragraphs->Item(i);
        if (paragraph->Format()->Alignment() == word::wdAlignParagraphCenter) continue;
        if (paragraph->Range()->Text().size() < 4) continue;
        auto font = paragraph->Range()->Font();
        EXPECT_EQ(font->Name(), "Times New Roman") << i;
        EXPECT_EQ(font->NameFarEast(), "宋体") << i;
        EXPECT_DOUBLE_EQ(font->Size(), 10.5) << i;
        EXPECT_DOUBLE_EQ(paragraph->Format()->LeftIndent(), 0) << i;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace dorvane::testing
