// The document windows of the embedded Word: one per document, the
// preview of paragraphs and tables, the selection set from the preview,
// the open dialog with a file that cannot be read, and closing.

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QPointer>
#include <fstream>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include "automation/embedded/word/EmbeddedWord.h"
#include "shell/word/DocumentPreview.h"
#include "shell/word/PreviewBuilder.h"
#include "tests/utilities/DocxFixture.h"
#include "tests/wordwindow/WordWindowTest.h"

namespace dorvane::shell::wordwindow::testing {
namespace {

namespace fs = std::filesystem;
namespace w = dorvane::word;
using ::dorvane::testing::Cell;
using ::dorvane::testing::Para;
using ::dorvane::testing::Row;
using ::dorvane::testing::Table;
using ::dorvane::testing::TextTable;

const char* const kBoldRun = "<w:r><w:rPr><w:b/></w:rPr><w:t>粗体</w:t></w:r>";

// A centred title with a bold run, a table whose first row is one cell
// across three columns and whose first column is merged down two rows,
// then a second plain table.
std::string SampleBody() {
    std::string title = "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:r><w:t>标题 </w:t></w:r>" +
                        std::string(kBoldRun) + "</w:p>";
    std::string merged = Table(3, {Row({Cell(Para("表头"), "<w:gridSpan w:val=\"3\"/>")}),
                                   Row({Cell(Para("甲"), "<w:vMerge w:val=\"restart\"/>"), Cell(Para("1")),
                                        Cell(Para("2"))}),
                                   Row({Cell({}, "<w:vMerge/>"), Cell(Para("3")), Cell(Para("4"))})});
    return title + merged + TextTable({{"a", "b"}, {"c", "d"}}) + Para("end");
}

// Clicks into the preview at a preview text position.
void ClickAt(DocumentPreview* preview, int position) {
    QTextCursor cursor(preview->document());
    cursor.setPosition(position);
    QRect place = preview->cursorRect(cursor);
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, {}, place.center());
}

using DocumentWindowTest = WordWindowTest;

TEST_F(DocumentWindowTest, EachDocumentHasOneWindowTitledWithItsName) {
    DocumentWindow* first = OpenThroughWelcome(Write("first.docx", Para("one")));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("first.docx[*]"));
    EXPECT_FALSE(first->isWindowModified());

    OpenFromMenu(first, Write("second.docx", Para("two")));
    OpenFromMenu(first, temp / "first.docx");  // already open: no second window
    ASSERT_EQ(windows().Windows().size(), 2u);
    EXPECT_EQ(word().Documents()->Count(), 2);
    DocumentWindow* second = windows().WindowOf(*word().Documents()->Item(2));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("second.docx[*]"));

    word().Documents()->Item(2)->Content()->Font()->SetBold(w::wdTrue);
    windows().RefreshAll();
    EXPECT_TRUE(second->isWindowModified());
    EXPECT_FALSE(first->isWindowModified());
    EXPECT_TRUE(messages.empty());
}

