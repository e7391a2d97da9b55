#include "shell/word/PreviewSelection.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

namespace dorvane::shell::wordwindow {

void PreviewSelection::AddParagraph(QTextBlock& block, long start) {
    block.setUserState(static_cast<int>(paragraphStarts_.size()));
    paragraphStarts_.push_back(start);
    byPosition_.emplace_back(start, block.position());
}

void PreviewSelection::AddTable(QTextTable* table, int rows, int columns) {
    TableCells& cells = tables_[table];
    cells.columns = columns;
    cells.cells.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), {-1, -1});
}

void PreviewSelection::AddCell(QTextTable* table, int row, int column, DocumentSpan span) {
    TableCells& cells = tables_[table];
    std::size_t index = static_cast<std::size_t>(row) * static_cast<std::size_t>(cells.columns) +
                        static_cast<std::size_t>(column);
    if (index < cells.cells.size()) cells.cells[index] = span;
}

void PreviewSelection::Clear() {
    paragraphStarts_.clear();
    byPosition_.clear();
    tables_.clear();
}

std::optional<long> PreviewSelection::PositionOf(QTextDocument* document, int previewPosition) const {
    QTextBlock block = document->findBlock(previewPosition);
    int index = block.userState();
    if (index < 0 || index >= static_cast<int>(paragraphStarts_.size())) return std::nullopt;
    return paragraphStarts_[static_cast<std::size_t>(index)] + (previewPosition - block.position());
}

std::optional<DocumentSpan> PreviewSelection::CellBlock(const QTextCursor& cursor) const {
    QTextTable* table = cursor.currentTable();
    auto found = table ? tables_.find(table) : tables_.end();
    if (found == tables_.end()) return std::nullopt;
    int firstRow = 0, rows = 0, firstColumn = 0, columns = 0;
    cursor.selectedTableCells(&firstRow, &rows, &firstColumn, &columns);
    const TableCells& cells = found.value();
    std::optional<DocumentSpan> span;
    for (int r = firstRow; r < firstRow + rows; ++r)
        for (int c = firstColumn; c < firstColumn + columns; ++c) {
            // A merged preview cell stands at the grid place of its origin.
            QTextTableCell cell = table->cellAt(r, c);
            std::size_t index = static_cast<std::size_t>(cell.row()) * static_cast<std::size_t>(cells.columns) +
                                static_cast<std::size_t>(cell.column());
            if (index >= cells.cells.size() || cells.cells[index].start < 0) continue;
            const DocumentSpan& one = cells.cells[index];
            if (!span) span = one;
            span->start = std::min(span->start, one.start);
            span->end = std::max(span->end, one.end);
        }
    return span;
}

std::optional<DocumentSpan> PreviewSelection::ToDocument(const QTextCursor& cursor) const {
    if (cursor.hasComplexSelection()) return CellBlock(cursor);
    QTextDocument* document = cursor.document();
    auto start = PositionOf(document, cursor.selectionStart());
    auto end = PositionOf(document, cursor.selectionEnd());
    if (!start || !end) return std::nullopt;
    return DocumentSpan{*start, *end};
}

int PreviewSelection::PreviewPositionOf(QTextDocument* document, long position) const {
    if (byPosition_.empty()) return 0;
    auto after = std::upper_bound(byPosition_.begin(), byPosition_.end(), position,
                                  [](long p, const std::pair<long, int>& entry) { return p < entry.first; });
    if (after == byPosition_.begin()) return byPosition_.front().second;
    const auto& [start, blockPosition] = *(after - 1);
    QTextBlock block = document->findBlock(blockPosition);
    int offset = static_cast<int>(std::min<long>(position - start, block.length() - 1));
    return blockPosition + offset;
}

QTextCursor PreviewSelection::ToPreview(QTextDocument* document, DocumentSpan span) const {
    QTextCursor cursor(document);
    cursor.setPosition(PreviewPositionOf(document, span.start));
    if (span.end <= span.start) return cursor;
    // The last character selected; a paragraph or cell mark is the end of
    // its preview block, and cannot be selected beyond it.
    int last = PreviewPositionOf(document, span.end - 1);
    QTextBlock block = document->findBlock(last);
    bool mark = last == block.position() + block.length() - 1;
    cursor.setPosition(mark ? last : last + 1, QTextCursor::KeepAnchor);
    return cursor;
}

}  // namespace dorvane::shell::wordwindow
