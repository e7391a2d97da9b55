// Steps 10 to 15 of a table: the heading column, the total cell, the
// heading rows and their repetition, the body region and its spaces. Each
// selection that Word refuses leaves the previous one in place, and the
// step's formatting then acts on that.

#include <array>

#include "formatting/FieldDescriptions.h"
#include "formatting/TableSteps.h"

namespace dorvane::formatting {
namespace {

// "合计" with nothing or one to five ASCII spaces between the characters.
bool IsTotalText(const std::string& content) {
    static const std::array<std::string, 6> forms = {
        "合计", "合 计", "合  计", "合   计", "合    计", "合     计"};
    for (const auto& form : forms)
        if (content == form) return true;
    return false;
}

// Selects the block from the start of cell (r1, c1) to the end of cell
// (r2, c2) of the current table.
void SelectBlock(TableStepContext& ctx, int r1, int c1, int r2, int c2) {
    word::Table& table = ctx.Table();
    long start = table.Cell(r1, c1)->Range()->Start();
    long end = table.Cell(r2, c2)->Range()->End();
    ctx.document.Range(start, end)->Select();
}

void SetAlignment(TableStepContext& ctx, int alignment) {
    ctx.OnParagraphs([&](word::ParagraphFormat& p) { p.SetAlignment(alignment); });
}

}  // namespace

word::Table& TableStepContext::Table() const {
    if (!table) throw AutomationError("Tables.Item", "the current table could not be reached");
    return *table;
}

std::string CellContent(word::Cell& cell) {
    std::string text = cell.Range()->Text();
    return text.size() >= 2 ? text.substr(0, text.size() - 2) : std::string();
}

void AlignHeadingColumn(TableStepContext& ctx) {
    if (ctx.settings.Combo10 != "居左") return;
    ctx.regime.Run([&] { ctx.Table().Columns()->Item(1)->Select(); });
    SetAlignment(ctx, word::wdAlignParagraphLeft);
}

void CentreTotalCell(TableStepContext& ctx) {
    if (ctx.settings.Check6 != 1) return;
    std::string content;
    bool read = ctx.regime.Run([&] { content = CellContent(*ctx.Table().Cell(ctx.rowCount, 1)); });
    if (!read || !IsTotalText(content)) return;
    ctx.regime.Run([&] {
        auto range = ctx.Table().Cell(ctx.rowCount, 1)->Range();
        ctx.document.Range(range->Start(), range->End())->Select();
    });
    SetAlignment(ctx, word::wdAlignParagraphCenter);
}

void AlignHeadingRows(TableStepContext& ctx) {
    // Rows 1 and 2 first; row 1 alone replaces them unless Word refuses to
    // address a single row (vertically merged cells).
    ctx.regime.Run([&] { SelectBlock(ctx, 1, 1, 2, ctx.Table().Columns()->Count()); });
    ctx.regime.Run([&] { ctx.Table().Rows()->Item(1)->Select(); });
    const std::string& choice = ctx.settings.Combo9;
    if (choice != "居中" && choice != "居中 黑体") return;
    SetAlignment(ctx, word::wdAlignParagraphCenter);
    // Toggled, not set: a heading that is bold already becomes regular.
    if (choice == "居中 黑体")
        ctx.regime.Run([&] { ctx.Selection()->Font()->SetBold(word::wdToggle); });
}

void RepeatHeadingRows(TableStepContext& ctx) {
    ctx.regime.TurnStrict();
    ctx.regime.Run([&] { ctx.Selection()->Rows()->SetHeadingFormat(ctx.settings.Check2 == 1); });
}

void SelectBodyRegion(TableStepContext& ctx) {
    ctx.regime.TurnTolerant();
    // From row 3 first; from row 2 replaces it whenever cell (2, 2) exists.
    auto lastRowAndColumn = [&ctx] {
        return std::pair{ctx.Table().Rows()->Count(), ctx.Table().Columns()->Count()};
    };
    ctx.regime.Run([&] {
        auto [rows, columns] = lastRowAndColumn();
        SelectBlock(ctx, 3, 2, rows, columns);
    });
    ctx.regime.Run([&] {
        auto [rows, columns] = lastRowAndColumn();
        SelectBlock(ctx, 2, 2, rows, columns);
    });
}

void RemoveSpaces(TableStepContext& ctx) {
    if (ctx.settings.Check5 != 1) return;
    // Word is not asked anything while it replaces; alerts stay off.
    ctx.regime.Run([&] { ctx.app.SetDisplayAlerts(word::wdAlertsNone); });
    word::Ref<word::Find> find;
    ctx.regime.Run([&] { find = ctx.Selection()->Find(); });
    if (!find) return;
    ctx.regime.Run([&] { find->ClearFormatting(); });
    ctx.regime.Run([&] { find->Replacement()->ClearFormatting(); });
    ctx.regime.Run([&] { find->SetText(" "); });
    ctx.regime.Run([&] { find->Replacement()->SetText(""); });
    ctx.regime.Run([&] { find->SetFormat(false); });
    ctx.regime.Run([&] { find->SetMatchCase(false); });
    ctx.regime.Run([&] { find->SetMatchWholeWord(false); });
    word::FindExecuteArgs replaceAll;
    replaceAll.replace = word::wdReplaceAll;
    ctx.regime.Run([&] { find->Execute(replaceAll); });
}

}  // namespace dorvane::formatting
