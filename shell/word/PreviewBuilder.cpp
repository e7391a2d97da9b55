#include "shell/word/PreviewBuilder.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>
#include <algorithm>

#include "automation/word/WordTypes.h"
#include "shell/word/PreviewFonts.h"

namespace dorvane::shell::wordwindow {

namespace ew = embedded::word;
namespace w = dorvane::word;

namespace {

Qt::Alignment AlignmentOf(int alignment) {
    switch (alignment) {
        case w::wdAlignParagraphCenter: return Qt::AlignHCenter;
        case w::wdAlignParagraphRight: return Qt::AlignRight;
        case w::wdAlignParagraphLeft: return Qt::AlignLeft;
        default: return Qt::AlignJustify;  // justified and distributed
    }
}

QTextBlockFormat BlockFormatOf(const ew::ParagraphView& p) {
    QTextBlockFormat format;
    format.setAlignment(AlignmentOf(p.alignment));
    format.setLeftMargin(PointsToPixels(p.leftIndent));
    format.setRightMargin(PointsToPixels(p.rightIndent));
    format.setTextIndent(PointsToPixels(p.firstLineIndent));
    format.setTopMargin(PointsToPixels(p.spaceBefore));
    format.setBottomMargin(PointsToPixels(p.spaceAfter));
    switch (p.lineRule) {
        case w::wdLineSpace1pt5: format.setLineHeight(150, QTextBlockFormat::ProportionalHeight); break;
        case w::wdLineSpaceDouble: format.setLineHeight(200, QTextBlockFormat::ProportionalHeight); break;
        case w::wdLineSpaceMultiple:
            format.setLineHeight(std::max(10.0, p.lineSpacing / 12.0 * 100.0), QTextBlockFormat::ProportionalHeight);
            break;
        case w::wdLineSpaceAtLeast:
            format.setLineHeight(PointsToPixels(p.lineSpacing), QTextBlockFormat::MinimumHeight);
            break;
        case w::wdLineSpaceExactly:
            format.setLineHeight(PointsToPixels(p.lineSpacing), QTextBlockFormat::FixedHeight);
            break;
        default: break;  // single
    }
    return format;
}

QTextCharFormat CharFormatOf(const ew::RunView& run) {
    QTextCharFormat format;
    format.setFontFamilies(PreviewFamilies(run.font, run.fontFarEast));
    format.setFontPointSize(run.size > 0 ? run.size : 10.0);
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline);
    return format;
}

QString PreviewText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c.unicode() == 0x1E || c.unicode() == 0x1F) c = PreviewCharacter(c.unicode());
    return shown;
}

QTextFrameFormat::BorderStyle BorderStyleOf(int style) {
    switch (style) {
        case 0: return QTextFrameFormat::BorderStyle_None;
        case 2: return QTextFrameFormat::BorderStyle_Dotted;
        case 3: case 4: return QTextFrameFormat::BorderStyle_Dashed;
        case 5: case 20: return QTextFrameFormat::BorderStyle_DotDash;
        case 6: return QTextFrameFormat::BorderStyle_DotDotDash;
        case 21: return QTextFrameFormat::BorderStyle_Ridge;
        case 22: return QTextFrameFormat::BorderStyle_Groove;
        case 23: return QTextFrameFormat::BorderStyle_Outset;
        case 24: return QTextFrameFormat::BorderStyle_Inset;
        default:
            // Double, triple and the thin-thick pairs read as double lines;
            // waves and other lines as single ones.
            return style >= 7 && style <= 17 ? QTextFrameFormat::BorderStyle_Double
                                             : QTextFrameFormat::BorderStyle_Solid;
    }
}

// Pixels of a border: at least one pixel for a thin line, three for a
// double one (so that its two strokes show).
double BorderPixels(const ew::BorderView& border) {
    if (border.style == 0) return 0;
    double pixels = std::max(1.0, PointsToPixels(border.width / 8.0));
    if (BorderStyleOf(border.style) == QTextFrameFormat::BorderStyle_Double) pixels = std::max(3.0, pixels);
    return pixels;
}

