#include "formatting/FormatRunState.h"

#include "formatting/FieldDescriptions.h"
#include "formatting/FormatSettings.h"
#include "platform/TextNumber.h"

namespace dorvane::formatting {
namespace {

// Converts one field unless it reads "不变".
void ParseField(std::string_view name, const std::string& text, float& value) {
    if (text == kUnchanged) return;
    auto number = platform::ParseSingle(text);
    if (!number) {
        const FieldDescription* d = FindFieldDescription(name);
        throw NumberFieldError(std::string(name), std::string(d ? d->label : name), text);
    }
    value = *number;
}

}  // namespace

NumberFieldError::NumberFieldError(std::string field, std::string label, std::string text)
    : std::runtime_error(label + "：“" + text + "”不是数字。"),
      field_(std::move(field)),
      text_(std::move(text)) {}

void ParseRunNumbers(const FormatSettings& settings, FormatRunState& state) {
    FormatRunState parsed = state;
    ParseField("Combo8", settings.Combo8, parsed.RowHeightValue);
    ParseField("Combo1", settings.Combo1, parsed.LineSpacingValue);
    ParseField("Combo5", settings.Combo5, parsed.RightMarginValue);
    state = parsed;
}

}  // namespace dorvane::formatting
