// A worksheet's cell work for ranges: values, displayed texts, clearing,
// copying to the clipboard and fitting column widths.

#include <algorithm>
#include <cmath>

#include "automation/AutomationError.h"
#include "automation/embedded/excel/ExcelObjects.h"
#include "automation/embedded/excel/FormulaShift.h"
#include "platform/Clipboard.h"

namespace dorvane::embedded::excel {

namespace {

// More cells than this in one write or enumeration is refused rather than
// filling memory.
constexpr long long kMaxCellsAtOnce = 4 << 20;

long long CellCount(const std::vector<CellArea>& areas) {
    long long count = 0;
    for (const auto& area : areas) count += area.CellCount();
    return count;
}

bool WideCharacter(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000;
}

// Width of a displayed text in digit widths: East Asian characters count
// double; of several lines the longest counts.
int TextUnits(const std::string& text) {
    int longest = 0, current = 0;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += static_cast<std::size_t>(extra) + 1;
        if (cp == '\n') {
            longest = std::max(longest, current);
            current = 0;
            continue;
        }
        current += WideCharacter(cp) ? 2 : 1;
    }
    return std::max(longest, current);
}

// The stored width of a column fitting `units` digit widths: the digits'
// pixels plus 5 pixels of padding, in characters, in 1/256 steps.
double StoredWidthForUnits(int units) {
    constexpr double kDigitPixels = 7;
    return std::trunc((units * kDigitPixels + 5) / kDigitPixels * 256) / 256;
}

// Replacing the first cell of a shared formula would leave the cells that
// share it without their formula text: each of them gets the formula moved
// to its own place instead.
void ReleaseSharedFormula(WorksheetXml& grid, pugi::xml_node c) {
    const Names& names = grid.names();
    pugi::xml_node f = names.Child(c, "f");
    if (!f || std::string_view(f.attribute("t").value()) != "shared" || !f.attribute("ref")) return;
    auto area = ParseArea(f.attribute("ref").value());
    auto master = ParseCellReference(c.attribute("r").value());
    if (!area || !master) return;
    std::string si = f.attribute("si").value();
    std::string text = f.text().get();
    grid.ForEachCellIn(*area, [&](int row, int column, pugi::xml_node cell) {
        pugi::xml_node other = names.Child(cell, "f");
        if (cell == c || !other || si != other.attribute("si").value()) return;
        other.remove_attribute("t");
        other.remove_attribute("si");
        other.remove_attribute("ref");
        other.text().set(ShiftFormula(text, row - master->row, column - master->column).c_str());
    });
}

}  // namespace

x::CellValue SheetImpl::ReadValue(int row, int column) const {
    const WorksheetXml& grid = Grid("Range.Value");
    pugi::xml_node c = grid.Find(row, column);
    if (!c) return {};
    return ReadCell(c, grid.names(), Book("Range.Value")->Document("Range.Value").Context());
}

std::string SheetImpl::DisplayText(int row, int column) const {
    const WorksheetXml& grid = Grid("Range.Text");
    pugi::xml_node c = grid.Find(row, column);
    if (!c) return {};
    WorkbookDocument& document = Book("Range.Text")->Document("Range.Text");
    x::CellValue value = ReadCell(c, grid.names(), document.Context());
    const NumberFormat& format = document.styles().FormatOf(CellStyle(c));
    switch (value.kind()) {
        case x::CellValue::Kind::Empty: return {};
        case x::CellValue::Kind::Number:
        case x::CellValue::Kind::Date: return format.Format(value.AsNumber());
        case x::CellValue::Kind::Text: return format.FormatText(value.AsText());
        case x::CellValue::Kind::Boolean: return value.AsBoolean() ? "TRUE" : "FALSE";
        case x::CellValue::Kind::Error: return value.AsText();
    }
    return {};
}

void SheetImpl::WriteValue(const std::vector<CellArea>& areas, const x::CellValue& value) {
    if (value.IsEmpty()) {
        Clear(areas);
        return;
    }
    WorksheetXml& grid = Grid("Range.Value");
    if (CellCount(areas) > kMaxCellsAtOnce)
        throw AutomationError("Range.Value", "too many cells to set at once");
    for (const auto& area : areas)
        if (grid.MeetsMultiCellArrayFormula(area))
            throw AutomationError("Range.Value", "cannot change part of an array formula");
    auto book = Book("Range.Value");
    WorkbookDocument& document = book->Document("Range.Value");
    if (value.kind() == x::CellValue::Kind::Date) document.EnsureStyles();
    bool formulaRemoved = false;
    for (const auto& area : areas) {
        for (int r = area.top; r <= area.bottom; ++r) {
            for (int col = area.left; col <= area.right; ++col) {
                pugi::xml_node c = grid.Ensure(r, col);
                ReleaseSharedFormula(grid, c);
                formulaRemoved |= WriteCell(c, value, grid.names(), document.Context());
            }
        }
    }
    grid.Touch();
    document.CellsChanged(formulaRemoved);
    book->Changed();
}

