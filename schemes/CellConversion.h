#pragma once

// How the scheme loader reads a cell's value into a switch or a list field.

#include <cstdint>
#include <optional>
#include <string>

#include "automation/excel/CellValue.h"

namespace dorvane::schemes {

// A cell's value as a 16-bit whole number: a whole number unchanged, a
// fraction to the nearest whole number (a half to the even neighbour),
// numeric text read as its number, 0 for an empty cell, -1 and 0 for TRUE
// and FALSE. Nothing for text that is no number, an error value, or a
// number outside -32768..32767.
std::optional<std::int16_t> CellToInt16(const excel::CellValue& value);

// A cell's value as text: "" for an empty cell, the text of a text cell,
// the shortest decimal text that reads back as the same number for a number
// (0.5 -> "0.5", 1 -> "1", 100000 -> "100000"; scientific notation only
// below 1e-5 and from 1e15 on), "TRUE"/"FALSE", and an error's code.
std::string CellToText(const excel::CellValue& value);

// The shortest decimal text of a number, as above.
std::string NumberText(double number);

// A cell's value as it reads in a message: text in quotation marks, other
// values as CellToText gives them.
std::string DescribeCellValue(const excel::CellValue& value);

}  // namespace dorvane::schemes
