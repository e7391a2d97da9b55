// Step 16 of a table: the alignment of the body, with the right-margin
// rule of "居右" and the per-cell number test of "数字居右,其他居中".

#include "formatting/FieldDescriptions.h"
#include "formatting/TableSteps.h"
#include "platform/TextNumber.h"

namespace dorvane::formatting {
namespace {

void SetAlignment(TableStepContext& ctx, int alignment) {
    ctx.OnParagraphs([&](word::ParagraphFormat& p) { p.SetAlignment(alignment); });
}

// Right-aligned figures keep the chosen distance from the right border:
// the first body cell loses its own right margin, every body paragraph
// gets the right indent.
void ApplyRightMargin(TableStepContext& ctx) {
    if (ctx.settings.Combo5 == kUnchanged) return;
    ctx.regime.Run([&] { ctx.Selection()->Cells()->Item(1)->SetRightPadding(0); });
    ctx.OnParagraphs([&](word::ParagraphFormat& p) {
        p.SetRightIndent(ctx.Cm(ctx.values.RightMarginValue));
    });
}

// Every cell from (2, 2) to (R, C), numbers right and the rest centred.
// This region always starts at (2, 2): when that cell or (R, C) is
// missing, nothing is aligned.
void AlignNumberCells(TableStepContext& ctx) {
    word::Ref<word::Cells> cells;
    ctx.regime.Run([&] {
        word::Table& table = ctx.Table();
        long start = table.Cell(2, 2)->Range()->Start();
        long end = table.Cell(table.Rows()->Count(), table.Columns()->Count())->Range()->End();
        cells = ctx.document.Range(start, end)->Cells();
    });
    if (!cells) return;
    int count = 0;
    ctx.regime.Run([&] { count = cells->Count(); });
    for (int k = 1; k <= count; ++k) {
        word::Ref<word::Cell> cell;
        std::string content;
        ctx.regime.Run([&] {
            cell = cells->Item(k);
            content = CellContent(*cell);
        });
        if (!cell) continue;
        ctx.regime.Run([&] { cell->Select(); });
        SetAlignment(ctx, IsNumberCellText(content) ? word::wdAlignParagraphRight
                                                    : word::wdAlignParagraphCenter);
    }
}

}  // namespace

bool IsNumberCellText(const std::string& content) {
    if (content.empty()) return false;
    if (content.find_first_of("\r\n\a%") != std::string::npos) return false;
    return platform::ParseNumber(content).has_value();
}

void AlignBody(TableStepContext& ctx) {
    const std::string& choice = ctx.settings.Combo11;
    if (choice == "居中") {
        SetAlignment(ctx, word::wdAlignParagraphCenter);
    } else if (choice == "居右") {
        SetAlignment(ctx, word::wdAlignParagraphRight);
        ApplyRightMargin(ctx);
    } else if (choice == "数字居右,其他居中") {
        AlignNumberCells(ctx);
    }
}

}  // namespace dorvane::formatting
