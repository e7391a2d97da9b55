#pragma once

// The parsed form of a number format code, shared by the number and the
// date halves of NumberFormat. Internal.

#include <string>
#include <vector>

#include "automation/embedded/excel/NumberFormat.h"

namespace dorvane::embedded::excel {

enum class TokenType {
    Literal,
    Zero,      // 0: digit or zero
    Hash,      // #: digit or nothing
    Question,  // ?: digit or blank
    Point,
    Comma,
    Percent,
    Exponent,  // E+ / E- (text holds the sign)
    Slash,     // fraction bar
    TextAt,    // @
    General,
    Year,
    Month,  // also minutes once resolved: see Minute
    Day,
    Hour,
    Minute,
    Second,
    SubSecond,  // count: digits after the seconds' point
    AmPm,       // text: "AM/PM", "A/P" or "上午/下午"
    ElapsedHours,
    ElapsedMinutes,
    ElapsedSeconds,
    WeekdayCn,  // aaa / aaaa
};

struct NumberFormat::Token {
    TokenType type = TokenType::Literal;
    std::string text;  // literal text, exponent sign, am/pm form
    int count = 1;     // letters repeated (yyyy = 4) or digits
};

struct NumberFormat::Section {
    enum class Kind { General, Number, Date, Text };
    std::vector<Token> tokens;
    Kind kind = Kind::Number;
    bool hasCondition = false;
    std::string conditionOp;
    double conditionValue = 0;

    // Number sections, from the tokens.
    int integerDigits = 0;   // placeholders before the point
    int fractionDigits = 0;  // placeholders after the point
    bool thousands = false;
    int scaleThousands = 0;  // trailing commas: divide by 1000 each
    int percents = 0;
    bool exponent = false;
    bool fraction = false;
    bool hasAmPm = false;

    bool Matches(double value) const;
};

// Formats a date or time section for a 1900-system serial.
std::string FormatDateSection(const NumberFormat::Section& section, double serial);
// Formats a number section for |value| (the sign is handled by the caller).
std::string FormatNumberSection(const NumberFormat::Section& section, double value);

}  // namespace dorvane::embedded::excel
