#pragma once

// The option controls of the main window described once, as data: the
// windows build their controls from it and FormatSettings takes its
// opening values from it.

#include <string_view>
#include <vector>

namespace dorvane::formatting {

// Every list field offers this entry first: leave the property untouched.
inline constexpr std::string_view kUnchanged = "不变";

enum class FieldKind {
    List,    // editable drop-down list; the value is the text shown
    Switch,  // check box; the value is 0 or 1
};

struct FieldDescription {
    std::string_view name;          // control name, e.g. "Combo8"
    FieldKind kind;
    std::string_view frame;         // caption of the frame it stands in
    std::string_view label;         // caption of the label beside it, "" for none
    std::string_view labelToolTip;  // tool-tip of that label, "" for none
    std::string_view caption;       // a switch's own caption, "" for none
    std::string_view toolTip;       // the control's own tool-tip, "" for none
    std::vector<std::string_view> entries;  // list entries in order
    std::string_view opening;       // text shown on load; "0" or "1" for switches
};

struct FrameDescription {
    std::string_view caption;
    std::vector<std::string_view> fields;  // in the order they stand in the frame
};

// The four frames of the main window, left half first.
const std::vector<FrameDescription>& Frames();

// Every list and switch field, frame by frame.
const std::vector<FieldDescription>& FieldDescriptions();

// The description of a field by its exact name, or nullptr.
const FieldDescription* FindFieldDescription(std::string_view name);

// The order in which loading the main window initialises its options: the
// six line fields, Combo1..Combo13, Check2, Check3, Check5, then the
// outside-text lists. Check4 and Check6 are not in it: they open as the
// window defines them (clear).
const std::vector<std::string_view>& InitialisationOrder();

}  // namespace dorvane::formatting
