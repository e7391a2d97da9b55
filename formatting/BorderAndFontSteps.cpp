// Steps 6, 7 and 8 of a table: vertical centring, the three line pairs,
// the fonts and the size of the working selection.

#include <array>
#include <utility>

#include "formatting/TableSteps.h"

namespace dorvane::formatting {
namespace {

void SetBorder(TableStepContext& ctx, int index, const std::string& style,
               const std::string& width) {
    ctx.regime.Run([&] { ctx.Selection()->Borders()->Item(index)->SetLineStyle(style); });
    ctx.regime.Run([&] { ctx.Selection()->Borders()->Item(index)->SetLineWidth(width); });
}

struct SizeName {
    std::string_view name;
    double points;
};
constexpr std::array<SizeName, 4> kFontSizeNames = {{
    {"四号", 14}, {"小四", 12}, {"五号", 10.5}, {"小五", 9}}};

bool IsTextFont(const std::string& name) { return name == "宋体" || name == "仿宋_GB2312"; }
bool IsNumberFont(const std::string& name) {
    return name == "Times New Roman" || name == "Arial Narrow";
}

}  // namespace

double FontSizePoints(const std::string& name) {
    for (const auto& size : kFontSizeNames)
        if (size.name == name) return size.points;
    return 0;
}

void CentreVertically(TableStepContext& ctx) {
    ctx.regime.Run(
        [&] { ctx.Selection()->Cells()->SetVerticalAlignment(word::wdCellAlignVerticalCenter); });
}

void ApplyBorders(TableStepContext& ctx) {
    const FormatSettings& s = ctx.settings;
    // An empty left-and-right style means no line there; no width is set.
    for (int index : {word::wdBorderLeft, word::wdBorderRight}) {
        if (s.LineStyle2.empty())
            ctx.regime.Run([&] {
                ctx.Selection()->Borders()->Item(index)->SetLineStyle(word::wdLineStyleNone);
            });
        else
            SetBorder(ctx, index, s.LineStyle2, s.LineWidth2);
    }
    ctx.regime.TurnTolerant();
    SetBorder(ctx, word::wdBorderTop, s.LineStyle1, s.LineWidth1);
    SetBorder(ctx, word::wdBorderBottom, s.LineStyle1, s.LineWidth1);
    SetBorder(ctx, word::wdBorderHorizontal, s.LineStyle3, s.LineWidth3);
    SetBorder(ctx, word::wdBorderVertical, s.LineStyle3, s.LineWidth3);
}

void ApplyFonts(TableStepContext& ctx) {
    const FormatSettings& s = ctx.settings;
    // The text font first: a Western name set after it changes digits and
    // Latin letters only, so the two fonts share the table.
    if (IsTextFont(s.Combo2)) ctx.regime.Run([&] { ctx.Selection()->Font()->SetName(s.Combo2); });
    if (IsNumberFont(s.Combo12))
        ctx.regime.Run([&] { ctx.Selection()->Font()->SetName(s.Combo12); });
    if (double points = FontSizePoints(s.Combo3); points > 0)
        ctx.regime.Run([&] { ctx.Selection()->Font()->SetSize(points); });
}

}  // namespace dorvane::formatting
