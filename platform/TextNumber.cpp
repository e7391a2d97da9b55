#include "platform/TextNumber.h"

#include <charconv>
#include <cmath>
#include <string>

namespace dorvane::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads digits with optional thousands commas into `out` (commas dropped).
// Commas must separate groups of exactly three digits after the first group.
bool ReadIntegerPart(std::string_view s, std::size_t& i, std::string& out) {
    std::size_t groupStart = i;
    bool sawComma = false;
    while (i < s.size() && IsDigit(s[i])) out.push_back(s[i++]);
    std::size_t firstGroup = i - groupStart;
    while (i < s.size() && s[i] == ',') {
        if (firstGroup == 0 || (!sawComma && firstGroup > 3)) return false;
        sawComma = true;
        std::size_t start = ++i;
        while (i < s.size() && IsDigit(s[i])) out.push_back(s[i++]);
        if (i - start != 3) return false;
    }
    return true;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    std::size_t i = 0, n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    while (n > i && IsBlank(text[n - 1])) --n;
    std::string_view s = text.substr(0, n);

    std::string clean;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') clean.push_back('-');
        ++i;
    }
    std::size_t digitsBefore = clean.size();
    if (!ReadIntegerPart(s, i, clean)) return std::nullopt;
    bool integerDigits = clean.size() > digitsBefore;
    bool fractionDigits = false;
    if (i < n && s[i] == '.') {
        clean.push_back('.');
        ++i;
        while (i < n && IsDigit(s[i])) {
            clean.push_back(s[i++]);
            fractionDigits = true;
        }
    }
    if (!integerDigits && !fractionDigits) return std::nullopt;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        clean.push_back('e');
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) clean.push_back(s[i++]);
        std::size_t start = i;
        while (i < n && IsDigit(s[i])) clean.push_back(s[i++]);
        if (i == start) return std::nullopt;
    }
    if (i != n) return std::nullopt;

    if (!clean.empty() && clean.back() == '.') clean.pop_back();
    double value = 0;
    const char* begin = clean.data();
    if (*begin == '.' || (*begin == '-' && begin[1] == '.')) {
        clean.insert(clean.begin() + (*begin == '-' ? 1 : 0), '0');
        begin = clean.data();
    }
    auto [end, ec] = std::from_chars(begin, clean.data() + clean.size(), value);
    if (ec != std::errc() || end != clean.data() + clean.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> ParseSingle(std::string_view text) {
    auto value = ParseNumber(text);
    if (!value) return std::nullopt;
    float single = static_cast<float>(*value);
    if (!std::isfinite(single)) return std::nullopt;
    return single;
}

}  // namespace dorvane::platform
