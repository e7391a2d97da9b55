#pragma once

// Builds the preview of a document (a QTextDocument) from its read-only
// picture: paragraphs with their fonts, alignment, indents and spacing;
// tables with column widths, merged cells, each cell's borders per side
// (style and width) and vertical alignment. Lengths in points become
// pixels at 96 per inch.

#include <QTextDocument>
#include <memory>

#include "automation/embedded/word/DocumentView.h"
#include "shell/word/PreviewSelection.h"

namespace dorvane::shell::wordwindow {

// Pixels for a length in points.
double PointsToPixels(double points);

// The width of the preview's page between its margins, in points: the
// document's text width, or the widest table when that is wider.
double PageTextWidth(const embedded::word::DocumentView& view);

// The preview of `view`; `map` is filled with its positions.
std::unique_ptr<QTextDocument> BuildPreview(const embedded::word::DocumentView& view, PreviewSelection& map);

// The character the preview shows for one of Word's marks inside a
// paragraph (tab, line break, object mark...), one UTF-16 unit each so
// that preview and document positions stay aligned.
QChar PreviewCharacter(char16_t mark);

}  // namespace dorvane::shell::wordwindow
