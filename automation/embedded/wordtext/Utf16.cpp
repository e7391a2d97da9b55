#include "automation/embedded/wordtext/Utf16.h"

namespace dorvane::wordtext {

namespace {

// Length in bytes of the UTF-8 sequence starting at `i` (1 for an invalid
// lead byte or a truncated sequence) and its code point.
std::size_t Decode(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t len = 1;
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    if ((b & 0xE0) == 0xC0) {
        len = 2;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4;
        cp = b & 0x07;
    } else {
        cp = 0xFFFD;
        return 1;
    }
    if (i + len > s.size()) {
        cp = 0xFFFD;
        return 1;
    }
    for (std::size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            cp = 0xFFFD;
            return 1;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    return len;
}

std::size_t UnitsOf(char32_t cp) { return cp >= 0x10000 && cp != 0xFFFD ? 2 : 1; }

}  // namespace

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    char32_t cp = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        i += Decode(utf8, i, cp);
        units += UnitsOf(cp);
    }
    return units;
}

std::size_t Utf8OffsetOf(std::string_view utf8, std::size_t units) {
    std::size_t i = 0;
    std::size_t seen = 0;
    char32_t cp = 0;
    while (i < utf8.size()) {
        const std::size_t len = Decode(utf8, i, cp);
        const std::size_t u = UnitsOf(cp);
        if (seen + u > units) break;  // the offset is before or inside this character
        seen += u;
        i += len;
    }
    return i;
}

std::size_t Utf16OffsetOf(std::string_view utf8, std::size_t bytes) {
    std::size_t units = 0;
    char32_t cp = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = Decode(utf8, i, cp);
        if (i + len > bytes) break;
        i += len;
        units += UnitsOf(cp);
    }
    return units;
}

std::string Utf16Slice(std::string_view utf8, std::size_t from, std::size_t to) {
    if (to <= from) return {};
    const std::size_t a = Utf8OffsetOf(utf8, from);
    const std::size_t b = Utf8OffsetOf(utf8, to);
    return std::string(utf8.substr(a, b - a));
}

std::u16string ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    char32_t cp = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        i += Decode(utf8, i, cp);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string EncodeUtf8(char32_t cp) {
    std::string out;
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::string ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        out += EncodeUtf8(cp);
    }
    return out;
}

}  // namespace dorvane::wordtext
