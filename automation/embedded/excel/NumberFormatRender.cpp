// Rendering of number and date sections of a parsed number format.

#include <cmath>
#include <cstdint>

#include "automation/embedded/excel/DecimalDigits.h"
#include "automation/embedded/excel/NumberFormatParts.h"

namespace dorvane::embedded::excel {

using Section = NumberFormat::Section;
using Token = NumberFormat::Token;

namespace {

bool IsDigitToken(TokenType t) {
    return t == TokenType::Zero || t == TokenType::Hash || t == TokenType::Question;
}

std::string GroupThousands(const std::string& digits) {
    std::string out;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        out += digits[static_cast<std::size_t>(i)];
        int left = n - 1 - i;
        if (left > 0 && left % 3 == 0) out += ',';
    }
    return out;
}

// What a placeholder shows where the number has no digit.
std::string Filler(TokenType t) {
    return t == TokenType::Zero ? "0" : t == TokenType::Question ? " " : "";
}

// The texts of the integer placeholders, right-aligned: the first one also
// takes every digit beyond the placeholders' count.
std::vector<std::string> IntegerTexts(const std::vector<TokenType>& placeholders, std::string digits,
                                      bool thousands) {
    std::size_t n = placeholders.size();
    std::vector<std::string> texts(n);
    if (n == 0) return texts;
    if (digits == "0") digits.clear();  // "#" shows nothing for a zero integer part
    if (thousands) {
        std::size_t zeros = 0, blanks = 0;
        for (TokenType t : placeholders) {
            if (t == TokenType::Zero) ++zeros;
            if (t == TokenType::Question) ++blanks;
        }
        std::string all = digits;
        if (all.size() < zeros) all.insert(0, zeros - all.size(), '0');
        std::size_t pad = all.size() < zeros + blanks ? zeros + blanks - all.size() : 0;
        texts[0] = std::string(pad, ' ') + GroupThousands(all);
        return texts;
    }
    const std::string& all = digits;
    std::size_t d = all.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t slot = n - 1 - k;  // from the right
        if (k < d) texts[slot] = std::string(1, all[d - 1 - k]);
        else texts[slot] = Filler(placeholders[slot]);
    }
    if (d > n) texts[0] = all.substr(0, d - n + 1);
    return texts;
}

// The texts of the fraction placeholders: trailing zeros under '#' vanish,
// under '?' become blanks.
std::vector<std::string> FractionTexts(const std::vector<TokenType>& placeholders, const std::string& digits) {
    std::vector<std::string> texts(placeholders.size());
    bool trailing = true;
    for (std::size_t k = placeholders.size(); k-- > 0;) {
        char digit = k < digits.size() ? digits[k] : '0';
        if (trailing && digit == '0' && placeholders[k] != TokenType::Zero) {
            texts[k] = Filler(placeholders[k]);
            continue;
        }
        trailing = false;
        texts[k] = std::string(1, digit);
    }
    return texts;
}

// Best fraction num/den with den below `limit`, or with den fixed.
void ApproximateFraction(double x, int limit, int fixed, long& num, long& den) {
    if (fixed > 0) {
        den = fixed;
        num = std::lround(x * fixed);
        return;
    }
    num = 0;
    den = 1;
    double best = x;
    for (long d = 1; d < limit; ++d) {
        long n = std::lround(x * static_cast<double>(d));
        double error = std::fabs(x - static_cast<double>(n) / static_cast<double>(d));
        if (error < best - 1e-12) {
            best = error;
            num = n;
            den = d;
        }
    }
}

std::string FormatFraction(const Section& section, double value) {
    // Placeholders before the first blank that precedes the numerator form
    // the whole part; then numerator, '/', denominator.
    const auto& tokens = section.tokens;
    std::size_t slash = 0;
    while (slash < tokens.size() && tokens[slash].type != TokenType::Slash) ++slash;
    int denominatorDigits = 0, fixed = 0;
    for (std::size_t i = slash + 1; i < tokens.size(); ++i) {
        if (IsDigitToken(tokens[i].type)) ++denominatorDigits;
        else if (tokens[i].type == TokenType::Literal && denominatorDigits == 0)
            fixed = std::atoi(tokens[i].text.c_str());
    }
    bool hasWhole = false;
    for (std::size_t i = 0; i < slash; ++i)
        if (tokens[i].type == TokenType::Literal && tokens[i].text.find(' ') != std::string::npos) hasWhole = true;
    double whole = hasWhole ? std::floor(value) : 0;
    long num = 0, den = 1;
    int limit = static_cast<int>(std::pow(10, std::max(1, denominatorDigits)));
    ApproximateFraction(value - whole, limit, fixed, num, den);
    if (num == den && den != 0) {
        whole += 1;
        num = 0;
    }
    std::string wholeText = DecimalDigits::Of(whole).IntegerPart();
    if (num == 0) return hasWhole ? wholeText : "0";
    std::string fraction = std::to_string(num) + "/" + std::to_string(den);
    if (!hasWhole || whole == 0) return fraction;
    return wholeText + " " + fraction;
}