// About how high a cell's text stands, in pixels: one line per paragraph
// and line break, as high as its largest font and its line spacing.
double TextHeight(const std::vector<ew::BlockView>& blocks) {
    double height = 0;
    for (const ew::BlockView& block : blocks) {
        if (block.isTable) {
            for (double row : block.table->rowHeights) height += PointsToPixels(std::max(row, 12.0));
            continue;
        }
        const ew::ParagraphView& p = block.paragraph;
        double size = p.runs.empty() ? 10.5 : 0;
        int lines = 1;
        for (const ew::RunView& run : p.runs) {
            size = std::max(size, run.size);
            lines += static_cast<int>(std::count(run.text.begin(), run.text.end(), '\v'));
        }
        double line = PointsToPixels(size) * 1.3;
        switch (p.lineRule) {
            case w::wdLineSpace1pt5: line *= 1.5; break;
            case w::wdLineSpaceDouble: line *= 2; break;
            case w::wdLineSpaceMultiple: line *= std::max(0.1, p.lineSpacing / 12.0); break;
            case w::wdLineSpaceAtLeast: line = std::max(line, PointsToPixels(p.lineSpacing)); break;
            case w::wdLineSpaceExactly: line = PointsToPixels(p.lineSpacing); break;
            default: break;
        }
        height += lines * line + PointsToPixels(p.spaceBefore + p.spaceAfter);
    }
    return height;
}

// The height a cell's rows are given (points; 0 when they all take their
// text's height).
double RowsHeight(const ew::CellView& cell, const ew::TableView& table) {
    double height = 0;
    for (int r = cell.row; r < cell.row + cell.rowSpan && r < static_cast<int>(table.rowHeights.size()); ++r)
        height += table.rowHeights[static_cast<std::size_t>(r)];
    return height;
}

QTextTableCellFormat CellFormatOf(const ew::CellView& cell, const ew::TableView& table) {
    QTextTableCellFormat format;
    if (!cell.fill.empty()) format.setBackground(QColor(QString::fromStdString("#" + cell.fill)));
    const QBrush ink(Qt::black);
    format.setTopBorder(BorderPixels(cell.top));
    format.setTopBorderStyle(BorderStyleOf(cell.top.style));
    format.setTopBorderBrush(ink);
    format.setLeftBorder(BorderPixels(cell.left));
    format.setLeftBorderStyle(BorderStyleOf(cell.left.style));
    format.setLeftBorderBrush(ink);
    format.setBottomBorder(BorderPixels(cell.bottom));
    format.setBottomBorderStyle(BorderStyleOf(cell.bottom.style));
    format.setBottomBorderBrush(ink);
    format.setRightBorder(BorderPixels(cell.right));
    format.setRightBorderStyle(BorderStyleOf(cell.right.style));
    format.setRightBorderBrush(ink);
    format.setTopPadding(PointsToPixels(table.padding[0]));
    format.setLeftPadding(PointsToPixels(table.padding[1]));
    format.setBottomPadding(PointsToPixels(table.padding[2]));
    format.setRightPadding(PointsToPixels(table.padding[3]));
    // A row higher than its text: the room left goes above or below the
    // text as the cell aligns it (the preview's table has no row heights).
    const double room = PointsToPixels(RowsHeight(cell, table)) - TextHeight(cell.blocks) -
                        format.topPadding() - format.bottomPadding();
    if (room > 0) {
        const double above = cell.verticalAlignment == w::wdCellAlignVerticalCenter   ? room / 2
                             : cell.verticalAlignment == w::wdCellAlignVerticalBottom ? room
                                                                                      : 0;
        format.setTopPadding(format.topPadding() + above);
        format.setBottomPadding(format.bottomPadding() + room - above);
    }
    if (cell.verticalAlignment == w::wdCellAlignVerticalCenter)
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    else if (cell.verticalAlignment == w::wdCellAlignVerticalBottom)
        format.setVerticalAlignment(QTextCharFormat::AlignBottom);
    else
        format.setVerticalAlignment(QTextCharFormat::AlignTop);
    return format;
}

class Builder {
public:
    explicit Builder(PreviewSelection& map) : map_(map) {}

