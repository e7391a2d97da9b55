#pragma once

// What a user types into a cell and what the cell's editor starts with.
// A number typed becomes a number ("1,234.5", "-3", "1e3"), TRUE and FALSE
// become logical values, a leading apostrophe keeps the rest as text
// ("'007"), anything else stays text, and an empty entry clears the cell.

#include <string>

#include "automation/excel/CellValue.h"

namespace dorvane::shell {

excel::CellValue CellValueFromEntry(const std::string& entry);

// The text the editor opens with: numbers with up to 15 significant digits
// (as the cell holds them, not as their format rounds them), logical values
// as TRUE or FALSE, text and error codes as they are. A date opens with
// its displayed text, which `displayed` gives.
std::string EntryFromCellValue(const excel::CellValue& value, const std::string& displayed);

}  // namespace dorvane::shell
