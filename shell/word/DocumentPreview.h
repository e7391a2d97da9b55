#pragma once

// The page of a document window: a read-only preview of the document in
// which the user selects text, cells or a whole table, as in Word. Every
// change of the preview's selection is reported as the document span it
// stands for.

#include <QTextEdit>
#include <memory>
#include <optional>

#include "automation/embedded/word/DocumentView.h"
#include "shell/word/PreviewSelection.h"

class QTextTable;

namespace dorvane::shell::wordwindow {

class DocumentPreview : public QTextEdit {
    Q_OBJECT
public:
    explicit DocumentPreview(QWidget* parent = nullptr);
    ~DocumentPreview() override;

    // Shows a new picture of the document, keeping the scroll position.
    void Show(const embedded::word::DocumentView& view);
    // Selects a document span in the preview without reporting it.
    void ShowSelection(DocumentSpan span);
    // The document span of the preview's selection (or caret).
    std::optional<DocumentSpan> SelectedSpan() const;

    // The preview tables in document order, nested ones after their
    // table's cells.
    QList<QTextTable*> Tables() const;
    // Selects every cell of the table the caret stands in; false outside
    // a table.
    bool SelectTableAtCaret();
    // Selects the block of cells from (row1, column1) to (row2, column2).
    void SelectCells(QTextTable* table, int row1, int column1, int row2, int column2);

signals:
    void selectionMoved(long start, long end);

private:
    void ReportSelection();

    PreviewSelection map_;
    std::unique_ptr<QTextDocument> page_;
    bool showing_ = false;  // a selection set by the program is not reported
    std::optional<DocumentSpan> reported_;
};

}  // namespace dorvane::shell::wordwindow
