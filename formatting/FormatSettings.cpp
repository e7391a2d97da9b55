#include "formatting/FormatSettings.h"

#include "formatting/FieldDescriptions.h"

namespace dorvane::formatting {
namespace {

// Where each named field lives in the record: a text member or a switch.
struct Slot {
    std::string_view name;
    std::string FormatSettings::*text = nullptr;
    int FormatSettings::*number = nullptr;
};

using S = FormatSettings;

const std::vector<Slot>& Slots() {
    static const std::vector<Slot> slots = {
        {"Combo1", &S::Combo1}, {"Combo2", &S::Combo2}, {"Combo3", &S::Combo3},
        {"Combo4", &S::Combo4}, {"Combo5", &S::Combo5}, {"Combo6", &S::Combo6},
        {"Combo7", &S::Combo7}, {"Combo8", &S::Combo8}, {"Combo9", &S::Combo9},
        {"Combo10", &S::Combo10}, {"Combo11", &S::Combo11}, {"Combo12", &S::Combo12},
        {"Combo13", &S::Combo13}, {"Combo14", &S::Combo14}, {"Combo15", &S::Combo15},
        {"Combo16", &S::Combo16}, {"Combo17", &S::Combo17}, {"Combo18", &S::Combo18},
        {"Combo19", &S::Combo19}, {"Combo20", &S::Combo20},
        {"Check2", nullptr, &S::Check2}, {"Check3", nullptr, &S::Check3},
        {"Check4", nullptr, &S::Check4}, {"Check5", nullptr, &S::Check5},
        {"Check6", nullptr, &S::Check6},
        {"LineStyle1", &S::LineStyle1}, {"LineWidth1", &S::LineWidth1},
        {"LineStyle2", &S::LineStyle2}, {"LineWidth2", &S::LineWidth2},
        {"LineStyle3", &S::LineStyle3}, {"LineWidth3", &S::LineWidth3},
    };
    return slots;
}

const Slot* FindSlot(std::string_view name) {
    for (const auto& slot : Slots())
        if (slot.name == name) return &slot;
    return nullptr;
}

void CheckGroup(int group) {
    if (group < 1 || group > 3)
        throw std::out_of_range("line group " + std::to_string(group) + " does not exist");
}

}  // namespace

FormatSettings::FormatSettings() {
    for (std::string_view name : InitialisationOrder()) {
        if (name.starts_with("LineStyle"))
            Set(name, kOpeningLineStyle);
        else if (name.starts_with("LineWidth"))
            Set(name, kOpeningLineWidth);
        else
            Set(name, FindFieldDescription(name)->opening);
    }
    // The two switches the window itself opens clear.
    Set("Check4", FindFieldDescription("Check4")->opening);
    Set("Check6", FindFieldDescription("Check6")->opening);
}

const LinePicture*& FormatSettings::PreviewBox(int group) {
    CheckGroup(group);
    return group == 1 ? Picture21 : group == 2 ? Picture22 : Picture23;
}

const LinePicture* FormatSettings::PreviewBox(int group) const {
    return const_cast<FormatSettings*>(this)->PreviewBox(group);
}

std::string& FormatSettings::LineStyle(int group) {
    CheckGroup(group);
    return group == 1 ? LineStyle1 : group == 2 ? LineStyle2 : LineStyle3;
}

std::string& FormatSettings::LineWidth(int group) {
    CheckGroup(group);
    return group == 1 ? LineWidth1 : group == 2 ? LineWidth2 : LineWidth3;
}

const std::string& FormatSettings::LineStyle(int group) const {
    return const_cast<FormatSettings*>(this)->LineStyle(group);
}

const std::string& FormatSettings::LineWidth(int group) const {
    return const_cast<FormatSettings*>(this)->LineWidth(group);
}

const std::vector<std::string_view>& FormatSettings::FieldNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> result;
        for (const auto& slot : Slots()) result.push_back(slot.name);
        return result;
    }();
    return names;
}

bool FormatSettings::IsField(std::string_view name) { return FindSlot(name) != nullptr; }

std::optional<std::string> FormatSettings::Get(std::string_view name) const {
    const Slot* slot = FindSlot(name);
    if (!slot) return std::nullopt;
    if (slot->text) return this->*(slot->text);
    return std::to_string(this->*(slot->number));
}

void FormatSettings::Set(std::string_view name, std::string_view value) {
    const Slot* slot = FindSlot(name);
    if (!slot) throw SettingError("unknown option field \"" + std::string(name) + "\"");
    if (slot->text) {
        this->*(slot->text) = std::string(value);
        return;
    }
    if (value != "0" && value != "1")
        throw SettingError("option field " + std::string(name) + " takes 0 or 1, not \"" +
                           std::string(value) + "\"");
    this->*(slot->number) = value == "1" ? 1 : 0;
}

}  // namespace dorvane::formatting
