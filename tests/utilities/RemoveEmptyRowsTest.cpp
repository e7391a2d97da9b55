#include <gtest/gtest.h>

#include "tests/common/TestSupport.h"
#include "tests/utilities/DocxFixture.h"
#include "tests/utilities/RecordingPort.h"
#include "tests/utilities/WordSession.h"
#include "utilities/RemoveEmptyRows.h"

namespace dorvane::testing {
namespace {

using utilities::RemoveEmptyRows;

std::vector<std::string> Blank(int columns) { return std::vector<std::string>(columns, ""); }

// Five tables: two empty rows only; three empty rows; a four-column table
// whose rows hold spaces, nothing, one character, a full-width space, a
// tab or an empty second paragraph; a row with a horizontal merge; a
// vertical merge over two empty rows.
std::string RowsFixtureBody() {
    std::string body = Para("表一") + TextTable({Blank(2), Blank(2)});
    body += Para("表二") + TextTable({Blank(2), Blank(2), Blank(2)});
    body += Para("表三") + Table(4, {TextRow({"h1", "h2", "h3", "h4"}),
                                     TextRow(Blank(4)),
                                     TextRow({"a", "", "", ""}),
                                     TextRow({"   ", "  ", "", " "}),
                                     TextRow({"\u3000", "", "", ""}),
                                     TextRow({"", "\t", "", ""}),
                                     Row({Cell(), Cell(), Cell("<w:p/><w:p/>"), Cell()}),
                                     TextRow({"", "", "", "x"}),
                                     TextRow(Blank(4)),
                                     TextRow(Blank(4))});
    body += Para("表四") + Table(4, {Row({Cell(Para("h")), Cell(), Cell(), Cell()}),
                                     Row({Cell(Para("x")), Cell(), Cell(), Cell()}),
                                     Row({Cell(Para("c")), Cell(), Cell(), Cell()}),
                                     Row({Cell({}, "<w:gridSpan w:val=\"2\"/>"), Cell(), Cell()}),
                                     Row({Cell(Para("c")), Cell(), Cell(), Cell()})});
    body += Para("表五") + Table(4, {Row({Cell(Para("h")), Cell(), Cell(), Cell()}),
                                     Row({Cell(Para("x")), Cell(), Cell(), Cell()}),
                                     Row({Cell({}, "<w:vMerge w:val=\"restart\"/>"), Cell(), Cell(), Cell()}),
                                     Row({Cell({}, "<w:vMerge/>"), Cell(), Cell(), Cell()}),
                                     Row({Cell(), Cell(), Cell(), Cell()})});
    return body;
}

TEST(RemoveEmptyRows, DeletesOnlyRowsOfSpacesBelowRowTwoAndLeavesMergedRows) {
    TempDir dir;
    WriteDocx(dir / "rows.docx", RowsFixtureBody());
    WordSession session(dir / "rows.docx");
    RecordingPort port;

    EXPECT_EQ(RemoveEmptyRows(*session.word, port), 5);
    EXPECT_EQ(port.messages, std::vector<std::string>{"完成!共删除5行."});
    EXPECT_EQ(port.events, (std::vector<std::string>{"hide", "message", "show"}));

    WordSession saved = session.SaveAndReopen(dir / "saved.docx");
    ASSERT_EQ(saved.TableCount(), 5);
    EXPECT_EQ(saved.RowCount(1), 2);  // rows 1 and 2 are never examined
    EXPECT_EQ(saved.RowCount(2), 2);  // the empty row 3 went
    EXPECT_EQ(saved.RowCount(3), 7);  // spaces, nothing, and the two last
    EXPECT_EQ(saved.RowCount(4), 5);  // the merged row stays, nothing else goes
    EXPECT_EQ(saved.RowCount(5), 4);  // the vertical merge stays, row 5 goes
    // What stays of table three: a, full-width space, tab, two paragraphs, x.
    EXPECT_EQ(saved.CellText(3, 3, 1), "a\r\a");
    EXPECT_EQ(saved.CellText(3, 4, 1), "\u3000\r\a");
    EXPECT_EQ(saved.CellText(3, 5, 2), "\t\r\a");
    EXPECT_EQ(saved.CellText(3, 6, 3), "\r\r\a");
    EXPECT_EQ(saved.CellText(3, 7, 4), "x\r\a");
}

TEST(RemoveEmptyRows, ReportsZeroWithoutTablesOrWithoutDocument) {
    TempDir dir;
    WriteDocx(dir / "plain.docx", Para("正文"));
    WordSession session(dir / "plain.docx");
    RecordingPort port;
    EXPECT_EQ(RemoveEmptyRows(*session.word, port), 0);

    auto empty = CreateWordApplication();
    EXPECT_EQ(RemoveEmptyRows(*empty, port), 0);
    EXPECT_EQ(port.messages, (std::vector<std::string>{"完成!共删除0行.", "完成!共删除0行."}));
    EXPECT_EQ(port.events.back(), "show");
}

// On a real document with merges in both directions: the count equals
// the rows that went, and no table loses its first two rows.
TEST(RemoveEmptyRows, CountMatchesRowsGoneOnCorpusTables) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/d4j_tables.docx");
    TempDir dir;
    WordSession session(file);
    std::vector<int> before;
    for (int t = 1; t <= session.TableCount(); ++t) before.push_back(session.RowCount(t));
    RecordingPort port;
    int deleted = RemoveEmptyRows(*session.word, port);

    WordSession saved = session.SaveAndReopen(dir / "tables.docx");
    ASSERT_EQ(saved.TableCount(), static_cast<int>(before.size()));
    int gone = 0;
    for (int t = 1; t <= saved.TableCount(); ++t) {
        EXPECT_GE(saved.RowCount(t), std::min(before[t - 1], 2));
        gone += before[t - 1] - saved.RowCount(t);
    }
    EXPECT_EQ(deleted, gone);
    EXPECT_EQ(port.messages.back(), "完成!共删除" + std::to_string(deleted) + "行.");
}

}  // namespace
}  // namespace dorvane::testing