void SheetImpl::Clear(const std::vector<CellArea>& areas) {
    WorksheetXml& grid = Grid("Range.ClearContents");
    for (const auto& area : areas)
        if (grid.MeetsMultiCellArrayFormula(area))
            throw AutomationError("Range.ClearContents", "cannot change part of an array formula");
    std::vector<std::pair<int, int>> present;
    for (const auto& area : areas)
        grid.ForEachCellIn(area, [&](int r, int c, pugi::xml_node) { present.emplace_back(r, c); });
    if (present.empty()) return;
    auto book = Book("Range.ClearContents");
    WorkbookDocument& document = book->Document("Range.ClearContents");
    bool formulaRemoved = false;
    for (auto [r, col] : present) {
        pugi::xml_node c = grid.Find(r, col);
        if (!c) continue;  // listed twice by overlapping areas
        ReleaseSharedFormula(grid, c);
        // A formatted cell keeps its format; a plain one goes.
        if (CellStyle(c) != 0) formulaRemoved |= WriteCell(c, {}, grid.names(), document.Context());
        else {
            formulaRemoved |= HasFormula(c, grid.names());
            grid.Remove(r, col);
        }
    }
    grid.Touch();
    document.CellsChanged(formulaRemoved);
    book->Changed();
}

void SheetImpl::Copy(const std::vector<CellArea>& areas) const {
    if (areas.size() != 1) throw AutomationError("Range.Copy", "cannot copy several areas at once");
    CellArea area = areas.front();
    // Whole rows or columns are copied as far as the sheet has cells.
    if (auto used = Used()) {
        if (area.top == 1 && area.bottom == kMaxRows) area.bottom = std::max(1, used->bottom);
        if (area.left == 1 && area.right == kMaxColumns) area.right = std::max(1, used->right);
    } else if (area.CellCount() > 1 && (area.bottom == kMaxRows || area.right == kMaxColumns)) {
        area.bottom = std::min(area.bottom, area.top);
        area.right = std::min(area.right, area.left);
    }
    if (area.CellCount() > kMaxCellsAtOnce) throw AutomationError("Range.Copy", "too many cells to copy");
    platform::ClipboardGrid grid;
    grid.rows.assign(static_cast<std::size_t>(area.Rows()),
                     std::vector<std::string>(static_cast<std::size_t>(area.Columns())));
    Grid("Range.Copy").ForEachCellIn(area, [&](int r, int c, pugi::xml_node) {
        grid.rows[static_cast<std::size_t>(r - area.top)][static_cast<std::size_t>(c - area.left)] = DisplayText(r, c);
    });
    for (int c = area.left; c <= area.right; ++c) grid.columnWidthsPoints.push_back(ColumnWidth(c));
    platform::Clipboard::SetGrid(std::move(grid));
}

void SheetImpl::AutoFit(const std::vector<CellArea>& areas) {
    WorksheetXml& grid = Grid("Range.AutoFit");
    for (const auto& area : areas)
        if (area.top != 1 || area.bottom != kMaxRows)
            throw AutomationError("Range.AutoFit", "only whole columns can be fitted (use EntireColumn.AutoFit)");
    auto merged = grid.MergedAreas();
    auto inMerge = [&](int r, int c) {
        return std::any_of(merged.begin(), merged.end(),
                           [&](const CellArea& m) { return m.CellCount() > 1 && m.Contains(r, c); });
    };
    bool changed = false;
    for (const auto& area : areas) {
        std::vector<int> units(static_cast<std::size_t>(area.Columns()), 0);
        grid.ForEachCellIn(area, [&](int r, int c, pugi::xml_node) {
            if (inMerge(r, c)) return;  // merged cells do not size their columns
            int& u = units[static_cast<std::size_t>(c - area.left)];
            u = std::max(u, TextUnits(DisplayText(r, c)));
        });
        for (int c = area.left; c <= area.right; ++c) {
            int u = units[static_cast<std::size_t>(c - area.left)];
            if (u == 0) continue;  // an empty column keeps its width
            double width = StoredWidthForUnits(u);
            if (grid.StoredColumnWidth(c) == width) continue;
            grid.SetStoredColumnWidth(c, width);
            changed = true;
        }
    }
    if (changed) Book("Range.AutoFit")->Changed();
}

}  // namespace dorvane::embedded::excel
