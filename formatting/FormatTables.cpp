#include "formatting/FormatTables.h"

#include "formatting/TableSteps.h"
#include "formatting/ThousandsSeparators.h"

namespace dorvane::formatting {
namespace {

using TableStep = void (*)(TableStepContext&);

// The steps of one table, in their fixed order. Regime changes happen
// inside them: the specified-width branch of step 5 and the top-and-bottom
// part of step 7 turn tolerant, step 13 runs strict, step 14 turns
// tolerant again.
constexpr TableStep kSteps[] = {
    ParagraphReset,     // 1
    ApplyLineSpacing,   // 2
    ResetPreferredWidth,  // 3
    ApplyRowHeight,     // 4
    ApplyWidthMode,     // 5
    CentreVertically,   // 6
    ApplyBorders,       // 7
    ApplyFonts,         // 8
    SecondParagraphPass,  // 9
    AlignHeadingColumn,  // 10
    CentreTotalCell,    // 11
    AlignHeadingRows,   // 12
    RepeatHeadingRows,  // 13
    SelectBodyRegion,   // 14
    RemoveSpaces,       // 15
    AlignBody,          // 16
};

// A table whose left and top borders both show no line is one that only
// holds text in place. A border that cannot be read does not make it so.
bool IsSpecialTable(TableStepContext& ctx) {
    int left = -1, top = -1;
    ctx.regime.Run([&] { left = ctx.Selection()->Borders()->Item(word::wdBorderLeft)->LineStyle(); });
    ctx.regime.Run([&] { top = ctx.Selection()->Borders()->Item(word::wdBorderTop)->LineStyle(); });
    return left == word::wdLineStyleNone && top == word::wdLineStyleNone;
}

}  // namespace

FormatTablesReport FormatTables(word::Application& app, const FormatSettings& settings,
                                FormatRunState& state, UserPort& port) {
    ParseRunNumbers(settings, state);
    auto document = app.ActiveDocument();
    port.HideMainWindow();
    if (settings.Check4 == 1) AddThousandsSeparators(*document);

    const bool selectedTable = port.SingleTableWindowShowing();
    const int count = selectedTable ? 1 : document->Tables()->Count();
    FailureRegime regime;  // strict until a step turns it tolerant
    FormatTablesReport report;
    for (int i = 1; i <= count; ++i) {
        ++report.visited;
        TableStepContext ctx{app, *document, settings, state, regime, nullptr, 0};
        regime.Run([&] {
            ctx.table = selectedTable ? app.Selection()->Tables()->Item(1)
                                      : document->Tables()->Item(i);
            ctx.rowCount = ctx.table->Rows()->Count();
        });
        // In selected-table mode the user's own selection is the working one.
        if (!selectedTable) regime.Run([&] { ctx.Table().Select(); });
        if (settings.Check3 != 1 && IsSpecialTable(ctx)) {
            ++report.skipped;
            continue;
        }
        for (TableStep step : kSteps) step(ctx);
        ++report.formatted;
    }
    port.ShowMessage("完成");
    port.ShowMainWindow();
    return report;
}

std::string FailureMessage(const std::exception& failure) {
    if (dynamic_cast<const NumberFieldError*>(&failure)) return failure.what();
    return std::string("运行出错：") + failure.what();
}

bool RunReportingFailure(UserPort& port, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const std::exception& failure) {
        port.ShowMessage(FailureMessage(failure));
        port.ShowMainWindow();
        return false;
    }
}

}  // namespace dorvane::formatting
