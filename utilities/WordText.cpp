#include "utilities/WordText.h"

namespace dorvane::utilities {

std::string_view TrimSpaces(std::string_view text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

long Utf16Length(std::string_view text) {
    long length = 0;
    for (unsigned char byte : text) {
        if ((byte & 0xC0) == 0x80) continue;  // continuation byte
        // A four-byte sequence is a character outside the BMP: two units.
        length += (byte >= 0xF0) ? 2 : 1;
    }
    return length;
}

}  // namespace dorvane::utilities