std::string Pad2(long v) { return (v < 10 ? "0" : "") + std::to_string(v); }

const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                         "July",    "August",   "September", "October", "November", "December"};
const char* kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* kDaysCn[] = {"日", "一", "二", "三", "四", "五", "六"};

struct Civil {
    long year, month, day;
};

// Days since 1970-01-01 to a civil date.
Civil CivilFromDays(long z) {
    z += 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long y = yoe + era * 400;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    long d = doy - (153 * mp + 2) / 5 + 1;
    long m = mp < 10 ? mp + 3 : mp - 9;
    return {m <= 2 ? y + 1 : y, m, d};
}

// A 1900-system day number as a date: day 60 is the 29 February 1900 that
// the system counts, day 0 is "1900-01-00".
Civil DateOfSerialDay(long day) {
    if (day == 0) return {1900, 1, 0};
    if (day == 60) return {1900, 2, 29};
    constexpr long kDaysTo1899_12_31 = -25568;  // 1899-12-31 from 1970-01-01
    return CivilFromDays(kDaysTo1899_12_31 + day - (day > 60 ? 1 : 0));
}

}  // namespace

std::string FormatNumberSection(const Section& section, double value) {
    if (section.fraction) return FormatFraction(section, value);
    DecimalDigits digits = DecimalDigits::Of(value);
    digits.Shift(2 * section.percents - 3 * section.scaleThousands);
    int exponentValue = 0;
    if (section.exponent && !digits.IsZero()) {
        int integerPlaces = std::max(1, section.integerDigits);
        // "##0.0E+0": the exponent is a multiple of the integer places.
        bool engineering = integerPlaces > 1 && !section.tokens.empty() &&
                           section.tokens.front().type == TokenType::Hash;
        int e = digits.Exponent();
        exponentValue = engineering ? static_cast<int>(std::floor(static_cast<double>(e) / integerPlaces)) * integerPlaces
                                    : e - (integerPlaces - 1);
        digits.Shift(-exponentValue);
        digits.RoundToDecimals(section.fractionDigits);
        if (!engineering && digits.point > integerPlaces) {  // 9.99 -> 10.0: renormalise
            digits.Shift(-1);
            ++exponentValue;
        }
    } else {
        digits.RoundToDecimals(section.fractionDigits);
    }

    std::vector<TokenType> integerSlots, fractionSlots, exponentSlots;
    int part = 0;  // 0 integer, 1 fraction, 2 exponent
    for (const auto& token : section.tokens) {
        if (token.type == TokenType::Point && part == 0) part = 1;
        else if (token.type == TokenType::Exponent) part = 2;
        else if (IsDigitToken(token.type))
            (part == 0 ? integerSlots : part == 1 ? fractionSlots : exponentSlots).push_back(token.type);
    }
    auto integerTexts = IntegerTexts(integerSlots, digits.IntegerPart(), section.thousands);
    auto fractionTexts = FractionTexts(fractionSlots, digits.FractionPart(section.fractionDigits));
    std::string exponentDigits = std::to_string(std::abs(exponentValue));
    auto exponentTexts = IntegerTexts(exponentSlots, exponentDigits == "0" ? "00" : exponentDigits, false);
    if (exponentDigits == "0") {
        // A zero exponent still shows its '0' placeholders.
        exponentTexts = IntegerTexts(exponentSlots, "", false);
        for (std::size_t i = 0; i < exponentSlots.size(); ++i)
            if (exponentTexts[i].empty()) exponentTexts[i] = "0";
    }

    std::string out;
    std::size_t ii = 0, fi = 0, ei = 0;
    part = 0;
    for (const auto& token : section.tokens) {
        switch (token.type) {
            case TokenType::Zero: case TokenType::Hash: case TokenType::Question:
                if (part == 0) out += integerTexts[ii++];
                else if (part == 1) out += fractionTexts[fi++];
                else out += exponentTexts[ei++];
                break;
            case TokenType::Point:
                if (part == 0) {
                    part = 1;
                    out += '.';
                } else {
                    out += '.';
                }
                break;
            case TokenType::Exponent:
                part = 2;
                out += "E";
                if (exponentValue < 0) out += "-";
                else if (token.text == "+") out += "+";
                break;
            case TokenType::Percent: out += '%'; break;
            case TokenType::Comma: break;
            case TokenType::Literal: out += token.text; break;
            case TokenType::General: out += FormatGeneral(value); break;
            default: break;
        }
    }
    return out;
}

