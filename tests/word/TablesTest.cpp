// Tables, cells, merged cells, positions and ranges of the embedded Word.

#include <gtest/gtest.h>

#include "tests/common/TestSupport.h"
#include "tests/word/Docx.h"

namespace dorvane::word_testing {
namespace {

using dorvane::AutomationError;

class TablesTest : public ::testing::Test {
protected:
    std::filesystem::path Make(const std::string& body) { return WriteDocx(dir / "t.docx", body); }
    dorvane::testing::TempDir dir;
};

TEST_F(TablesTest, PositionsAndTextCountParagraphMarksCellMarksAndRowMarks) {
    Session s(Make(P("ab") + Tbl("x|y;z|w") + P("")));
    auto content = s.doc->Content();
    EXPECT_EQ(content->Text(), "ab\rx\r\ay\r\a\r\az\r\aw\r\a\r\a\r");
    EXPECT_EQ(content->Start(), 0);
    EXPECT_EQ(content->End(), 14);
    auto cell = s.Table(1)->Cell(1, 1)->Range();
    EXPECT_EQ(cell->Text(), "x\r\a");
    EXPECT_EQ(cell->Start(), 3);
    EXPECT_EQ(cell->End(), 5);
    auto last = s.Table(1)->Cell(2, 2)->Range();
    EXPECT_EQ(last->Start(), 10);
    EXPECT_EQ(last->End(), 12);
    EXPECT_EQ(s.doc->Range(0, 2)->Text(), "ab");
    EXPECT_EQ(s.doc->Paragraphs()->Count(), 6);
}

TEST_F(TablesTest, EmptyCellTextIsTheEndOfCellMarkAndChineseCountsInUtf16) {
    Session s(Make(Tbl("|合计𠀀") + P("")));
    EXPECT_EQ(s.Table(1)->Cell(1, 1)->Range()->Text(), "\r\a");
    auto cell = s.Table(1)->Cell(1, 2)->Range();
    EXPECT_EQ(cell->Text(), "合计𠀀\r\a");
    // Two BMP characters, one surrogate pair and the cell mark.
    EXPECT_EQ(cell->End() - cell->Start(), 5);
}

TEST_F(TablesTest, HorizontalMergeCountsOnceAndMakesColumnsInaccessible) {
    Session s(Make(Tbl("1|2|3;4|<|5;6|7|8") + P("")));
    auto table = s.Table(1);
    EXPECT_EQ(table->Rows()->Count(), 3);
    EXPECT_EQ(table->Columns()->Count(), 3);
    EXPECT_EQ(table->Cell(2, 2)->Range()->Text(), "5\r\a");
    EXPECT_EQ(table->Cell(2, 1)->ColumnIndex(), 1);
    EXPECT_EQ(table->Cell(2, 2)->RowIndex(), 2);
    EXPECT_THROW(table->Cell(2, 3), AutomationError);
    EXPECT_THROW(table->Columns()->Item(1), AutomationError);
    EXPECT_NO_THROW(table->Rows()->Item(1)->Select());
}

TEST_F(TablesTest, VerticallyCoveredCellsDoNotExistAndRowsCannotBeAddressed) {
    Session s(Make(Tbl("1|2;^|3;4|5") + P("")));
    auto table = s.Table(1);
    EXPECT_EQ(table->Cell(2, 1)->Range()->Text(), "3\r\a");
    EXPECT_THROW(table->Cell(2, 2), AutomationError);
    EXPECT_THROW(table->Rows()->Item(1), AutomationError);
    EXPECT_NO_THROW(table->Columns()->Item(2)->Select());
    EXPECT_THROW(table->Cell(0, 1), AutomationError);
    EXPECT_THROW(table->Cell(4, 1), AutomationError);
}

TEST_F(TablesTest, RangeBetweenTwoCellsIsTheRectangularBlock) {
    Session s(Make(Tbl("a|b|c;d|e|f;g|h|i") + P("")));
    auto table = s.Table(1);
    long start = table->Cell(2, 2)->Range()->Start();
    long end = table->Cell(3, 3)->Range()->End();
    auto block = s.doc->Range(start, end);
    auto cells = block->Cells();
    ASSERT_EQ(cells->Count(), 4);
    std::string texts;
    for (int i = 1; i <= cells->Count(); ++i) texts += cells->Item(i)->Range()->Text();
    EXPECT_EQ(texts, "e\r\af\r\ah\r\ai\r\a");  // column 1 is not in the block
    EXPECT_EQ(block->Columns()->Count(), 2);
    EXPECT_EQ(block->Rows()->Count(), 2);
    block->Select();
    EXPECT_EQ(s.Sel()->Cells()->Count(), 4);
    EXPECT_EQ(s.Sel()->Tables()->Count(), 1);
}

TEST_F(TablesTest, ABlockOfWholeRowsEndsAfterTheLastRowsEndMark) {
    Session s(Make(Tbl("a|b;c|d;e|f") + P("")));
    auto table = s.Table(1);
    // Every cell of rows 2 and 3: the rows themselves.
    auto rows = s.doc->Range(table->Cell(2, 1)->Range()->Start(), table->Cell(3, 2)->Range()->End());
    EXPECT_EQ(rows->Cells()->Count(), 4);
    EXPECT_EQ(rows->End(), table->Range()->End());
    // Every cell of the table, selected: the table's range.
    s.doc->Range(table->Cell(1, 1)->Range()->Start(), table->Cell(3, 2)->Range()->End())->Select();
    EXPECT_EQ(s.Sel()->Start(), table->Range()->Start());
    EXPECT_EQ(s.Sel()->End(), table->Range()->End());
    // One column of those rows ends with its last cell.
    auto column = s.doc->Range(table->Cell(2, 1)->Range()->Start(), table->Cell(3, 1)->Range()->End());
    EXPECT_EQ(column->Cells()->Count(), 2);
    EXPECT_EQ(column->End(), table->Cell(3, 1)->Range()->End());
}

TEST_F(TablesTest, BlockGrowsOverMergedCellsAndItsColumnCountIsRefused) {
    Session s(Make(Tbl("a|b|c;d|<|f;g|h|i") + P("")));
    auto table = s.Table(1);
    // From (1,2) to (2,2): cell (2,1) spans columns 1-2, so the block takes
    // column 1 in as well.
    auto block = s.doc->Range(table->Cell(1, 2)->Range()->Start(), table->Cell(2, 1)->Range()->End());
    EXPECT_EQ(block->Cells()->Count(), 3);
    EXPECT_THROW(block->Columns()->Count(), AutomationError);
    auto plain = s.doc->Range(table->Cell(3, 1)->Range()->Start(), table->Cell(3, 3)->Range()->End());
    EXPECT_EQ(plain->Columns()->Count(), 3);
}

TEST_F(TablesTest, RowMergedAcrossTheBlockDoesNotPullInTheOtherRowsColumn1) {
    // A section row merged across the whole width lies in the block from
    // (2, 2) to the last cell; the first cells of the other rows do not.
    Session s(Make(Tbl("a|b|c;d|e|f;g|<|<;h|i|j") + P("")));
    auto table = s.Table(1);
    auto block = s.doc->Range(table->Cell(2, 2)->Range()->Start(), table->Cell(4, 3)->Range()->End());
    auto cells = block->Cells();
    std::string texts;
    for (int i = 1; i <= cells->Count(); ++i) texts += cells->Item(i)->Range()->Text();
    EXPECT_EQ(texts, "e\r\af\r\ag\r\ai\r\aj\r\a");
}

TEST_F(TablesTest, SelectionFollowsSelectAndAFailedCallLeavesItAlone) {
    Session s(Make(P("before") + Tbl("a|b;c|d") + P("after")));
    auto table = s.Table(1);
    table->Select();
    long start = s.Sel()->Start();
    EXPECT_EQ(start, table->Range()->Start());
    EXPECT_THROW(table->Cell(5, 5)->Select(), AutomationError);
    EXPECT_EQ(s.Sel()->Start(), start);
    EXPECT_EQ(s.Sel()->Cells()->Count(), 4);
    table->Cell(2, 1)->Select();
    EXPECT_EQ(s.Sel()->Text(), "c\r\a");
}

TEST_F(TablesTest, TopLevelTablesIncludeContentControlsButNotNestedTables) {
    std::string nested = "<w:tbl><w:tblPr/><w:tblGrid><w:gridCol/></w:tblGrid><w:tr><w:tc>" +
                         Tbl("inner") + P("") + "</w:tc></w:tr></w:tbl>";
    std::string controlled = "<w:sdt><w:sdtPr/><w:sdtContent>" + Tbl("x") + "</w:sdtContent></w:sdt>";
    Session s(Make(nested + P("") + controlled + P("")));
    ASSERT_EQ(s.doc->Tables()->Count(), 2);
    EXPECT_EQ(s.Table(2)->Cell(1, 1)->Range()->Text(), "x\r\a");
    auto outer = s.Table(1)->Cell(1, 1)->Range();
    EXPECT_EQ(outer->Text(), "inner\r\a\r\a\r\a");
    // A range inside the nested table lies in that table.
    auto inner = s.doc->Range(outer->Start(), outer->Start() + 2);
    EXPECT_EQ(inner->Tables()->Count(), 1);
    EXPECT_EQ(inner->Tables()->Item(1)->Cell(1, 1)->Range()->Text(), "inner\r\a");
}

TEST_F(TablesTest, RowsDeleteRemovesEveryTouchedRowAndKeepsMergesWhole) {
    Session s(Make(Tbl("1|2;3|4;5|6;7|8") + P("")));
    auto table = s.Table(1);
    s.doc->Range(table->Cell(2, 2)->Range()->Start(), table->Cell(3, 1)->Range()->End())->Select();
    s.Sel()->Rows()->Delete();
    EXPECT_EQ(table->Rows()->Count(), 2);
    EXPECT_EQ(table->Cell(2, 1)->Range()->Text(), "7\r\a");

    Session m(WriteDocx(dir / "m.docx", Tbl("a|b;c|^;d|^;e|f") + P("")));
    auto merged = m.Table(1);
    m.doc->Range(merged->Cell(1, 1)->Range()->Start(), merged->Cell(1, 1)->Range()->End())->Select();
    m.Sel()->Rows()->Delete();
    // The merge that started in the deleted row now starts in the next one.
    EXPECT_EQ(merged->Rows()->Count(), 3);
    EXPECT_EQ(merged->Cell(1, 2)->Range()->Text(), "\r\a");
    EXPECT_THROW(merged->Cell(2, 2), AutomationError);
}

TEST_F(TablesTest, HandlesToDeletedRowsAreRefusedNotFollowed) {
    Session s(Make(Tbl("1|2;3|4") + P("")));
    auto table = s.Table(1);
    auto cell = table->Cell(2, 2);
    table->Rows()->Item(2)->Select();
    s.Sel()->Rows()->Delete();
    EXPECT_THROW(cell->Range(), AutomationError);
    s.Table(1)->Rows()->Item(1)->Select();
    s.Sel()->Rows()->Delete();
    EXPECT_EQ(s.doc->Tables()->Count(), 0);
    EXPECT_THROW(table->Rows(), AutomationError);
}

}  // namespace
}  // namespace dorvane::word_testing
