// Undo of whole operations in the embedded Word: steps begun before an
// operation, put back by Undo, emptied by UndoClear, bounded in number.

#include <gtest/gtest.h>

#include "automation/embedded/package/Package.h"
#include "automation/embedded/word/EmbeddedWord.h"
#include "tests/common/TestSupport.h"
#include "tests/word/Docx.h"

namespace dorvane::word_testing {
namespace {

using dorvane::AutomationError;
namespace w = dorvane::word;
namespace ew = dorvane::embedded::word;

class UndoTest : public ::testing::Test {
protected:
    std::filesystem::path Make() {
        return WriteDocx(dir / "u.docx", P("title") + Tbl("a|b;c|d;e|f") + P("after"));
    }
    // The main part as it would be saved now.
    std::string MainPart(Session& s, const std::string& name) {
        s.doc->SaveAs((dir / name).string());
        return ReadPart(dir / name, "word/document.xml");
    }
    dorvane::testing::TempDir dir;
};

TEST_F(UndoTest, UndoPutsBackTheWholeOperationAndKillsOldHandles) {
    Session s(Make());
    const std::string before = MainPart(s, "before.docx");
    ew::BeginUndoStep(*s.doc, "表格排版");
    auto table = s.Table(1);
    table->Borders()->Item(w::wdBorderTop)->SetLineStyle(w::wdLineStyleDouble);
    table->Range()->Font()->SetBold(w::wdTrue);
    table->Rows()->Item(2)->Range()->Rows()->Delete();
    s.doc->Range(0, 5)->Select();
    ASSERT_EQ(table->Rows()->Count(), 2);

    EXPECT_EQ(ew::UndoCaption(*s.doc), std::optional<std::string>("表格排版"));
    ASSERT_TRUE(ew::Undo(*s.doc));
    EXPECT_FALSE(s.doc->Saved()) << "an undone document still differs from nothing saved after it";
    EXPECT_EQ(MainPart(s, "after.docx"), before);
    // Handles to content taken before the undo are dead; new ones see the
    // document as it was.
    EXPECT_THROW(table->Rows()->Count(), AutomationError);
    EXPECT_EQ(s.Table(1)->Rows()->Count(), 3);
    EXPECT_EQ(s.Table(1)->Borders()->Item(w::wdBorderTop)->LineStyle(), w::wdLineStyleNone);
    EXPECT_EQ(s.Sel()->Tables()->Count(), 0) << "the selection came back to where it was, outside the table";
    EXPECT_EQ(s.doc->Content()->Text(), "title\ra\r\ab\r\a\r\ac\r\ad\r\a\r\ae\r\af\r\a\r\aafter\r");
    EXPECT_FALSE(ew::Undo(*s.doc));
}

TEST_F(UndoTest, UndoBringsBackTheSelectionOfATableAndRemovesPartsAddedSince) {
    Session s(WriteDocx(dir / "bare.docx", P("x") + Tbl("a|b") + P("")));
    s.Table(1)->Select();
    ew::BeginUndoStep(*s.doc, "制表位");
    s.doc->SetDefaultTabStop(21);  // the document had no settings part
    s.doc->Range(0, 0)->Select();
    ASSERT_TRUE(ew::Undo(*s.doc));
    EXPECT_DOUBLE_EQ(s.doc->DefaultTabStop(), 36.0);
    s.doc->SaveAs((dir / "saved.docx").string());
    EXPECT_FALSE(embedded::Package::Open(dir / "saved.docx", "test")->HasPart("word/settings.xml"));
    EXPECT_EQ(s.Sel()->Tables()->Count(), 1);
    EXPECT_EQ(s.Sel()->Tables()->Item(1)->Range()->Text(), s.Table(1)->Range()->Text());
}

TEST_F(UndoTest, StepsThatChangedNothingArePassedOver) {
    Session s(Make());
    ew::BeginUndoStep(*s.doc, "one");
    s.Table(1)->Range()->Font()->SetSize(15);
    ew::BeginUndoStep(*s.doc, "nothing");  // a run that found no table to change
    ew::BeginUndoStep(*s.doc, "two");
    EXPECT_EQ(ew::UndoStepCount(*s.doc), 2) << "the empty step was replaced by the next";
    ASSERT_TRUE(ew::Undo(*s.doc)) << "the last step changed nothing, so Undo goes on to the first";
    EXPECT_DOUBLE_EQ(s.Table(1)->Range()->Font()->Size(), 10.0);
    EXPECT_FALSE(ew::Undo(*s.doc));
}

TEST_F(UndoTest, UndoClearEmptiesTheHistoryAndTheHistoryIsBounded) {
    Session s(Make());
    for (int i = 1; i <= ew::kUndoSteps + 2; ++i) {
        ew::BeginUndoStep(*s.doc, "size " + std::to_string(i));
        s.Table(1)->Range()->Font()->SetSize(10 + i);
    }
    EXPECT_EQ(ew::UndoStepCount(*s.doc), ew::kUndoSteps);
    for (int i = 0; i < ew::kUndoSteps; ++i) ASSERT_TRUE(ew::Undo(*s.doc)) << i;
    EXPECT_FALSE(ew::Undo(*s.doc));
    EXPECT_DOUBLE_EQ(s.Table(1)->Range()->Font()->Size(), 12.0) << "the two oldest steps were dropped";

    ew::BeginUndoStep(*s.doc, "bold");
    s.Table(1)->Range()->Font()->SetBold(w::wdTrue);
    s.doc->UndoClear();
    EXPECT_EQ(ew::UndoStepCount(*s.doc), 0);
    EXPECT_FALSE(ew::UndoCaption(*s.doc));
    EXPECT_FALSE(ew::Undo(*s.doc));
    EXPECT_EQ(s.Table(1)->Range()->Font()->Bold(), w::wdTrue);
}

TEST_F(UndoTest, ClosedDocumentsAndSameDocumentAcrossSaveAs) {
    Session s(Make());
    auto again = s.word->Documents()->Item(1);
    s.doc->SaveAs((dir / "renamed.docx").string());
    EXPECT_TRUE(ew::SameDocument(*s.doc, *again));
    auto other = s.word->Documents()->Open(WriteDocx(dir / "other.docx", P("o")).string());
    EXPECT_FALSE(ew::SameDocument(*s.doc, *other));
    other->Close();
    EXPECT_THROW(ew::BeginUndoStep(*other, "x"), AutomationError);
    EXPECT_THROW(ew::Undo(*other), AutomationError);
}

}  // namespace
}  // namespace dorvane::word_testing
