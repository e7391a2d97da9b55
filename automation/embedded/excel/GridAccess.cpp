// What a sheet grid window reads and sets on the embedded Excel.

#include "automation/AutomationError.h"
#include "automation/embedded/excel/ExcelObjects.h"

namespace dorvane::embedded::grid {

namespace {

excel::SheetImpl& Embedded(dorvane::excel::Sheet& sheet, const char* member) {
    auto* embedded = dynamic_cast<excel::SheetImpl*>(&sheet);
    if (!embedded) throw AutomationError(member, "the sheet does not belong to the embedded Excel");
    return *embedded;
}

}  // namespace

std::vector<std::string> SheetNames(dorvane::excel::Workbook& workbook) {
    auto* embedded = dynamic_cast<excel::WorkbookImpl*>(&workbook);
    if (!embedded) throw AutomationError("SheetNames", "the workbook does not belong to the embedded Excel");
    std::vector<std::string> names;
    for (const auto& sheet : embedded->Document("SheetNames").Sheets()) names.push_back(sheet.name);
    return names;
}

dorvane::excel::Ref<dorvane::excel::Sheet> ActiveSheet(dorvane::excel::Workbook& workbook) {
    auto* embedded = dynamic_cast<excel::WorkbookImpl*>(&workbook);
    if (!embedded) throw AutomationError("ActiveSheet", "the workbook does not belong to the embedded Excel");
    return embedded->ActiveSheet();
}

dorvane::excel::CellValue Value(dorvane::excel::Sheet& sheet, int row, int column) {
    return Embedded(sheet, "Value").ReadValue(row, column);
}

std::string DisplayText(dorvane::excel::Sheet& sheet, int row, int column) {
    return Embedded(sheet, "DisplayText").DisplayText(row, column);
}

std::vector<CellArea> UsedArea(dorvane::excel::Sheet& sheet) {
    auto used = Embedded(sheet, "UsedArea").Used();
    return used ? std::vector<CellArea>{*used} : std::vector<CellArea>{};
}

std::vector<CellArea> Selection(dorvane::excel::Sheet& sheet) { return Embedded(sheet, "Selection").Selection(); }

void SetSelection(dorvane::excel::Sheet& sheet, const std::vector<CellArea>& areas) {
    if (areas.empty()) throw AutomationError("SetSelection", "a selection needs at least one area");
    for (const auto& a : areas)
        if (a.top < 1 || a.left < 1 || a.bottom > excel::kMaxRows || a.right > excel::kMaxColumns ||
            a.top > a.bottom || a.left > a.right)
            throw AutomationError("SetSelection", "an area lies outside the sheet");
    Embedded(sheet, "SetSelection").Select(areas);
}

double ColumnWidth(dorvane::excel::Sheet& sheet, int column) { return sheet.ColumnWidth(column); }

std::vector<CellArea> MergedAreas(dorvane::excel::Sheet& sheet) {
    std::vector<CellArea> merged = Embedded(sheet, "MergedAreas").Grid("MergedAreas").MergedAreas();
    std::erase_if(merged, [](const CellArea& area) { return area.CellCount() < 2; });
    return merged;
}

}  // namespace dorvane::embedded::grid
