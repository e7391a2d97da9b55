#pragma once

// The three numbers a table run parses from its fields before it changes
// anything, kept from run to run by whoever owns the run (the shell keeps
// one for the program's life).

#include <stdexcept>
#include <string>

namespace dorvane::formatting {

struct FormatSettings;

struct FormatRunState {
    float RowHeightValue = 0;    // centimetres, from Combo8
    float LineSpacingValue = 0;  // lines, from Combo1
    float RightMarginValue = 0;  // centimetres, from Combo5
};

// A number field holds text that is neither "不变" nor a number. The
// message names the field's label and the text.
class NumberFieldError : public std::runtime_error {
public:
    NumberFieldError(std::string field, std::string label, std::string text);
    const std::string& Field() const { return field_; }
    const std::string& Text() const { return text_; }

private:
    std::string field_;
    std::string text_;
};

// Parses Combo8, Combo1 and Combo5 in this order into the state. A field
// reading "不变" keeps the value it had. Throws NumberFieldError for the
// first field that does not convert; the state is then left unchanged.
void ParseRunNumbers(const FormatSettings& settings, FormatRunState& state);

}  // namespace dorvane::formatting