TEST_F(DocumentWindowTest, PreviewShowsTextBoldAlignmentMergedCellsAndBorders) {
    DocumentWindow* window = OpenThroughWelcome(Write("sample.docx", SampleBody()));
    ASSERT_NE(window, nullptr);
    QTextDocument* page = window->Preview()->document();
    QTextBlock title = page->firstBlock();
    EXPECT_EQ(title.text(), QString::fromUtf8("标题 粗体"));
    EXPECT_TRUE((title.blockFormat().alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter);
    QTextCursor inBold(page);
    inBold.setPosition(title.position() + 4);
    EXPECT_EQ(inBold.charFormat().fontWeight(), QFont::Bold);
    inBold.setPosition(title.position() + 2);
    EXPECT_EQ(inBold.charFormat().fontWeight(), QFont::Normal);

    QList<QTextTable*> tables = window->Preview()->Tables();
    ASSERT_EQ(tables.size(), 2);
    QTextTable* merged = tables[0];
    EXPECT_EQ(merged->rows(), 3);
    EXPECT_EQ(merged->columns(), 3);
    EXPECT_EQ(merged->cellAt(0, 0).columnSpan(), 3);
    EXPECT_EQ(merged->cellAt(1, 0).rowSpan(), 2);
    EXPECT_EQ(merged->cellAt(2, 0).row(), 1) << "the covered place belongs to the merged cell";
    QTextCursor head = merged->cellAt(0, 0).firstCursorPosition();
    EXPECT_EQ(head.block().text(), QString::fromUtf8("表头"));
    EXPECT_EQ(merged->cellAt(2, 2).firstCursorPosition().block().text(), QStringLiteral("4"));

    QTextTableCellFormat cell = merged->cellAt(1, 1).format().toTableCellFormat();
    EXPECT_EQ(cell.topBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
    EXPECT_GE(cell.topBorder(), 1.0);
    EXPECT_EQ(cell.rightBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
    EXPECT_EQ(page->lastBlock().text(), QStringLiteral("end"));
}

TEST_F(DocumentWindowTest, MergedCellStartingWithAnEmptyParagraphKeepsItsSpanBordersAndAlignment) {
    // As in the corpus's tables: the merged cell's text sits below empty
    // paragraphs, and the cell is centred vertically.
    const std::string centred = "<w:vAlign w:val=\"center\"/>";
    std::string body = Table(2, {Row({Cell(Para("") + Para("") + Para("肉类"), "<w:vMerge w:val=\"restart\"/>" + centred),
                                      Cell(Para("猪肉"), centred)}),
                                 Row({Cell({}, "<w:vMerge/>" + centred), Cell(Para("鸡肉"), centred)}),
                                 Row({Cell(Para(""), centred), Cell(Para("乳类"), centred)})});
    DocumentWindow* window = OpenThroughWelcome(Write("merged.docx", body));
    ASSERT_NE(window, nullptr);
    QTextTable* shown = window->Preview()->Tables().value(0);
    ASSERT_NE(shown, nullptr);
    for (QTextTableCell cell : {shown->cellAt(0, 0), shown->cellAt(2, 0)}) {
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        EXPECT_EQ(format.leftBorderStyle(), QTextFrameFormat::BorderStyle_Solid) << "row " << cell.row();
        EXPECT_GE(format.bottomBorder(), 1.0) << "row " << cell.row();
        EXPECT_EQ(format.verticalAlignment(), QTextCharFormat::AlignMiddle) << "row " << cell.row();
    }
    EXPECT_EQ(shown->cellAt(0, 0).rowSpan(), 2);
    EXPECT_EQ(shown->cellAt(1, 0).row(), 0) << "the covered place belongs to the merged cell";
    EXPECT_EQ(shown->cellAt(0, 0).lastCursorPosition().block().text(), QString::fromUtf8("肉类"));

    // The cell below the merged one starts below its bottom border.
    window->show();
    QTextCursor top = shown->cellAt(2, 1).firstCursorPosition();
    QTextCursor merged = shown->cellAt(0, 0).lastCursorPosition();
    EXPECT_LT(window->Preview()->cursorRect(merged).bottom(), window->Preview()->cursorRect(top).top());
}

TEST_F(DocumentWindowTest, PageIsAsWideAsItsWidestTable) {
    // Six columns of 1500 twips: 450 pt, wider than the 415 pt between
    // the default margins.
    std::vector<std::string> cells(6, Cell(Para("x")));
    DocumentWindow* window = OpenThroughWelcome(Write("wide.docx", Table(6, {Row(cells)}) + Para("end")));
    ASSERT_NE(window, nullptr);
    DocumentPreview* preview = window->Preview();
    const double page = preview->document()->textWidth();
    EXPECT_GE(page, PointsToPixels(450 + 72) - 1);
    EXPECT_EQ(preview->lineWrapColumnOrWidth(), static_cast<int>(page));
    EXPECT_LE(preview->Tables()[0]->format().width().rawValue(), page);
    // The window opens wide enough for the page: nothing to scroll sideways.
    QApplication::processEvents();
    EXPECT_GE(preview->viewport()->width(), static_cast<int>(page)) << "window " << window->width();
    EXPECT_FALSE(preview->horizontalScrollBar()->isVisible());
}

TEST_F(DocumentWindowTest, PreviewShowsCellShadingAndRowHeights) {
    const std::string shaded = "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"FFC000\"/>";
    const std::string solid = "<w:shd w:val=\"solid\" w:color=\"00B050\" w:fill=\"auto\"/>";
    DocumentWindow* window = OpenThroughWelcome(Write(
        "shading.docx", Table(3, {Row({Cell(Para("a"), shaded), Cell(Para("b"), solid), Cell(Para("c"))}),
                                  Row({Cell(Para("d")), Cell(Para("e")), Cell(Para("f"))})}) +
                            Para("end")));
    ASSERT_NE(window, nullptr);
    DocumentPreview* preview = window->Preview();
    QTextTable* shown = preview->Tables()[0];
    EXPECT_EQ(shown->cellAt(0, 0).format().background().color(), QColor("#FFC000"));
    EXPECT_EQ(shown->cellAt(0, 1).format().background().color(), QColor("#00B050"));
    EXPECT_EQ(shown->cellAt(0, 2).format().background().style(), Qt::NoBrush);

    // Rows of at least 60 pt, text centred in them: the table grows to
    // about twice that, with the room above and below the text alike.
    auto layout = preview->document()->documentLayout();
    const double before = layout->frameBoundingRect(shown).height();
    auto table = word().ActiveDocument()->Tables()->Item(1);
    table->Rows()->SetHeightRule(w::wdRowHeightAtLeast);
    table->Rows()->SetHeight(60);
    table->Range()->Cells()->SetVerticalAlignment(w::wdCellAlignVerticalCenter);
    window->Refresh();
    shown = preview->Tables()[0];
    const double after = preview->document()->documentLayout()->frameBoundingRect(shown).height();
    EXPECT_GT(after, before);
    EXPECT_NEAR(after, 2 * PointsToPixels(60), PointsToPixels(12));
    QTextTableCellFormat cell = shown->cellAt(1, 1).format().toTableCellFormat();
    EXPECT_NEAR(cell.topPadding(), cell.bottomPadding(), 0.5);
}

TEST_F(DocumentWindowTest, PreviewFollowsBordersChangedInTheDocument) {
    DocumentWindow* window = OpenThroughWelcome(Write("borders.docx", SampleBody()));
    ASSERT_NE(window, nullptr);
    auto table = word().ActiveDocument()->Tables()->Item(2);
    table->Borders()->Item(w::wdBorderTop)->SetLineStyle(w::wdLineStyleDouble);
    table->Borders()->Item(w::wdBorderTop)->SetLineWidth(w::wdLineWidth150pt);
    table->Borders()->Item(w::wdBorderLeft)->SetLineStyle(w::wdLineStyleNone);
    table->Borders()->Item(w::wdBorderHorizontal)->SetLineStyle(w::wdLineStyleDot);
    window->Refresh();
    QTextTable* shown = window->Preview()->Tables()[1];
    QTextTableCellFormat corner = shown->cellAt(0, 0).format().toTableCellFormat();
    EXPECT_EQ(corner.topBorderStyle(), QTextFrameFormat::BorderStyle_Double);
    EXPECT_GE(corner.topBorder(), 2.0) << "1.5 pt is two pixels";
    EXPECT_EQ(corner.leftBorderStyle(), QTextFrameFormat::BorderStyle_None);
    EXPECT_EQ(corner.bottomBorderStyle(), QTextFrameFormat::BorderStyle_Dotted);
}

TEST_F(DocumentWindowTest, SelectingInThePreviewSetsWordsSelection) {
    DocumentWindow* window = OpenThroughWelcome(Write("select.docx", SampleBody()));
    ASSERT_NE(window, nullptr);
    auto document = word().ActiveDocument();
    DocumentPreview* preview = window->Preview();
    QList<QTextTable*> tables = preview->Tables();
    ASSERT_EQ(tables.size(), 2);

    // A block of cells of the second table.
    preview->SelectCells(tables[1], 0, 0, 1, 0);
    auto selection = word().Selection();
    ASSERT_EQ(selection->Tables()->Count(), 1);
    EXPECT_EQ(selection->Tables()->Item(1)->Range()->Start(), document->Tables()->Item(2)->Range()->Start());
    EXPECT_EQ(selection->Cells()->Count(), 2);
    EXPECT_EQ(selection->Text(), "a\r\ac\r\a");

    // A click into a cell of the first table: the caret is in that table.
    ClickAt(preview, tables[0]->cellAt(1, 2).firstCursorPosition().position());
    ASSERT_EQ(word().Selection()->Tables()->Count(), 1);
    EXPECT_EQ(word().Selection()->Tables()->Item(1)->Range()->Start(), document->Tables()->Item(1)->Range()->Start());
    EXPECT_EQ(word().Selection()->Start(), document->Tables()->Item(1)->Cell(2, 3)->Range()->Start());

    // The whole table from the menu, with a merged cell in it.
    window->SelectTableAction->trigger();
    EXPECT_EQ(word().Selection()->Start(), document->Tables()->Item(1)->Range()->Start());
    EXPECT_EQ(word().Selection()->Cells()->Count(), 6);

    // Text of the title.
    QTextCursor text(preview->document());
    text.setPosition(0);
    text.setPosition(2, QTextCursor::KeepAnchor);
    preview->setTextCursor(text);
    EXPECT_EQ(word().Selection()->Text(), "标题");
    EXPECT_EQ(word().Selection()->Tables()->Count(), 0);
}

TEST_F(DocumentWindowTest, DraggingTheMouseAcrossCellsSelectsThatBlockInWord) {
    DocumentWindow* window = OpenThroughWelcome(Write("drag.docx", SampleBody()));
    ASSERT_NE(window, nullptr);
    window->show();
    QApplication::processEvents();
    DocumentPreview* preview = window->Preview();
    QTextTable* table = preview->Tables().value(1);
    ASSERT_NE(table, nullptr);
    auto centre = [&](int row, int column) {
        return preview->cursorRect(table->cellAt(row, column).firstCursorPosition()).center();
    };
    // From "a" down to "d": the whole second table, by hand.
    QTest::mousePress(preview->viewport(), Qt::LeftButton, {}, centre(0, 0));
    QTest::mouseMove(preview->viewport(), centre(1, 0));
    QTest::mouseMove(preview->viewport(), centre(1, 1));
    QTest::mouseRelease(preview->viewport(), Qt::LeftButton, {}, centre(1, 1));
    auto selection = word().Selection();
    auto second = word().ActiveDocument()->Tables()->Item(2);
    ASSERT_EQ(selection->Tables()->Count(), 1);
    EXPECT_EQ(selection->Tables()->Item(1)->Range()->Start(), second->Range()->Start());
    EXPECT_EQ(selection->Cells()->Count(), 4);
    EXPECT_EQ(selection->Start(), second->Range()->Start());
    EXPECT_EQ(selection->End(), second->Range()->End());
}

TEST_F(DocumentWindowTest, WordsSelectionComesBackIntoTheRefreshedPreview) {
    DocumentWindow* window = OpenThroughWelcome(Write("back.docx", SampleBody()));
    ASSERT_NE(window, nullptr);
    word().ActiveDocument()->Tables()->Item(2)->Select();
    window->Refresh();
    QTextCursor shown = window->Preview()->textCursor();
    EXPECT_TRUE(shown.hasComplexSelection());
    EXPECT_EQ(shown.currentTable(), window->Preview()->Tables()[1]);
    EXPECT_EQ(window->Preview()->SelectedSpan()->start, word().Selection()->Start());
}

TEST_F(DocumentWindowTest, FileThatCannotBeReadIsNamedAndOtherDocumentsStayAsTheyAre) {
    DocumentWindow* window = OpenThroughWelcome(Write("good.docx", SampleBody()));
    ASSERT_NE(window, nullptr);
    word().ActiveDocument()->Content()->Font()->SetSize(14);
    const fs::path bad = temp / "broken.docx";
    std::ofstream(bad) << "this is no zip";

    OpenFromMenu(window, bad);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("broken.docx"))) << messages[0].toStdString();
    EXPECT_GT(messages[0].size(), QStringLiteral("broken.docx").size() + 10) << "the reason is given";
    EXPECT_EQ(word().Documents()->Count(), 1);
    EXPECT_EQ(windows().Windows().size(), 1u);
    EXPECT_FALSE(word().ActiveDocument()->Saved()) << "the open document keeps its changes";

    OpenFromMenu(window, temp / "missing.docx");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].contains(QStringLiteral("missing.docx")));
    EXPECT_EQ(word().Documents()->Count(), 1);
}

