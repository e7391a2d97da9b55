#pragma once

// The record of every formatting option of the main window, under the
// names of its controls, plus the six line fields and the three line
// preview boxes.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::formatting {

struct LinePicture;  // formatting/LinePreviewTable.h

// Start values of the line fields: a single line of 1 pt.
inline constexpr std::string_view kOpeningLineStyle = "1";
inline constexpr std::string_view kOpeningLineWidth = "8";

// A field name that does not exist, or a value a field cannot hold.
class SettingError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

struct FormatSettings {
    // Every field at the value it has when the main window has loaded.
    FormatSettings();

    // List fields: the text shown, untrimmed.
    std::string Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7, Combo8, Combo9, Combo10;
    std::string Combo11, Combo12, Combo13, Combo14, Combo15, Combo16, Combo17, Combo18, Combo19,
        Combo20;
    // Switch fields: 0 or 1.
    int Check2 = 0, Check3 = 0, Check4 = 0, Check5 = 0, Check6 = 0;
    // Line fields: decimal text of a Word line-style or line-width code.
    // Pair 1 top and bottom, pair 2 left and right, pair 3 inside lines.
    std::string LineStyle1, LineWidth1, LineStyle2, LineWidth2, LineStyle3, LineWidth3;

    // What the preview boxes of the three line groups show: a library
    // picture of LinePreviewTable, or nullptr for the box's own
    // design-time picture. Identity is the pointer.
    const LinePicture* Picture21 = nullptr;
    const LinePicture* Picture22 = nullptr;
    const LinePicture* Picture23 = nullptr;

    // The preview box of line group 1..3 (Picture21..Picture23).
    const LinePicture*& PreviewBox(int group);
    const LinePicture* PreviewBox(int group) const;
    // The style and width fields of line group 1..3.
    std::string& LineStyle(int group);
    std::string& LineWidth(int group);
    const std::string& LineStyle(int group) const;
    const std::string& LineWidth(int group) const;

    // Every field name: Combo1..Combo20, Check2..Check6, LineStyle1..LineWidth3.
    static const std::vector<std::string_view>& FieldNames();
    static bool IsField(std::string_view name);

    // The value of a field as text ("0"/"1" for switches), or nothing for
    // an unknown name.
    std::optional<std::string> Get(std::string_view name) const;
    // Sets a field from text. Throws SettingError for an unknown name and
    // for a switch value other than "0" or "1".
    void Set(std::string_view name, std::string_view value);

    bool operator==(const FormatSettings&) const = default;
};

}  // namespace dorvane::formatting
