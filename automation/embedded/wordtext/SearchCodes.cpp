#include "automation/embedded/wordtext/SearchCodes.h"

#include <cctype>
#include <cstdio>

#include "automation/embedded/wordtext/Utf16.h"

namespace dorvane::wordtext {

namespace {

std::string Escaped(char32_t cp) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "\\x{%X}", static_cast<unsigned>(cp));
    return buffer;
}

// The single characters that a code stands for in find and replace.
char32_t CharacterCode(char c) {
    switch (c) {
    case 't': return U'\t';
    case 'm': return U'\f';
    case 'l': return U'\v';
    case 'n': return U'\x0E';
    case 's': return U'\u00A0';
    case '~': return U'\x1E';
    case '-': return U'\x1F';
    case '+': return U'\u2014';
    case '=': return U'\u2013';
    case '^': return U'^';
    default: return 0;
    }
}

// "^nnn" (decimal, up to three digits or four after a leading 0) and
// "^unnnn"; advances `i` past the code. 0 when there is none.
char32_t NumericCode(std::string_view text, std::size_t& i) {
    std::size_t j = i + 1;
    std::size_t maxDigits = 3;
    if (j < text.size() && text[j] == 'u') {
        ++j;
        maxDigits = 6;
    } else if (j < text.size() && text[j] == '0') {
        maxDigits = 4;
    }
    const std::size_t first = j;
    char32_t value = 0;
    while (j < text.size() && j - first < maxDigits && std::isdigit(static_cast<unsigned char>(text[j]))) {
        value = value * 10 + static_cast<char32_t>(text[j] - '0');
        ++j;
    }
    if (j == first || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    i = j;
    return value;
}

}  // namespace

std::string LiteralCharacter(std::string_view text, std::size_t& i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x80) {
        std::size_t len = 1;
        while (i + len < text.size() && (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80 && len < 4) ++len;
        std::string out(text.substr(i, len));
        i += len;
        return out;
    }
    ++i;
    if (std::isalnum(b)) return std::string(1, static_cast<char>(b));
    return Escaped(b);
}

bool CaretFindCode(std::string_view text, std::size_t& i, std::string& fragment) {
    if (i + 1 >= text.size()) return false;
    const char c = text[i + 1];
    if (const char32_t cp = CharacterCode(c)) {
        fragment = Escaped(cp);
        i += 2;
        return true;
    }
    switch (c) {
    case 'p': fragment = "\\r"; break;
    case 'b': fragment = "\\x{FDD0}"; break;
    case 'g': fragment = "\\x{1}"; break;
    case 'e':
    case 'f': fragment = "\\x{2}"; break;
    case 'w': fragment = "[ \\t\\x{A0}\\x{3000}]+"; break;
    case '?': fragment = kAnyCharacter; break;
    case '#': fragment = "[0-9]"; break;
    case '$': fragment = "\\p{L}"; break;
    default: {
        const char32_t cp = NumericCode(text, i);
        if (cp == 0) return false;
        if (cp == 12) {
            fragment = "[\\f\\x{FDD0}]";
        } else {
            fragment = cp == 13 ? std::string("\\r") : Escaped(cp);
        }
        return true;
    }
    }
    i += 2;
    return true;
}

bool CaretClassCode(std::string_view text, std::size_t& i, std::string& fragment) {
    if (i + 1 >= text.size()) return false;
    if (const char32_t cp = CharacterCode(text[i + 1])) {
        fragment = Escaped(cp);
        i += 2;
        return true;
    }
    const char32_t cp = NumericCode(text, i);
    if (cp == 0) return false;
    fragment = cp == 12 ? std::string("\\f\\x{FDD0}") : cp == 13 ? std::string("\\r") : Escaped(cp);
    return true;
}

bool CaretReplacementCode(std::string_view text, std::size_t& i, std::string& out, std::string& why) {
    if (i + 1 >= text.size()) {
        why = "\"^\" at the end";
        return false;
    }
    const char c = text[i + 1];
    if (const char32_t cp = CharacterCode(c)) {
        out = EncodeUtf8(cp);
        i += 2;
        return true;
    }
    if (c == 'p' || c == 'b') {
        why = "a paragraph mark or section break cannot be inserted by a replacement";
        return false;
    }
    const char32_t cp = NumericCode(text, i);
    if (cp == 13) {
        why = "a paragraph mark or section break cannot be inserted by a replacement";
        return false;
    }
    const bool allowedControl = cp == 9 || cp == 11 || cp == 12 || cp == 14 || cp == 30 || cp == 31;
    if (cp == 0 || (cp < 32 && !allowedControl)) {
        why = "unknown \"^\" code";
        return false;
    }
    out = EncodeUtf8(cp);
    return true;
}

}  // namespace dorvane::wordtext