std::string FormatDateSection(const Section& section, double serial) {
    int subDigits = 0;
    for (const auto& token : section.tokens)
        if (token.type == TokenType::SubSecond) subDigits = std::max(subDigits, token.count);
    // Time rounded to the smallest unit shown.
    double unitsPerSecond = std::pow(10.0, subDigits);
    auto totalUnits = static_cast<std::int64_t>(std::llround(serial * 86400.0 * unitsPerSecond));
    auto units = static_cast<std::int64_t>(unitsPerSecond);
    std::int64_t totalSeconds = totalUnits / units;
    std::int64_t subUnits = totalUnits % units;
    long day = static_cast<long>(totalSeconds / 86400);
    long secondOfDay = static_cast<long>(totalSeconds % 86400);
    long hour = secondOfDay / 3600, minute = secondOfDay / 60 % 60, second = secondOfDay % 60;
    Civil date = DateOfSerialDay(day);
    long weekday = ((day - 1) % 7 + 7) % 7;  // day 1 is a Sunday in this system

    std::string out;
    for (const auto& token : section.tokens) {
        switch (token.type) {
            case TokenType::Literal: out += token.text; break;
            case TokenType::Year:
                out += token.count <= 2 ? Pad2(date.year % 100) : std::to_string(date.year);
                break;
            case TokenType::Month:
                if (token.count == 1) out += std::to_string(date.month);
                else if (token.count == 2) out += Pad2(date.month);
                else if (token.count == 3) out += std::string(kMonths[date.month - 1]).substr(0, 3);
                else if (token.count == 5) out += std::string(kMonths[date.month - 1]).substr(0, 1);
                else out += kMonths[date.month - 1];
                break;
            case TokenType::Day:
                if (token.count == 1) out += std::to_string(date.day);
                else if (token.count == 2) out += Pad2(date.day);
                else if (token.count == 3) out += std::string(kDays[weekday]).substr(0, 3);
                else out += kDays[weekday];
                break;
            case TokenType::WeekdayCn:
                out += token.count == 3 ? kDaysCn[weekday] : std::string("星期") + kDaysCn[weekday];
                break;
            case TokenType::Hour: {
                long h = hour;
                if (section.hasAmPm) h = h % 12 == 0 ? 12 : h % 12;
                out += token.count >= 2 ? Pad2(h) : std::to_string(h);
                break;
            }
            case TokenType::Minute: out += token.count >= 2 ? Pad2(minute) : std::to_string(minute); break;
            case TokenType::Second: out += token.count >= 2 ? Pad2(second) : std::to_string(second); break;
            case TokenType::SubSecond: {
                std::string digits = std::to_string(subUnits);
                digits.insert(0, static_cast<std::size_t>(subDigits) - digits.size(), '0');
                out += "." + digits.substr(0, static_cast<std::size_t>(token.count));
                break;
            }
            case TokenType::AmPm: {
                bool pm = hour >= 12;
                if (token.text.size() == 3) out += pm ? token.text[2] : token.text[0];  // A/P or a/p
                else if (token.text == "上午/下午") out += pm ? "下午" : "上午";
                else out += pm ? "PM" : "AM";
                break;
            }
            case TokenType::ElapsedHours: out += std::to_string(totalSeconds / 3600); break;
            case TokenType::ElapsedMinutes: out += std::to_string(totalSeconds / 60); break;
            case TokenType::ElapsedSeconds: out += std::to_string(totalSeconds); break;
            default: break;
        }
    }
    return out;
}

}  // namespace dorvane::embedded::excel
