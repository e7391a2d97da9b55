#pragma once

// The map between the preview of a document and the document's character
// positions: each preview paragraph knows where its paragraph starts, each
// preview table knows its cells' positions. A place or a selection in the
// preview (text, a block of cells, a whole table) turns into the
// Range(start, end) that Word's own selection would be, and back.

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <optional>
#include <vector>

class QTextDocument;
class QTextTable;

namespace dorvane::shell::wordwindow {

struct DocumentSpan {
    long start = 0;
    long end = 0;
    bool operator==(const DocumentSpan&) const = default;
};

class PreviewSelection {
public:
    // While the preview is built: a preview block (its userState is set to
    // an index here) holds the paragraph that starts at `start`.
    void AddParagraph(QTextBlock& block, long start);
    // A preview table of rows x columns grid cells; then each visible cell
    // at its grid place.
    void AddTable(QTextTable* table, int rows, int columns);
    void AddCell(QTextTable* table, int row, int column, DocumentSpan span);
    void Clear();

    // The document span of a preview cursor: a block of cells when cells
    // are selected, else the text between anchor and position (empty for a
    // caret). Nothing when the cursor stands where no paragraph maps
    // (a grid place no cell covers).
    std::optional<DocumentSpan> ToDocument(const QTextCursor& cursor) const;
    // The preview cursor that selects a document span: cells when both
    // ends lie in different cells of one table.
    QTextCursor ToPreview(QTextDocument* document, DocumentSpan span) const;

private:
    struct TableCells {
        int columns = 0;
        std::vector<DocumentSpan> cells;  // by grid place, row by row
    };
    std::optional<long> PositionOf(QTextDocument* document, int previewPosition) const;
    std::optional<DocumentSpan> CellBlock(const QTextCursor& cursor) const;
    int PreviewPositionOf(QTextDocument* document, long position) const;

    std::vector<long> paragraphStarts_;  // by block userState
    // Preview block positions of the paragraphs in document order (for
    // turning positions back), with their document starts.
    std::vector<std::pair<long, int>> byPosition_;
    QHash<const QTextTable*, TableCells> tables_;
};

}  // namespace dorvane::shell::wordwindow
