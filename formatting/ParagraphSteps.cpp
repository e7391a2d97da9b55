// Steps 1, 2 and 9 of a table: the paragraph layout of the working
// selection. Every assignment is its own call under the run's regime.

#include "formatting/FieldDescriptions.h"
#include "formatting/TableSteps.h"
#include "platform/TextNumber.h"

namespace dorvane::formatting {

using word::ParagraphFormat;

void ParagraphReset(TableStepContext& ctx) {
    auto zeroIndents = [&ctx] {
        ctx.OnParagraphs([&](ParagraphFormat& p) { p.SetLeftIndent(ctx.Cm(0)); });
        ctx.OnParagraphs([&](ParagraphFormat& p) { p.SetRightIndent(ctx.Cm(0)); });
        ctx.OnParagraphs([&](ParagraphFormat& p) { p.SetFirstLineIndent(ctx.Cm(0)); });
    };
    ctx.OnParagraphs([&](ParagraphFormat& p) { p.SetLeftIndent(ctx.Cm(0)); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetCharacterUnitLeftIndent(0); });
    ctx.OnParagraphs([&](ParagraphFormat& p) { p.SetRightIndent(ctx.Cm(0)); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetCharacterUnitRightIndent(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetSpaceBeforeAuto(false); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetSpaceAfterAuto(false); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetSpaceBefore(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetSpaceAfter(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetLineSpacingRule(word::wdLineSpaceSingle); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetLineUnitBefore(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetLineUnitAfter(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.TabStops()->ClearAll(); });
    // A property of the whole document, set again for every table.
    ctx.regime.Run([&] { ctx.document.SetDefaultTabStop(ctx.Cm(0.74)); });
    zeroIndents();
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetCharacterUnitLeftIndent(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetCharacterUnitRightIndent(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetCharacterUnitFirstLineIndent(0); });
    zeroIndents();
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetLineSpacingRule(word::wdLineSpaceSingle); });
}

void ApplyLineSpacing(TableStepContext& ctx) {
    if (ctx.settings.Combo1 == kUnchanged) return;
    ctx.OnParagraphs([&](ParagraphFormat& p) {
        p.SetLineSpacing(ctx.app.LinesToPoints(ctx.values.LineSpacingValue));
    });
}

void SecondParagraphPass(TableStepContext& ctx) {
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetSpaceBefore(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetSpaceBeforeAuto(false); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetSpaceAfterAuto(false); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetLineUnitBefore(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetWordWrap(true); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetCharacterUnitLeftIndent(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetCharacterUnitRightIndent(0); });
    ctx.OnParagraphs([](ParagraphFormat& p) { p.SetCharacterUnitFirstLineIndent(0); });

    // First-line indent of table text, in characters, when Combo4 names
    // one; a text that is no number leaves the indent at 0.
    if (ctx.settings.Combo4 == kUnchanged) return;
    if (auto chars = platform::ParseSingle(ctx.settings.Combo4))
        ctx.OnParagraphs([&](ParagraphFormat& p) { p.SetCharacterUnitFirstLineIndent(*chars); });
}

}  // namespace dorvane::formatting
