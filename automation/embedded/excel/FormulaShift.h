#pragma once

// Moving a formula's text to another cell: its relative references
// (A1, B$2, A:C, 3:5) shift by the offset, absolute parts stay, texts,
// quoted sheet names and structured references are left alone. A
// reference pushed off the sheet becomes #REF!.

#include <string>
#include <string_view>

namespace dorvane::embedded::excel {

std::string ShiftFormula(std::string_view formula, int rows, int columns);

}  // namespace dorvane::embedded::excel
