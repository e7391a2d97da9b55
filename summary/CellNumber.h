#pragma once

// How the summation reads a cell's value as a number.

#include <optional>

#include "automation/excel/CellValue.h"

namespace dorvane::summary {

// Empty gives 0, a number itself, a logical value -1 (true) or 0 (false),
// a date its serial number, text the number it reads as through the
// program's one text-to-number conversion. Text that is no number and error
// values give nothing, and so does a value outside the double range.
std::optional<double> CellNumber(const excel::CellValue& value);

}  // namespace dorvane::summary
