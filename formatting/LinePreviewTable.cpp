#include "formatting/LinePreviewTable.h"

#include <array>
#include <stdexcept>
#include <string>

#include "formatting/FormatSettings.h"

namespace dorvane::formatting {
namespace {

constexpr std::array<LinePicture, 19> kLibrary = {{
    {"Picture1", "Form4.Picture1.Picture", "wdLineStyleSingle", "1", "wdLineWidth025pt", "2"},
    {"Picture2", "Form4.Picture2.Picture", "wdLineStyleSingle", "1", "wdLineWidth050pt", "4"},
    {"Picture4", "Form4.Picture4.Picture", "wdLineStyleSingle", "1", "wdLineWidth075pt", "6"},
    {"Picture5", "Form4.Picture5.Picture", "wdLineStyleSingle", "1", "wdLineWidth100pt", "8"},
    {"Picture6", "Form4.Picture6.Picture", "wdLineStyleSingle", "1", "wdLineWidth150pt", "12"},
    {"Picture7", "Form4.Picture7.Picture", "wdLineStyleSingle", "1", "wdLineWidth225pt", "18"},
    {"Picture8", "Form4.Picture8.Picture", "wdLineStyleSingle", "1", "wdLineWidth300pt", "24"},
    {"Picture9", "Form4.Picture9.Picture", "wdLineStyleDot", "2", "wdLineWidth025pt", "2"},
    {"Picture10", "Form4.Picture10.Picture", "wdLineStyleDot", "2", "wdLineWidth050pt", "4"},
    {"Picture11", "Form4.Picture11.Picture", "wdLineStyleDot", "2", "wdLineWidth075pt", "6"},
    {"Picture12", "Form4.Picture12.Picture", "wdLineStyleDot", "2", "wdLineWidth100pt", "8"},
    {"Picture13", "Form4.Picture13.Picture", "wdLineStyleDot", "2", "wdLineWidth150pt", "12"},
    {"Picture14", "Form4.Picture14.Picture", "wdLineStyleDot", "2", "wdLineWidth225pt", "18"},
    {"Picture15", "Form4.Picture15.Picture", "wdLineStyleDot", "2", "wdLineWidth300pt", "24"},
    {"Picture16", "Form4.Picture16.Picture", "wdLineStyleDouble", "7", "wdLineWidth025pt", "2"},
    {"Picture17", "Form4.Picture17.Picture", "wdLineStyleDouble", "7", "wdLineWidth050pt", "4"},
    {"Picture18", "Form4.Picture18.Picture", "wdLineStyleDouble", "7", "wdLineWidth075pt", "6"},
    {"Picture20", "Form4.Picture20.Picture", "wdLineStyleDouble", "7", "wdLineWidth150pt", "12"},
    {"Picture24", "Form4.Picture24.Picture", "wdLineStyleNone", "0", "", ""},
}};

constexpr const LinePicture* P(std::size_t i) { return &kLibrary[i]; }
constexpr std::size_t kNoLine = 18;

// Library pictures in frame order: seven single, seven dotted, four double.
constexpr std::size_t kSingleAndDotted = 14;
constexpr std::size_t kWithDouble = 18;

// Group 1: Option1..Option19; group 2: Option38 down to Option20;
// group 3: Option39..Option52, then Option57 for no line.
// Built on first use, so that no static initialiser elsewhere sees it empty.
const std::array<LinePick, 53>& Picks() {
    static const std::array<std::string, 53> names = [] {
        std::array<std::string, 53> n;
        for (int k = 0; k < 19; ++k) n[k] = "Option" + std::to_string(1 + k);
        for (int k = 0; k < 19; ++k) n[19 + k] = "Option" + std::to_string(38 - k);
        for (int k = 0; k < 14; ++k) n[38 + k] = "Option" + std::to_string(39 + k);
        n[52] = "Option57";
        return n;
    }();
    static const std::array<LinePick, 53> picks = [] {
        std::array<LinePick, 53> result{};
        std::size_t at = 0;
        for (int group = 1; group <= 3; ++group) {
            std::size_t lines = group == 3 ? kSingleAndDotted : kWithDouble;
            for (std::size_t k = 0; k < lines; ++k, ++at) result[at] = {group, names[at], P(k)};
            result[at] = {group, names[at], P(kNoLine)};
            ++at;
        }
        return result;
    }();
    return picks;
}

}  // namespace

std::string_view LinePicture::StyleCode(int group) const {
    if (IsNoLine() && group == 2) return "";
    return styleCode;
}

std::span<const LinePicture> LinePreviewTable() { return kLibrary; }

const LinePicture* FindLinePictureByIdentity(std::string_view identity) {
    for (const auto& picture : kLibrary)
        if (picture.identity == identity) return &picture;
    return nullptr;
}

const LinePicture* FindLinePictureByName(std::string_view name) {
    for (const auto& picture : kLibrary)
        if (picture.name == name) return &picture;
    return nullptr;
}

void ApplyLinePicture(FormatSettings& settings, int group, const LinePicture& picture) {
    settings.PreviewBox(group) = &picture;
    settings.LineStyle(group) = std::string(picture.StyleCode(group));
    if (!picture.IsNoLine()) settings.LineWidth(group) = std::string(picture.widthCode);
}

std::span<const LinePick> LinePicks() { return Picks(); }

std::span<const LinePick> LinePicksOfGroup(int group) {
    switch (group) {
        case 1: return std::span(Picks()).subspan(0, 19);
        case 2: return std::span(Picks()).subspan(19, 19);
        case 3: return std::span(Picks()).subspan(38, 15);
    }
    throw std::out_of_range("line group " + std::to_string(group) + " does not exist");
}

const LinePick* FindLinePick(std::string_view option) {
    for (const auto& pick : Picks())
        if (pick.option == option) return &pick;
    return nullptr;
}

void ApplyLinePick(FormatSettings& settings, const LinePick& pick) {
    ApplyLinePicture(settings, pick.group, *pick.picture);
}

}  // namespace dorvane::formatting
