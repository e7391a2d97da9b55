#pragma once

// The computed grid of one table: which cell covers which grid column of
// which row, from w:gridBefore, w:gridSpan and w:vMerge. Built once per
// table and kept until the table's structure changes.

#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/word/Xml.h"

namespace dorvane::embedded::word {

struct GridCell {
    pugi::xml_node tc;
    int row = 0;      // 0-based row
    int column = 0;   // 0-based first grid column
    int span = 1;     // grid columns covered
    int rowSpan = 1;  // rows covered (for the top cell of a vertical merge)
    // A cell that continues a vertical merge from the row above: it does
    // not exist for Cell(r, c); `owner` is the merge's top cell.
    bool covered = false;
    const GridCell* owner = nullptr;
    int index = 0;  // 1-based among the row's existing cells (0 when covered)
    int LastColumn() const { return column + span - 1; }
};

// A rectangle of grid rows and columns (0-based, inclusive).
struct GridRect {
    int row1 = 0, column1 = 0, row2 = 0, column2 = 0;
    bool operator==(const GridRect&) const = default;
};

class TableGrid {
public:
    TableGrid(const Names& names, pugi::xml_node table);
    TableGrid(const TableGrid&) = delete;
    TableGrid& operator=(const TableGrid&) = delete;

    pugi::xml_node Table() const { return table_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return columns_; }
    pugi::xml_node Row(int row) const { return rows_[row]; }
    // All cells of a row as they stand in the XML, covered ones included.
    const std::vector<GridCell>& PhysicalCells(int row) const { return cells_[row]; }
    // The `index`-th (1-based) existing cell of a row, or nullptr.
    const GridCell* Existing(int row, int index) const;
    int ExistingCount(int row) const;
    // The cell at a grid position (covered cells included), or nullptr.
    const GridCell* At(int row, int column) const;
    // The cell that a w:tc stands for, or nullptr.
    const GridCell* Find(pugi::xml_node tc) const;
    // The visible cell: the top cell of a vertical merge for a covered one.
    static const GridCell& Visible(const GridCell& cell) { return cell.covered && cell.owner ? *cell.owner : cell; }

    bool HasVerticalMerge() const { return verticalMerge_; }
    // Cells of mixed widths: horizontal merges or rows that do not cover
    // the same grid columns.
    bool HasMixedWidths() const { return mixedWidths_; }

    GridRect Whole() const { return {0, 0, RowCount() - 1, columns_ - 1}; }
    // Grows a rectangle until no merged cell straddles its edges.
    GridRect Expand(GridRect rect) const;
    // Whether any cell in the rectangle is merged (vertically or across
    // columns) or the rows of the rectangle have cells of different widths.
    bool HasMergedOrMixed(const GridRect& rect) const;
    // The visible cells in the rectangle, row by row, each once.
    std::vector<const GridCell*> CellsIn(const GridRect& rect) const;
    // The w:tc elements in the rectangle (covered ones included).
    std::vector<const GridCell*> PhysicalIn(const GridRect& rect) const;

private:
    pugi::xml_node table_;
    std::vector<pugi::xml_node> rows_;
    std::vector<std::vector<GridCell>> cells_;
    std::unordered_map<pugi::xml_node_struct*, std::pair<int, int>> where_;
    int columns_ = 0;
    bool verticalMerge_ = false;
    bool mixedWidths_ = false;
};

}  // namespace dorvane::embedded::word
