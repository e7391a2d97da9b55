#pragma once

// Table, row and cell properties in the XML: preferred width, layout,
// cell margins, indent, row height, heading rows, vertical alignment, and
// deleting rows.

#include <pugixml.hpp>

namespace dorvane::embedded::word {

class DocumentData;

enum class Side { Top, Left, Bottom, Right };

namespace tablefmt {

int PreferredWidthType(DocumentData& doc, pugi::xml_node table);
void SetPreferredWidthType(DocumentData& doc, pugi::xml_node table, int type);
double PreferredWidth(DocumentData& doc, pugi::xml_node table);
void SetPreferredWidth(DocumentData& doc, pugi::xml_node table, double width);
bool AllowAutoFit(DocumentData& doc, pugi::xml_node table);
void SetAllowAutoFit(DocumentData& doc, pugi::xml_node table, bool allow);
void AutoFitBehavior(DocumentData& doc, pugi::xml_node table, int behavior);

// The table's default cell margin on one side, in points.
double CellMargin(DocumentData& doc, pugi::xml_node table, Side side);
void SetCellMargin(DocumentData& doc, pugi::xml_node table, Side side, double points);
// One cell's own margin (else the table's), in points.
double CellPadding(DocumentData& doc, pugi::xml_node cell, Side side);
void SetCellPadding(DocumentData& doc, pugi::xml_node cell, Side side, double points);
int VerticalAlignment(DocumentData& doc, pugi::xml_node cell);
void SetVerticalAlignment(DocumentData& doc, pugi::xml_node cell, int alignment);

double LeftIndent(DocumentData& doc, pugi::xml_node table);
void SetLeftIndent(DocumentData& doc, pugi::xml_node table, double points);
int HeightRule(DocumentData& doc, pugi::xml_node row);
void SetHeightRule(DocumentData& doc, pugi::xml_node row, int rule);
double Height(DocumentData& doc, pugi::xml_node row);
void SetHeight(DocumentData& doc, pugi::xml_node row, double points);
bool HeadingFormat(DocumentData& doc, pugi::xml_node row);
void SetHeadingFormat(DocumentData& doc, pugi::xml_node row, bool repeat);

// Deletes rows row1..row2 (0-based) of a table; a table left without rows
// is removed. Returns the position where the rows stood.
long DeleteRows(DocumentData& doc, pugi::xml_node table, int row1, int row2);

}  // namespace tablefmt
}  // namespace dorvane::embedded::word
