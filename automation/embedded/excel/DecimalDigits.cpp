#include "automation/embedded/excel/DecimalDigits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dorvane::embedded::excel {

DecimalDigits DecimalDigits::Of(double value) {
    DecimalDigits d;
    value = std::fabs(value);
    if (value == 0 || !std::isfinite(value)) return d;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    // "d.dddddddddddddde+XX"
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    d.digits = digits;
    d.point = exponent + 1;
    return d;
}

void DecimalDigits::RoundToDecimals(int decimals) {
    int keep = point + decimals;
    if (keep >= static_cast<int>(digits.size())) return;
    if (keep < 0) {
        digits = "0";
        point = 1;
        return;
    }
    bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++point;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (digits.empty() || IsZero()) {
        digits = "0";
        point = 1;
    }
}

std::string DecimalDigits::IntegerPart() const {
    if (IsZero() || point <= 0) return "0";
    std::string result = digits.substr(0, static_cast<std::size_t>(point));
    if (static_cast<int>(result.size()) < point) result.append(static_cast<std::size_t>(point) - result.size(), '0');
    return result;
}

std::string DecimalDigits::FractionPart(int count) const {
    std::string result;
    if (count <= 0) return result;
    for (int i = 0; i < count; ++i) {
        int index = point + i;
        bool inside = !IsZero() && index >= 0 && index < static_cast<int>(digits.size());
        result += inside ? digits[static_cast<std::size_t>(index)] : '0';
    }
    return result;
}

std::string DecimalDigits::FullFraction() const {
    if (IsZero()) return {};
    int count = static_cast<int>(digits.size()) - point;
    std::string result = FractionPart(count);
    while (!result.empty() && result.back() == '0') result.pop_back();
    return result;
}

double DecimalDigits::ToDouble() const {
    if (IsZero()) return 0;
    std::string text = "0." + digits + "e" + std::to_string(point);
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace dorvane::embedded::excel
