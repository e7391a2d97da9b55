#include <cmath>

#include "automation/AutomationError.h"
#include "automation/embedded/excel/ExcelObjects.h"

namespace dorvane::embedded::excel {

namespace {

// Excel's conversion of a stored column width (characters of the default
// font's widest digit, padding included) to pixels, then to points at 96
// pixels per inch.
double StoredWidthToPoints(double width) {
    constexpr double kDigitPixels = 7;
    double pixels = std::trunc(((256 * width + std::trunc(128 / kDigitPixels)) / 256) * kDigitPixels);
    return pixels * 0.75;
}

}  // namespace

SheetImpl::SheetImpl(std::weak_ptr<WorkbookImpl> workbook, int index) : workbook_(std::move(workbook)), index_(index) {
    auto book = workbook_.lock();
    const SheetEntry& entry = book->Document("Sheet").Sheets()[static_cast<std::size_t>(index_)];
    if (entry.cells) {
        selection_ = entry.cells->RecordedSelection();
        if (selection_.empty()) selection_ = {CellArea{}};
    }
}

std::shared_ptr<WorkbookImpl> SheetImpl::Book(const char* member) const {
    auto book = workbook_.lock();
    if (!book || book->IsClosed()) throw AutomationError(member, "the sheet's workbook has been closed");
    return book;
}

WorksheetXml& SheetImpl::Grid(const char* member) const {
    auto book = Book(member);
    SheetEntry& entry = book->Document(member).Sheets()[static_cast<std::size_t>(index_)];
    if (!entry.cells) throw AutomationError(member, "\"" + entry.name + "\" is a chart sheet and has no cells");
    return *entry.cells;
}

std::string SheetImpl::Name() const {
    return Book("Sheet.Name")->Document("Sheet.Name").Sheets()[static_cast<std::size_t>(index_)].name;
}

bool SheetImpl::IsWorksheet() const {
    return Book("Sheet.IsWorksheet")->Document("Sheet.IsWorksheet").Sheets()[static_cast<std::size_t>(index_)].worksheet;
}

bool SheetImpl::Visible() const {
    return !Book("Sheet.Visible")->Document("Sheet.Visible").Sheets()[static_cast<std::size_t>(index_)].hidden;
}

x::Ref<x::Range> SheetImpl::MakeRange(std::vector<CellArea> areas) {
    return std::make_shared<RangeImpl>(shared_from_this(), std::move(areas));
}

x::Ref<x::Range> SheetImpl::Cells(int row, int column) {
    Grid("Sheet.Cells");
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        throw AutomationError("Sheet.Cells", "row " + std::to_string(row) + ", column " + std::to_string(column) +
                                                 " lies outside the sheet (1048576 rows, 16384 columns)");
    return MakeRange({CellArea{row, column, row, column}});
}

x::Ref<x::Range> SheetImpl::Range(const std::string& address) {
    Grid("Sheet.Range");
    auto areas = ParseAreas(address);
    if (areas.empty() || address.find(' ') != std::string::npos)
        throw AutomationError("Sheet.Range", "\"" + address + "\" is not a cell address");
    return MakeRange(std::move(areas));
}

x::Ref<x::Range> SheetImpl::UsedRange() {
    auto used = Grid("Sheet.UsedRange").UsedArea();
    return MakeRange({used.value_or(CellArea{})});
}

x::Ref<x::Range> SheetImpl::Columns(const std::string& address) {
    Grid("Sheet.Columns");
    auto areas = ParseAreas(address);
    if (areas.empty() || address.find(' ') != std::string::npos)
        throw AutomationError("Sheet.Columns", "\"" + address + "\" is not a column address");
    for (auto& area : areas) {
        area.top = 1;
        area.bottom = kMaxRows;
    }
    return MakeRange(std::move(areas));
}

double SheetImpl::ColumnWidth(int column) const {
    const WorksheetXml& grid = Grid("Sheet.ColumnWidth");
    if (column < 1 || column > kMaxColumns)
        throw AutomationError("Sheet.ColumnWidth", "there is no column " + std::to_string(column));
    if (grid.ColumnHidden(column)) return 0;
    return StoredWidthToPoints(grid.StoredColumnWidth(column));
}

void SheetImpl::Activate() {
    auto book = Book("Sheet.Activate");
    const SheetEntry& entry = book->Document("Sheet.Activate").Sheets()[static_cast<std::size_t>(index_)];
    if (entry.hidden) throw AutomationError("Sheet.Activate", "the sheet \"" + entry.name + "\" is hidden");
    book->SetActiveSheet(index_);
    book->Activate();
}

void SheetImpl::Select(std::vector<CellArea> areas) {
    Grid("Range.Select");
    Activate();
    selection_ = std::move(areas);
    Book("Range.Select")->Notify();
}

std::optional<CellArea> SheetImpl::Used() const { return Grid("Sheet.UsedRange").UsedArea(); }

}  // namespace dorvane::embedded::excel
