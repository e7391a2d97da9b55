#pragma once

// The child order that WordprocessingML requires of the property elements
// this Word writes. Word refuses or repairs a file whose children are out
// of order, so every property element is inserted through these lists.

#include "automation/embedded/word/Xml.h"

namespace dorvane::embedded::word::order {

extern const ChildOrder kParagraphProperties;  // w:pPr
extern const ChildOrder kRunProperties;        // w:rPr (also the mark's w:pPr/w:rPr)
extern const ChildOrder kRun;                  // w:r: w:rPr first
extern const ChildOrder kParagraph;            // w:p: w:pPr first
extern const ChildOrder kTableProperties;      // w:tblPr
extern const ChildOrder kTable;                // w:tbl: w:tblPr, w:tblGrid, rows
extern const ChildOrder kRowProperties;        // w:trPr
extern const ChildOrder kRow;                  // w:tr: w:tblPrEx, w:trPr, cells
extern const ChildOrder kCellProperties;       // w:tcPr
extern const ChildOrder kCell;                 // w:tc: w:tcPr first
extern const ChildOrder kBorders;              // w:tblBorders, w:tcBorders, w:pBdr
extern const ChildOrder kMargins;              // w:tblCellMar, w:tcMar
extern const ChildOrder kSettings;             // w:settings
extern const ChildOrder kTableExceptions;      // w:tblPrEx

}  // namespace dorvane::embedded::word::order
