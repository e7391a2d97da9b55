#pragma once

// Borders of a table or of a block of its cells: the table's own borders
// (w:tblBorders), the cells' (w:tcBorders), row exceptions (w:tblPrEx) and
// the table style, combined as Word shows them.

#include <optional>
#include <string_view>

#include "automation/embedded/word/Target.h"

namespace dorvane::embedded::word {

enum class Edge { Top, Left, Bottom, Right, InsideHorizontal, InsideVertical };

// wdBorderTop (-1) .. wdBorderVertical (-6); nothing for other indexes.
std::optional<Edge> EdgeOfIndex(int index);

// Word's line-style code for an OOXML w:val, and back (nullptr for a code
// a .docx cannot hold).
int LineStyleCode(std::string_view value);
const char* LineStyleValue(int code);
// Whether a line width (eighths of a point) is one of Word's codes.
bool IsLineWidthCode(int width);

struct BorderValue {
    int style = 0;  // line-style code
    int width = 0;  // eighths of a point (w:sz)
};

// The effective border along one edge of a block; wdUndefined (9999999)
// in a field when the cells disagree.
BorderValue ReadBorder(DocumentData& doc, const CellBlock& block, Edge edge);
// Sets the style and/or width of one edge. On the whole table it sets the
// table's border and drops the cells' own borders along that edge; on a
// block it sets the cells' borders.
void WriteBorder(DocumentData& doc, const CellBlock& block, Edge edge, std::optional<int> style,
                 std::optional<int> width);

}  // namespace dorvane::embedded::word
