#include <climits>

#include "automation/AutomationError.h"
#include "automation/embedded/excel/ExcelObjects.h"

namespace dorvane::embedded::excel {

namespace {
constexpr long long kMaxEnumeratedCells = 4 << 20;
}

x::CellValue RangeImpl::Value() const { return sheet_->ReadValue(areas_.front().top, areas_.front().left); }

void RangeImpl::SetValue(const x::CellValue& value) { sheet_->WriteValue(areas_, value); }

std::string RangeImpl::Text() const { return sheet_->DisplayText(areas_.front().top, areas_.front().left); }

int RangeImpl::Count() const {
    long long count = 0;
    for (const auto& area : areas_) count += area.CellCount();
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

std::string RangeImpl::Address() const {
    std::string address;
    for (const auto& area : areas_) address += (address.empty() ? "" : ",") + AreaAddress(area);
    return address;
}

std::vector<x::Ref<x::Range>> RangeImpl::Cells() {
    long long count = 0;
    for (const auto& area : areas_) count += area.CellCount();
    if (count > kMaxEnumeratedCells)
        throw AutomationError("Range.Cells", "the range " + Address() + " has too many cells to enumerate");
    std::vector<x::Ref<x::Range>> cells;
    cells.reserve(static_cast<std::size_t>(count));
    for (const auto& area : areas_)
        for (int r = area.top; r <= area.bottom; ++r)
            for (int c = area.left; c <= area.right; ++c)
                cells.push_back(std::make_shared<RangeImpl>(sheet_, std::vector<CellArea>{CellArea{r, c, r, c}}));
    return cells;
}

void RangeImpl::ClearContents() { sheet_->Clear(areas_); }

void RangeImpl::Copy() { sheet_->Copy(areas_); }

void RangeImpl::Select() { sheet_->Select(areas_); }

x::Ref<x::Range> RangeImpl::EntireColumn() {
    std::vector<CellArea> columns = areas_;
    for (auto& area : columns) {
        area.top = 1;
        area.bottom = kMaxRows;
    }
    return std::make_shared<RangeImpl>(sheet_, std::move(columns));
}

void RangeImpl::AutoFit() { sheet_->AutoFit(areas_); }

}  // namespace dorvane::embedded::excel
