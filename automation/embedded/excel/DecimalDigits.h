#pragma once

// A non-negative number as decimal digits, taken at the 15 significant
// digits a spreadsheet keeps, and rounded half away from zero at a decimal
// place: the arithmetic behind displayed texts and precision as displayed.

#include <string>

namespace dorvane::embedded::excel {

struct DecimalDigits {
    std::string digits = "0";  // significant digits, no leading zeros (but "0")
    int point = 1;             // digits before the decimal point (may be <= 0)

    // |value| at 15 significant digits.
    static DecimalDigits Of(double value);

    bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
    // Position of the first digit as a power of ten (1234 -> 3, 0.05 -> -2).
    int Exponent() const { return point - 1; }
    // Multiplies by 10^n.
    void Shift(int n) { point += n; }
    // Rounds half away from zero to `decimals` places after the point
    // (negative: to tens, hundreds...).
    void RoundToDecimals(int decimals);
    void RoundToSignificant(int significant) { RoundToDecimals(significant - point); }

    // The integer digits ("0" when there are none).
    std::string IntegerPart() const;
    // `count` digits after the point, padded with zeros.
    std::string FractionPart(int count) const;
    // Every digit after the point, without trailing zeros.
    std::string FullFraction() const;
    double ToDouble() const;
};

}  // namespace dorvane::embedded::excel
