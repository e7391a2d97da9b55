// Steps 3, 4 and 5 of a table: preferred width, row height and width mode
// with the table's cell margins.

#include "formatting/FieldDescriptions.h"
#include "formatting/TableSteps.h"
#include "platform/TextNumber.h"

namespace dorvane::formatting {
namespace {

constexpr std::string_view kFitToPage = "调整到页面宽度";
constexpr std::string_view kSpecifiedWidth = "指定宽度";

// The table that holds the working selection.
word::Ref<word::Table> SelectedTable(TableStepContext& ctx) {
    return ctx.Selection()->Tables()->Item(1);
}

// Top 0, bottom 0, left and right 0.19 cm, in this order.
void SetCellMargins(TableStepContext& ctx) {
    ctx.regime.Run([&] { SelectedTable(ctx)->SetTopPadding(ctx.Cm(0)); });
    ctx.regime.Run([&] { SelectedTable(ctx)->SetBottomPadding(ctx.Cm(0)); });
    ctx.regime.Run([&] { SelectedTable(ctx)->SetLeftPadding(ctx.Cm(0.19)); });
    ctx.regime.Run([&] { SelectedTable(ctx)->SetRightPadding(ctx.Cm(0.19)); });
}

void ApplySpecifiedWidth(TableStepContext& ctx) {
    ctx.regime.TurnTolerant();
    SetCellMargins(ctx);
    ctx.regime.Run([&] { SelectedTable(ctx)->SetAllowAutoFit(false); });
    // The two fields open with prompts, not numbers: an assignment whose
    // number does not convert is skipped.
    if (auto indent = platform::ParseSingle(ctx.settings.Combo6))
        ctx.regime.Run([&] { SelectedTable(ctx)->Rows()->SetLeftIndent(ctx.Cm(*indent)); });
    ctx.regime.Run(
        [&] { SelectedTable(ctx)->SetPreferredWidthType(word::wdPreferredWidthPoints); });
    if (auto width = platform::ParseSingle(ctx.settings.Combo13))
        ctx.regime.Run([&] { SelectedTable(ctx)->SetPreferredWidth(ctx.Cm(*width)); });
}

}  // namespace

void ResetPreferredWidth(TableStepContext& ctx) {
    ctx.regime.Run([&] { SelectedTable(ctx)->SetPreferredWidthType(word::wdPreferredWidthAuto); });
    ctx.regime.Run([&] { SelectedTable(ctx)->SetPreferredWidth(0); });
}

void ApplyRowHeight(TableStepContext& ctx) {
    if (ctx.settings.Combo8 == kUnchanged) return;
    ctx.regime.Run([&] { ctx.Selection()->Rows()->SetHeightRule(word::wdRowHeightAtLeast); });
    ctx.regime.Run([&] { ctx.Selection()->Rows()->SetHeight(ctx.Cm(ctx.values.RowHeightValue)); });
}

void ApplyWidthMode(TableStepContext& ctx) {
    const std::string& mode = ctx.settings.Combo7;
    if (mode == kUnchanged) {
        SetCellMargins(ctx);
    } else if (mode == kFitToPage) {
        ctx.regime.Run([&] { SelectedTable(ctx)->AutoFitBehavior(word::wdAutoFitWindow); });
        ctx.regime.Run([&] { SelectedTable(ctx)->SetAllowAutoFit(false); });
        SetCellMargins(ctx);
    } else if (mode == kSpecifiedWidth) {
        ApplySpecifiedWidth(ctx);
    }
}

}  // namespace dorvane::formatting