    // Puts the blocks at the cursor, which stands in an empty preview
    // block that the first paragraph takes over.
    void Blocks(QTextCursor& cursor, const std::vector<ew::BlockView>& blocks) {
        bool fresh = true;
        for (const ew::BlockView& block : blocks) {
            if (block.isTable) {
                if (!fresh) cursor.insertBlock();
                Table(cursor, *block.table);
            } else {
                if (!fresh) cursor.insertBlock();
                Paragraph(cursor, block.paragraph);
            }
            // After a table the preview has an empty block of its own.
            fresh = block.isTable;
        }
    }

private:
    void Paragraph(QTextCursor& cursor, const ew::ParagraphView& p) {
        cursor.setBlockFormat(BlockFormatOf(p));
        QTextBlock block = cursor.block();
        map_.AddParagraph(block, p.start);
        if (p.runs.empty()) {
            // An empty paragraph is as high as its mark's font. Merged, not
            // set: the first block of a table cell shares its mark with the
            // cell, whose format holds the cell's spans and borders.
            QTextCharFormat mark;
            mark.setFontPointSize(10.5);
            cursor.mergeBlockCharFormat(mark);
        }
        for (const ew::RunView& run : p.runs) cursor.insertText(PreviewText(run.text), CharFormatOf(run));
    }

    void Table(QTextCursor& cursor, const ew::TableView& view) {
        int rows = std::max(view.rows, 1);
        int columns = std::max(view.columns, 1);
        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setBorder(0);
        format.setCellSpacing(0);
        format.setCellPadding(0);
        format.setMargin(0);
        format.setLeftMargin(PointsToPixels(view.leftIndent));
        format.setAlignment(Qt::AlignLeft);
        QList<QTextLength> widths;
        for (double width : view.columnWidths) widths << QTextLength(QTextLength::FixedLength, PointsToPixels(width));
        format.setColumnWidthConstraints(widths);
        QTextTable* table = cursor.insertTable(rows, columns, format);
        map_.AddTable(table, rows, columns);
        for (const ew::CellView& cell : view.cells)
            if (cell.rowSpan > 1 || cell.columnSpan > 1)
                table->mergeCells(cell.row, cell.column, cell.rowSpan, cell.columnSpan);
        for (const ew::CellView& cell : view.cells) {
            QTextTableCell place = table->cellAt(cell.row, cell.column);
            if (!place.isValid()) continue;
            place.setFormat(CellFormatOf(cell, view));
            map_.AddCell(table, cell.row, cell.column, {cell.start, cell.end});
            QTextCursor inside = place.firstCursorPosition();
            Blocks(inside, cell.blocks);
        }
        cursor = table->lastCursorPosition();
        cursor.movePosition(QTextCursor::NextBlock);
    }

    PreviewSelection& map_;
};

}  // namespace

double PointsToPixels(double points) { return points * 96.0 / 72.0; }

double PageTextWidth(const ew::DocumentView& view) {
    // The view knows the last section's page; a table as wide as an
    // earlier, wider section's page still fits on the preview's page.
    double width = view.textWidth;
    for (const ew::BlockView& block : view.blocks) {
        if (!block.isTable) continue;
        double table = std::max(0.0, block.table->leftIndent);
        for (double column : block.table->columnWidths) table += column;
        width = std::max(width, table);
    }
    return width;
}

QChar PreviewCharacter(char16_t mark) {
    switch (mark) {
        case u'\t': return QChar(u'\t');
        case 11: case 12: case 14: return QChar(QChar::LineSeparator);  // line, page, column break
        case 1: return QChar(0x25A1);   // a picture or object: a white square
        case 2: return QChar(u'*');     // a note reference
        case 30: return QChar(0x2011);  // non-breaking hyphen
        case 31: return QChar(0x00AD);  // soft hyphen
        default: return QChar(u' ');
    }
}

std::unique_ptr<QTextDocument> BuildPreview(const ew::DocumentView& view, PreviewSelection& map) {
    map.Clear();
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setDocumentMargin(PointsToPixels(36));
    document->setTextWidth(PointsToPixels(PageTextWidth(view) + 72));
    QTextCursor cursor(document.get());
    cursor.beginEditBlock();
    Builder(map).Blocks(cursor, view.blocks);
    cursor.endEditBlock();
    return document;
}

}  // namespace dorvane::shell::wordwindow
