// The read-only picture of a document that its window shows: runs with
// their fonts, paragraph format, tables with merged cells and borders, and
// the positions that map it back onto ranges.

#include <gtest/gtest.h>

#include "automation/embedded/word/DocumentView.h"
#include "tests/common/TestSupport.h"
#include "tests/word/Docx.h"

namespace dorvane::word_testing {
namespace {

namespace w = dorvane::word;
namespace ew = dorvane::embedded::word;

class DocumentViewTest : public ::testing::Test {
protected:
    dorvane::testing::TempDir dir;
};

TEST_F(DocumentViewTest, ParagraphsCarryTheirRunsFormatAndPositions) {
    const std::string styles =
        "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Arial\" w:eastAsia=\"宋体\"/>"
        "<w:sz w:val=\"21\"/></w:rPr></w:rPrDefault></w:docDefaults>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading\"><w:rPr><w:b/><w:sz w:val=\"32\"/></w:rPr></w:style>";
    DocxParts parts;
    parts.styles = styles;
    parts.body = P("标题", "<w:pStyle w:val=\"Heading\"/><w:jc w:val=\"center\"/>") +
                 "<w:p><w:pPr><w:ind w:left=\"480\" w:firstLineChars=\"200\"/><w:spacing w:before=\"240\" "
                 "w:line=\"360\" w:lineRule=\"auto\"/></w:pPr><w:r><w:t>plain </w:t></w:r>"
                 "<w:r><w:rPr><w:b/><w:i/></w:rPr><w:t>bold</w:t></w:r><w:r><w:tab/><w:t>x</w:t></w:r></w:p>";
    Session s(WriteDocx(dir / "p.docx", parts));
    ew::DocumentView view = ew::ViewDocument(*s.doc);
    ASSERT_EQ(view.blocks.size(), 2u);
    EXPECT_EQ(view.length, s.doc->Content()->End());

    const ew::ParagraphView& title = view.blocks[0].paragraph;
    ASSERT_EQ(title.runs.size(), 1u);
    EXPECT_EQ(title.runs[0].text, "标题");
    EXPECT_TRUE(title.runs[0].bold);
    EXPECT_DOUBLE_EQ(title.runs[0].size, 16.0);
    EXPECT_EQ(title.runs[0].font, "Arial");
    EXPECT_EQ(title.runs[0].fontFarEast, "宋体");
    EXPECT_EQ(title.alignment, w::wdAlignParagraphCenter);
    EXPECT_EQ(title.start, 0);
    EXPECT_EQ(title.end, 3);

    const ew::ParagraphView& body = view.blocks[1].paragraph;
    ASSERT_EQ(body.runs.size(), 3u);
    EXPECT_FALSE(body.runs[0].bold);
    EXPECT_TRUE(body.runs[1].bold);
    EXPECT_TRUE(body.runs[1].italic);
    EXPECT_EQ(body.runs[2].text, "\tx") << "marks keep one character per position";
    EXPECT_EQ(body.start, 3);
    EXPECT_EQ(body.end, s.doc->Content()->End());
    EXPECT_DOUBLE_EQ(body.leftIndent, 24.0);
    EXPECT_DOUBLE_EQ(body.firstLineIndent, 21.0) << "two characters of 10.5 pt";
    EXPECT_DOUBLE_EQ(body.spaceBefore, 12.0);
    EXPECT_EQ(body.lineRule, w::wdLineSpace1pt5);
}

TEST_F(DocumentViewTest, TablesCarryMergedCellsBordersAlignmentAndCellPositions) {
    // Row 1: a cell spanning two columns; column 1 merged down rows 2-3.
    std::string tblPr =
        "<w:tblBorders><w:top w:val=\"double\" w:sz=\"12\"/><w:left w:val=\"nil\"/>"
        "<w:bottom w:val=\"single\" w:sz=\"8\"/><w:right w:val=\"nil\"/>"
        "<w:insideH w:val=\"dotted\" w:sz=\"4\"/><w:insideV w:val=\"single\" w:sz=\"4\"/></w:tblBorders>";
    Session s(WriteDocx(dir / "t.docx", P("x") + Tbl("head|<|c;m|1|2;^|3|4", tblPr) + P("")));
    s.Table(1)->Cell(2, 2)->SetVerticalAlignment(w::wdCellAlignVerticalCenter);
    ew::DocumentView view = ew::ViewDocument(*s.doc);
    ASSERT_EQ(view.blocks.size(), 3u);
    ASSERT_TRUE(view.blocks[1].isTable);
    const ew::TableView& table = *view.blocks[1].table;
    EXPECT_EQ(table.rows, 3);
    EXPECT_EQ(table.columns, 3);
    EXPECT_EQ(table.columnWidths.size(), 3u);
    ASSERT_EQ(table.cells.size(), 7u) << "the covered cell below the merge is not shown";

    const ew::CellView& head = table.cells[0];
    EXPECT_EQ(head.columnSpan, 2);
    EXPECT_EQ(head.top.style, w::wdLineStyleDouble);
    EXPECT_EQ(head.top.width, 12);
    EXPECT_EQ(head.left.style, w::wdLineStyleNone);
    EXPECT_EQ(head.bottom.style, w::wdLineStyleDot) << "an inside line below the first row";
    EXPECT_EQ(head.right.style, w::wdLineStyleSingle);

    const ew::CellView& merged = table.cells[2];
    EXPECT_EQ(merged.row, 1);
    EXPECT_EQ(merged.rowSpan, 2);
    EXPECT_EQ(merged.bottom.style, w::wdLineStyleSingle) << "the merge reaches the table's bottom";
    EXPECT_EQ(table.cells[3].verticalAlignment, w::wdCellAlignVerticalCenter);

    auto cell = s.Table(1)->Cell(2, 2)->Range();
    EXPECT_EQ(table.cells[3].start, cell->Start());
    EXPECT_EQ(table.cells[3].end, cell->End());
    EXPECT_EQ(table.start, s.Table(1)->Range()->Start());
    EXPECT_EQ(table.end, s.Table(1)->Range()->End());
    ASSERT_EQ(table.cells[3].blocks.size(), 1u);
    EXPECT_EQ(table.cells[3].blocks[0].paragraph.runs.at(0).text, "1");
}

TEST_F(DocumentViewTest, TextWidthIsTheWidestSectionsSoALandscapeSectionFits) {
    // A landscape first section (closed by a section break) and a portrait
    // last one.
    const std::string body =
        "<w:p><w:pPr><w:sectPr><w:pgSz w:w=\"16838\" w:h=\"11906\" w:orient=\"landscape\"/>"
        "<w:pgMar w:left=\"1440\" w:right=\"1440\"/></w:sectPr></w:pPr><w:r><w:t>wide</w:t></w:r></w:p>" +
        P("narrow") + "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:left=\"1800\" w:right=\"1800\"/></w:sectPr>";
    Session s(WriteDocx(dir / "sections.docx", body));
    EXPECT_DOUBLE_EQ(ew::ViewDocument(*s.doc).textWidth, (16838 - 2880) / 20.0);
    Session portrait(WriteDocx(dir / "portrait.docx", P("one") +
                                                          "<w:sectPr><w:pgSz w:w=\"11906\"/><w:pgMar w:left=\"1800\" "
                                                          "w:right=\"1800\"/></w:sectPr>"));
    EXPECT_DOUBLE_EQ(ew::ViewDocument(*portrait.doc).textWidth, 8306 / 20.0);
}

TEST_F(DocumentViewTest, CorpusDocumentViewCoversTheWholeText) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/d4j_tables.docx");
    Session s(file);
    ew::DocumentView view = ew::ViewDocument(*s.doc);
    int tables = 0;
    long last = 0;
    for (const ew::BlockView& block : view.blocks) {
        long start = block.isTable ? block.table->start : block.paragraph.start;
        EXPECT_EQ(start, last) << "blocks follow each other without gaps";
        last = block.isTable ? block.table->end : block.paragraph.end;
        tables += block.isTable;
    }
    EXPECT_EQ(last, view.length);
    EXPECT_EQ(tables, s.doc->Tables()->Count());
}

}  // namespace
}  // namespace dorvane::word_testing
