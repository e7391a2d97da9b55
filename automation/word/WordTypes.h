#pragma once

// Shared declarations of the Word object model: handle type, forward
// declarations and Word's published constants that the operations use.

#include <memory>

namespace dorvane::word {

template <class T>
using Ref = std::shared_ptr<T>;

class Application;
class Documents;
class Dialog;
class Document;
class Sections;
class Range;
class Selection;
class Tables;
class Table;
class Rows;
class Row;
class Columns;
class Column;
class Cells;
class Cell;
class Borders;
class Border;
class Paragraphs;
class Paragraph;
class ParagraphFormat;
class TabStops;
class Font;
class Find;
class Replacement;
class Fields;
class Field;
class InlineShapes;
class InlineShape;
class OLEFormat;

// Border indexes of a Borders collection.
constexpr int wdBorderTop = -1;
constexpr int wdBorderLeft = -2;
constexpr int wdBorderBottom = -3;
constexpr int wdBorderRight = -4;
constexpr int wdBorderHorizontal = -5;
constexpr int wdBorderVertical = -6;

// Line styles (the ones a .docx can hold are accepted by the embedded Word).
constexpr int wdLineStyleNone = 0;
constexpr int wdLineStyleSingle = 1;
constexpr int wdLineStyleDot = 2;
constexpr int wdLineStyleDouble = 7;

// Line widths, in eighths of a point.
constexpr int wdLineWidth025pt = 2;
constexpr int wdLineWidth050pt = 4;
constexpr int wdLineWidth075pt = 6;
constexpr int wdLineWidth100pt = 8;
constexpr int wdLineWidth150pt = 12;
constexpr int wdLineWidth225pt = 18;
constexpr int wdLineWidth300pt = 24;

// Returned by a property whose value differs across the range.
constexpr int wdUndefined = 9999999;
// Assigned to a toggling property (Font.Bold) to flip it.
constexpr int wdToggle = 9999998;
// Boolean values of Word's properties read as numbers.
constexpr int wdTrue = -1;
constexpr int wdFalse = 0;

// Paragraph alignment.
constexpr int wdAlignParagraphLeft = 0;
constexpr int wdAlignParagraphCenter = 1;
constexpr int wdAlignParagraphRight = 2;
constexpr int wdAlignParagraphJustify = 3;

// Line spacing rules.
constexpr int wdLineSpaceSingle = 0;
constexpr int wdLineSpace1pt5 = 1;
constexpr int wdLineSpaceDouble = 2;
constexpr int wdLineSpaceAtLeast = 3;
constexpr int wdLineSpaceExactly = 4;
constexpr int wdLineSpaceMultiple = 5;

// Cell vertical alignment.
constexpr int wdCellAlignVerticalTop = 0;
constexpr int wdCellAlignVerticalCenter = 1;
constexpr int wdCellAlignVerticalBottom = 3;

// Table preferred width types.
constexpr int wdPreferredWidthAuto = 1;
constexpr int wdPreferredWidthPercent = 2;
constexpr int wdPreferredWidthPoints = 3;

// Row height rules.
constexpr int wdRowHeightAuto = 0;
constexpr int wdRowHeightAtLeast = 1;
constexpr int wdRowHeightExactly = 2;

// AutoFitBehavior arguments.
constexpr int wdAutoFitFixed = 0;
constexpr int wdAutoFitContent = 1;
constexpr int wdAutoFitWindow = 2;

// Find.
constexpr int wdFindStop = 0;
constexpr int wdFindContinue = 1;
constexpr int wdReplaceNone = 0;
constexpr int wdReplaceOne = 1;
constexpr int wdReplaceAll = 2;

// Alerts.
constexpr int wdAlertsNone = 0;
constexpr int wdAlertsAll = -1;

// Inline shape types.
constexpr int wdInlineShapeEmbeddedOLEObject = 1;
constexpr int wdInlineShapeLinkedOLEObject = 2;
constexpr int wdInlineShapePicture = 3;

// PasteAndFormat types.
constexpr int wdPasteDefault = 0;

// Built-in dialogs.
constexpr int wdDialogFileOpen = 80;

}  // namespace dorvane::word
