#pragma once

// The one text-to-number conversion of the program: optional blanks, an
// optional sign, digits with optional thousands commas (groups of three),
// an optional decimal point and digits, an optional exponent, optional
// blanks; nothing else. "1,234.56", "-3", " 12.5 ", "1e3", ".5" are
// numbers; "", "12%", "-", "1,23", "abc" are not.

#include <optional>
#include <string_view>

namespace dorvane::platform {

std::optional<double> ParseNumber(std::string_view text);
// Single precision, as the program's option fields are read.
std::optional<float> ParseSingle(std::string_view text);

}  // namespace dorvane::platform
