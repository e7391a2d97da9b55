#pragma once

// The sixteen formatting steps a run applies to one table, in the order
// FormatTables calls them. Steps 1 to 9 act on the working selection (the
// whole table, or the user's own selection in selected-table mode); from
// step 10 on each step selects a region of the current table, and the
// selection one step leaves is the one the next step finds.

#include <string>

#include "automation/word/Word.h"
#include "formatting/FailureRegime.h"
#include "formatting/FormatRunState.h"
#include "formatting/FormatSettings.h"

namespace dorvane::formatting {

struct TableStepContext {
    word::Application& app;
    word::Document& document;
    const FormatSettings& settings;
    const FormatRunState& values;
    FailureRegime& regime;
    // The current table, and its row count read before the first step.
    word::Ref<word::Table> table;
    int rowCount = 0;

    word::Ref<word::Selection> Selection() const { return app.Selection(); }
    // The current table; throws AutomationError when it could not be had.
    word::Table& Table() const;
    double Cm(double centimetres) const { return app.CentimetersToPoints(centimetres); }

    // Runs `set` on the selection's paragraph format under the regime.
    template <class Set>
    bool OnParagraphs(Set&& set) {
        return regime.Run([&] { set(*Selection()->ParagraphFormat()); });
    }
};

// Steps 1, 2 and 9: paragraphs of the working selection.
void ParagraphReset(TableStepContext& ctx);
void ApplyLineSpacing(TableStepContext& ctx);
void SecondParagraphPass(TableStepContext& ctx);

// Steps 3, 4 and 5: the table's geometry.
void ResetPreferredWidth(TableStepContext& ctx);
void ApplyRowHeight(TableStepContext& ctx);
void ApplyWidthMode(TableStepContext& ctx);

// Step 6.
void CentreVertically(TableStepContext& ctx);
// Step 7.
void ApplyBorders(TableStepContext& ctx);
// Step 8.
void ApplyFonts(TableStepContext& ctx);

// Steps 10 to 15: regions of the current table.
void AlignHeadingColumn(TableStepContext& ctx);
void CentreTotalCell(TableStepContext& ctx);
void AlignHeadingRows(TableStepContext& ctx);
void RepeatHeadingRows(TableStepContext& ctx);
void SelectBodyRegion(TableStepContext& ctx);
void RemoveSpaces(TableStepContext& ctx);
// Step 16.
void AlignBody(TableStepContext& ctx);

// The points of a Chinese type-size name ("五号" is 10.5), or 0 for any
// other text.
double FontSizePoints(const std::string& name);

// Whether a cell's content (its text without the end-of-cell mark) reads
// as a number: surrounding blanks, sign, thousands commas and a decimal
// point allowed; no percent sign, no unit, no second paragraph.
bool IsNumberCellText(const std::string& content);

// A cell's content: its range text without the end-of-cell mark.
std::string CellContent(word::Cell& cell);

}  // namespace dorvane::formatting
