#pragma once

// Reading and writing the value of one <c> element: shared and inline
// strings, numbers, booleans, errors, dates (by number format or t="d"),
// formulas (their cached value is read; writing replaces the formula).

#include <string>
#include <vector>

#include <pugixml.hpp>

#include "automation/excel/CellValue.h"
#include "automation/embedded/excel/SpreadsheetXml.h"

namespace dorvane::embedded::excel {

class Styles;

// Date serials the object model hands out are in the 1900 date system; a
// workbook in the 1904 system stores them 1462 days smaller.
constexpr double k1904Offset = 1462;

struct CellContext {
    const std::vector<std::string>* sharedStrings = nullptr;
    Styles* styles = nullptr;
    bool date1904 = false;
};

dorvane::excel::CellValue ReadCell(pugi::xml_node c, const Names& names, const CellContext& context);
int CellStyle(pugi::xml_node c);
bool HasFormula(pugi::xml_node c, const Names& names);

// Replaces the cell's content by `value` (Empty clears it). Returns
// whether a formula was removed.
bool WriteCell(pugi::xml_node c, const dorvane::excel::CellValue& value, const Names& names,
               CellContext& context);

// "2024-03-05T12:30:00" -> its 1900-system serial; nothing when malformed.
std::optional<double> SerialFromIso(std::string_view text);
// Text as SpreadsheetML stores it: characters XML cannot carry as _xHHHH_.
std::string EscapeCellText(const std::string& text);

}  // namespace dorvane::embedded::excel