TEST_F(DocumentWindowTest, ClosingAModifiedDocumentAsksAndTheAnswerIsFollowed) {
    const fs::path file = Write("ask.docx", SampleBody());
    const std::string original = MainPart(file);
    DocumentWindow* window = OpenThroughWelcome(file);
    ASSERT_NE(window, nullptr);
    QPointer<DocumentWindow> watched(window);

    window->CloseAction->trigger();  // unmodified: closes without a question
    EXPECT_TRUE(saveQuestions.empty());
    EXPECT_EQ(word().Documents()->Count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());

    shell().ShowFileOpenDialog();  // cancelled
    EXPECT_EQ(word().Documents()->Count(), 0);
    filesToOpen.push_back(file.string());
    shell().ShowFileOpenDialog();
    ASSERT_EQ(word().Documents()->Count(), 1);
    window = windows().WindowOf(*word().ActiveDocument());
    ASSERT_NE(window, nullptr);
    word().ActiveDocument()->Content()->Font()->SetBold(w::wdTrue);
    window->RefreshTitle();

    saveAnswers = {SaveAnswer::Cancel};
    window->close();
    EXPECT_EQ(saveQuestions, std::vector<QString>{QStringLiteral("ask.docx")});
    EXPECT_TRUE(window->isVisible()) << "cancelled: the document stays open";

    saveAnswers = {SaveAnswer::Discard};
    window->close();
    EXPECT_EQ(word().Documents()->Count(), 0);
    EXPECT_EQ(MainPart(file), original) << "dropped changes are not written";

    filesToOpen.push_back(file.string());
    shell().ShowFileOpenDialog();
    window = windows().WindowOf(*word().ActiveDocument());
    word().ActiveDocument()->Content()->Font()->SetBold(w::wdTrue);
    saveAnswers = {SaveAnswer::Save};
    window->close();
    EXPECT_EQ(word().Documents()->Count(), 0);
    EXPECT_NE(MainPart(file), original) << "saved on the way out";
}

}  // namespace
}  // namespace dorvane::shell::wordwindow::testing
