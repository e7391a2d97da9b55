#pragma once

// Small text helpers of the clean-ups, on the UTF-8 text Word returns.

#include <string_view>

namespace dorvane::utilities {

// Removes the space character (U+0020) at both ends, and nothing else:
// tabs, full-width spaces and Word's marks stay.
std::string_view TrimSpaces(std::string_view text);

// The length of a UTF-8 text in UTF-16 code units, as Word counts it.
long Utf16Length(std::string_view text);

}  // namespace dorvane::utilities
