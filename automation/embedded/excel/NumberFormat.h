#pragma once

// Number format codes ("0.00", "#,##0;[Red]-#,##0", "0%", "0.0E+00",
// "yyyy-mm-dd", "@", General): what a cell displays and the precision it
// displays, for Range.Text, Copy, AutoFit and precision as displayed.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::embedded::excel {

class NumberFormat {
public:
    // Parses a format code; never fails (unknown tokens are shown as
    // literal text).
    static std::shared_ptr<const NumberFormat> Parse(std::string_view code);
    static std::shared_ptr<const NumberFormat> General();

    const std::string& Code() const { return code_; }
    // The format shows numbers as dates or times.
    bool IsDate() const;

    // A number as displayed. A date's number is its serial in the 1900
    // date system.
    std::string Format(double value) const;
    // A text as displayed (the text section, "@" standing for the text).
    std::string FormatText(const std::string& text) const;
    // The number rounded to the precision the format displays (dates,
    // times and text-only formats keep it).
    double RoundAsDisplayed(double value) const;

    struct Token;
    struct Section;

private:
    const Section* SectionFor(double value, bool& negativeSign) const;

    std::string code_;
    std::vector<Section> sections_;
    friend struct FormatParser;

public:
    NumberFormat();
    ~NumberFormat();
};

// The code of a built-in number format id (0 -> "General", 14 -> a short
// date...), "" for an id that has none.
std::string BuiltinFormatCode(int id);

// General, the way a cell of standard width shows a number: fixed notation
// in at most 11 characters (the sign not counted), so at most 10
// significant digits for a number with decimals; scientific notation in 11
// characters from 1E+11 up and below 1E-4 ("1.23457E+11", "1E-05").
std::string FormatGeneral(double value);

}  // namespace dorvane::embedded::excel
