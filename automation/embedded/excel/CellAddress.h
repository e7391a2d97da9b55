#pragma once

// A1-style cell addresses: parsing ("B2", "$A$1:$D$10", "A:Z", "3:5",
// "A1:B2,D4:E5") and formatting ("$A$1:$D$10").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::embedded::excel {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

// A rectangle of cells, 1-based and inclusive.
struct CellArea {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    int Rows() const { return bottom - top + 1; }
    int Columns() const { return right - left + 1; }
    long long CellCount() const { return static_cast<long long>(Rows()) * Columns(); }
    bool Contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool operator==(const CellArea&) const = default;
};

// "A" -> 1, "XFD" -> 16384; nothing for anything else or beyond XFD.
std::optional<int> ColumnFromLetters(std::string_view letters);
// 1 -> "A", 28 -> "AB".
std::string ColumnLetters(int column);

// "B2" (dollars allowed) -> {row 2, column 2}; nothing when malformed or
// beyond XFD1048576.
struct CellPosition {
    int row = 0;
    int column = 0;
};
std::optional<CellPosition> ParseCellReference(std::string_view text);

// One area: "B2", "A1:D10", "A:Z" (whole columns), "3:5" (whole rows).
std::optional<CellArea> ParseArea(std::string_view text);
// Areas separated by commas (Excel's own address lists) or blanks (the
// sqref attribute of a sheet's selection). Empty when malformed.
std::vector<CellArea> ParseAreas(std::string_view text);

// "$A$1" for one cell, "$A$1:$D$10" for more.
std::string AreaAddress(const CellArea& area);
// "A1" / "A1:D10" without dollars.
std::string AreaReference(const CellArea& area);
// "B2".
std::string CellReference(int row, int column);

}  // namespace dorvane::embedded::excel
