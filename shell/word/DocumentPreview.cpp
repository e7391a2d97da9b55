#include "shell/word/DocumentPreview.h"

#include <QScrollBar>
#include <QTextFrame>
#include <QTextTable>
#include <functional>

#include "shell/word/PreviewBuilder.h"

namespace dorvane::shell::wordwindow {

DocumentPreview::DocumentPreview(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setStyleSheet(QStringLiteral("QTextEdit { background: white; color: black; }"));
    connect(this, &QTextEdit::selectionChanged, this, &DocumentPreview::ReportSelection);
    connect(this, &QTextEdit::cursorPositionChanged, this, &DocumentPreview::ReportSelection);
}

DocumentPreview::~DocumentPreview() {
    // The edit must not hold the page while the page goes.
    showing_ = true;
    setDocument(new QTextDocument(this));
}

void DocumentPreview::Show(const embedded::word::DocumentView& view) {
    const int scroll = verticalScrollBar()->value();
    showing_ = true;
    reported_.reset();
    std::unique_ptr<QTextDocument> page = BuildPreview(view, map_);
    setDocument(page.get());
    page_ = std::move(page);  // the previous page goes after the edit let go of it
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(static_cast<int>(PointsToPixels(PageTextWidth(view) + 72)));
    showing_ = false;
    verticalScrollBar()->setValue(scroll);
}

void DocumentPreview::ShowSelection(DocumentSpan span) {
    showing_ = true;
    const int scroll = verticalScrollBar()->value();
    setTextCursor(map_.ToPreview(document(), span));
    verticalScrollBar()->setValue(scroll);
    showing_ = false;
}

std::optional<DocumentSpan> DocumentPreview::SelectedSpan() const { return map_.ToDocument(textCursor()); }

QList<QTextTable*> DocumentPreview::Tables() const {
    QList<QTextTable*> tables;
    std::function<void(QTextFrame*)> collect = [&](QTextFrame* frame) {
        for (QTextFrame* child : frame->childFrames()) {
            if (auto* table = qobject_cast<QTextTable*>(child)) tables << table;
            collect(child);
        }
    };
    collect(document()->rootFrame());
    return tables;
}

bool DocumentPreview::SelectTableAtCaret() {
    QTextTable* table = textCursor().currentTable();
    if (!table) return false;
    SelectCells(table, 0, 0, table->rows() - 1, table->columns() - 1);
    return true;
}

void DocumentPreview::SelectCells(QTextTable* table, int row1, int column1, int row2, int column2) {
    QTextCursor cursor = table->cellAt(row1, column1).firstCursorPosition();
    cursor.setPosition(table->cellAt(row2, column2).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void DocumentPreview::ReportSelection() {
    if (showing_) return;
    auto span = SelectedSpan();
    if (!span || span == reported_) return;
    reported_ = span;
    emit selectionMoved(span->start, span->end);
}

}  // namespace dorvane::shell::wordwindow
