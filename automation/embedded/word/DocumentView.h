#pragma once

// A read-only picture of a document's main text, for the window that shows
// it: paragraphs with their format and the fonts of their runs, tables with
// their grid, merged cells, row heights, cell shading, cell borders per
// side and cell alignment. Every
// paragraph and cell carries its character positions, so that a place in
// the picture turns back into Document.Range(start, end). Built in one walk
// over the XML; a snapshot, to be built again after a change.

#include <memory>
#include <string>
#include <vector>

#include "automation/word/WordTypes.h"

namespace dorvane::embedded::word {

struct RunView {
    // UTF-8, one character per position of the document: Word's marks
    // (tab, line break, object mark...) stand as they do in Range.Text;
    // the paragraph mark is not included.
    std::string text;
    std::string font;         // Latin font
    std::string fontFarEast;  // East Asian font
    double size = 10;         // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct ParagraphView {
    long start = 0;  // position of the first character
    long end = 0;    // after the paragraph mark
    std::vector<RunView> runs;
    int alignment = 0;            // wdAlignParagraph...
    double leftIndent = 0;        // points (character units turned into points)
    double rightIndent = 0;
    double firstLineIndent = 0;   // negative for a hanging indent
    double spaceBefore = 0;       // points (line units turned into points)
    double spaceAfter = 0;
    int lineRule = 0;             // wdLineSpace...
    double lineSpacing = 12;      // points
};

struct BorderView {
    int style = 0;  // wdLineStyle... code; 0 none
    int width = 0;  // eighths of a point
};

struct BlockView;

struct CellView {
    int row = 0;  // grid position, 0-based
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    long start = 0;  // positions of the cell, end-of-cell mark included
    long end = 0;
    int verticalAlignment = 0;  // wdCellAlignVertical...
    std::string fill;           // shading colour "RRGGBB"; empty for none
    BorderView top, left, bottom, right;
    std::vector<BlockView> blocks;
};

struct TableView {
    long start = 0;
    long end = 0;
    int rows = 0;
    int columns = 0;
    std::vector<double> columnWidths;  // points, one per grid column
    std::vector<double> rowHeights;    // points, one per row; 0 for automatic
    std::vector<int> rowHeightRules;   // wdRowHeight..., one per row
    double leftIndent = 0;             // points
    double padding[4] = {0, 0, 0, 0};  // cell margins: top, left, bottom, right (points)
    std::vector<CellView> cells;       // visible cells, row by row
};

struct BlockView {
    bool isTable = false;
    ParagraphView paragraph;           // when not a table
    std::unique_ptr<TableView> table;  // when a table
};

struct DocumentView {
    std::vector<BlockView> blocks;
    long length = 0;         // positions of the main text
    double textWidth = 415;  // points between the page margins (widest section)
};

// The picture of an open document of the embedded Word. Throws
// AutomationError for another application's document or a closed one.
DocumentView ViewDocument(dorvane::word::Document& document);

}  // namespace dorvane::embedded::word
