#include <gtest/gtest.h>

#include "tests/common/TestSupport.h"
#include "tests/utilities/DocxFixture.h"
#include "tests/utilities/WordSession.h"
#include "utilities/RemoveSectionBreaks.h"

namespace dorvane::testing {
namespace {

using utilities::RemoveSectionBreaks;

// The text a reader sees: Word's marks and breaks left out.
std::string VisibleText(word::Document& document) {
    std::string text;
    for (char c : document.Content()->Text())
        if (static_cast<unsigned char>(c) >= 0x20) text += c;
    return text;
}

const std::string kBreak = "<w:sectPr><w:type w:val=\"nextPage\"/></w:sectPr>";

TEST(RemoveSectionBreaks, RemovesEveryBreakAndKeepsTheText) {
    TempDir dir;
    WriteDocx(dir / "sections.docx", Para("第一节", kBreak) + Para("第二节") +
                                         Para("仍是第二节", kBreak) + Para("第三节"));
    WordSession session(dir / "sections.docx");
    std::string text = VisibleText(*session.document);

    EXPECT_EQ(RemoveSectionBreaks(*session.word), std::optional<int>(2));
    // The replace-all ran with the find settings the clean-up sets.
    auto find = session.word->Selection()->Find();
    EXPECT_EQ(find->Text(), "^b");
    EXPECT_EQ(find->Replacement()->Text(), "");
    EXPECT_TRUE(find->Forward());
    EXPECT_EQ(find->Wrap(), word::wdFindContinue);
    EXPECT_TRUE(find->MatchByte());
    EXPECT_FALSE(find->Format() || find->MatchCase() || find->MatchWholeWord() ||
                 find->MatchWildcards() || find->MatchSoundsLike() || find->MatchAllWordForms());

    WordSession saved = session.SaveAndReopen(dir / "saved.docx");
    EXPECT_EQ(saved.document->Sections()->Count(), 1);
    EXPECT_EQ(VisibleText(*saved.document), text);
}

// Twice in a row is harmless, and a document without breaks is unchanged.
TEST(RemoveSectionBreaks, SecondRunAndDocumentWithoutBreaksChangeNothing) {
    TempDir dir;
    WriteDocx(dir / "one.docx", Para("只有一节") + Para("第二段"));
    WordSession session(dir / "one.docx");
    std::string text = session.document->Content()->Text();
    EXPECT_EQ(RemoveSectionBreaks(*session.word), std::optional<int>(0));
    EXPECT_EQ(RemoveSectionBreaks(*session.word), std::optional<int>(0));
    EXPECT_EQ(session.document->Content()->Text(), text);
}

// Long Chinese prose in eight sections, and a contract of fifteen sections
// among large merged tables.
TEST(RemoveSectionBreaks, MergesAllSectionsOfCorpusDocuments) {
    for (auto [name, sections] : {std::pair{"docx/oxsdk_columns1_cjk.docx", 8},
                                  std::pair{"docx/poi_bug65649.docx", 15}}) {
        DORVANE_CORPUS_FILE_OR_SKIP(file, name);
        TempDir dir;
        WordSession session(file);
        ASSERT_EQ(session.document->Sections()->Count(), sections) << name;
        int tables = session.TableCount();
        std::string text = VisibleText(*session.document);

        EXPECT_EQ(RemoveSectionBreaks(*session.word), std::optional<int>(sections - 1)) << name;
        EXPECT_EQ(RemoveSectionBreaks(*session.word), std::optional<int>(0)) << name;

        WordSession saved = session.SaveAndReopen(dir / "merged.docx");
        EXPECT_EQ(saved.document->Sections()->Count(), 1) << name;
        EXPECT_EQ(saved.TableCount(), tables) << name;
        EXPECT_EQ(VisibleText(*saved.document), text) << name;
    }
}

}  // namespace
}  // namespace dorvane::testing
