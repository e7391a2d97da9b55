#include "utilities/FormatBodyText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "automation/word/Word.h"
#include "formatting/FieldDescriptions.h"
#include "formatting/FormatRunState.h"
#include "formatting/FormatSettings.h"
#include "formatting/TableSteps.h"
#include "platform/TextNumber.h"
#include "platform/UserPort.h"

namespace dorvane::utilities {
namespace {

// The four numeric fields, read once for the whole pass; nothing for a
// field that reads "不变".
struct BodyTextNumbers {
    std::optional<float> lineSpacing;      // Combo19, lines
    std::optional<float> spaceBefore;      // Combo15, lines
    std::optional<float> spaceAfter;       // Combo20, lines
    std::optional<float> firstLineIndent;  // Combo16, characters
};

std::optional<float> ParseNumberField(std::string_view name, const std::string& text) {
    if (text == formatting::kUnchanged) return std::nullopt;
    if (auto number = platform::ParseSingle(text)) return number;
    const auto* description = formatting::FindFieldDescription(name);
    throw formatting::NumberFieldError(
        std::string(name), std::string(description ? description->label : name), text);
}

BodyTextNumbers ParseNumbers(const formatting::FormatSettings& s) {
    BodyTextNumbers numbers;
    numbers.lineSpacing = ParseNumberField("Combo19", s.Combo19);
    numbers.spaceBefore = ParseNumberField("Combo15", s.Combo15);
    numbers.spaceAfter = ParseNumberField("Combo20", s.Combo20);
    numbers.firstLineIndent = ParseNumberField("Combo16", s.Combo16);
    return numbers;
}

// A font field acts only on the font names its list offers; "不变" and
// any typed text leave the font alone.
bool IsOfferedFont(std::string_view field, const std::string& text) {
    if (text == formatting::kUnchanged) return false;
    const auto* description = formatting::FindFieldDescription(field);
    return description && std::ranges::find(description->entries, text) != description->entries.end();
}

struct BodyTextPass {
    word::Application& word;
    const formatting::FormatSettings& settings;
    BodyTextNumbers numbers;

    void SetParagraphFormat(word::ParagraphFormat& format) const {
        format.SetLeftIndent(word.CentimetersToPoints(0));
        if (numbers.firstLineIndent)
            format.SetCharacterUnitFirstLineIndent(*numbers.firstLineIndent);
        if (numbers.lineSpacing) format.SetLineSpacing(word.LinesToPoints(*numbers.lineSpacing));
        if (numbers.spaceBefore) format.SetLineUnitBefore(*numbers.spaceBefore);
        if (numbers.spaceAfter) format.SetLineUnitAfter(*numbers.spaceAfter);
    }

    // The text font first, then the number font: a Latin font name set
    // after it changes only digits and Latin letters.
    void SetFont(word::Font& font) const {
        if (IsOfferedFont("Combo18", settings.Combo18)) font.SetName(settings.Combo18);
        if (IsOfferedFont("Combo14", settings.Combo14)) font.SetName(settings.Combo14);
        if (double points = formatting::FontSizePoints(settings.Combo17); points > 0)
            font.SetSize(points);
    }

    // Returns whether the paragraph was laid out (not in a table, not centred).
    bool Format(word::Paragraph& paragraph) const {
        auto range = paragraph.Range();
        if (range->Tables()->Count() != 0) return false;
        auto format = paragraph.Format();
        if (format->Alignment() == word::wdAlignParagraphCenter) return false;
        SetParagraphFormat(*format);
        SetFont(*range->Font());
        return true;
    }
};

}  // namespace

int FormatBodyText(word::Application& word, const formatting::FormatSettings& settings,
                   UserPort& port) {
    port.HideMainWindow();
    BodyTextPass pass{word, settings, ParseNumbers(settings)};
    auto document = word.ActiveDocument();
    auto paragraphs = document->Paragraphs();
    int count = paragraphs->Count();
    int formatted = 0;
    for (int index = 1; index <= count; ++index)
        if (pass.Format(*paragraphs->Item(index))) ++formatted;
    document->UndoClear();
    port.ShowMessage("完成！");
    port.ShowMainWindow();
    return formatted;
}

}  // namespace dorvane::utilities
