// Precision as displayed: every number of the workbook is rounded to the
// precision its number format displays.

#include "automation/embedded/excel/ExcelObjects.h"

namespace dorvane::embedded::excel {

void RoundToDisplayedPrecision(WorkbookDocument& document) {
    const Styles& styles = document.styles();
    for (auto& sheet : document.Sheets()) {
        if (!sheet.cells) continue;
        WorksheetXml& grid = *sheet.cells;
        const Names& names = grid.names();
        bool changed = false;
        grid.ForEachCellIn(CellArea{1, 1, kMaxRows, kMaxColumns}, [&](int, int, pugi::xml_node c) {
            std::string_view type = c.attribute("t").value();
            if (!type.empty() && type != "n") return;  // text, booleans, errors, ISO dates
            pugi::xml_node v = names.Child(c, "v");
            if (!v) return;
            auto number = ParseNumberText(v.text().get());
            int style = CellStyle(c);
            if (!number || styles.IsDate(style)) return;
            // Constants and the cached results of formulas alike: a
            // spreadsheet program would recompute the formulas from the
            // rounded constants, and without a calculator of our own the
            // cached result is rounded the same way instead.
            double rounded = styles.FormatOf(style).RoundAsDisplayed(*number);
            if (rounded == *number) return;
            v.text().set(NumberText(rounded).c_str());
            changed = true;
        });
        if (changed) grid.Touch();
    }
}

}  // namespace dorvane::embedded::excel
