#include "automation/embedded/word/TableGrid.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "automation/embedded/word/Blocks.h"

namespace dorvane::embedded::word {

namespace {

enum class Merge { None, Restart, Continue };

int PositiveAttr(const Names& n, pugi::xml_node element, int fallback) {
    auto value = IntAttr(n, element, "val");
    return value && *value > 0 ? static_cast<int>(*value) : fallback;
}

Merge MergeOf(const Names& n, pugi::xml_node mergeElement) {
    if (!mergeElement) return Merge::None;
    pugi::xml_attribute val = n.Attr(mergeElement, "val");
    return val && std::strcmp(val.value(), "restart") == 0 ? Merge::Restart : Merge::Continue;
}

}  // namespace

TableGrid::TableGrid(const Names& n, pugi::xml_node table) : table_(table) {
    rows_ = TableRows(n, table);
    int gridColumns = 0;
    if (pugi::xml_node grid = n.Child(table, "tblGrid"))
        for (pugi::xml_node col = n.Child(grid, "gridCol"); col; col = col.next_sibling(n.W("gridCol")))
            ++gridColumns;

    cells_.resize(rows_.size());
    std::vector<std::vector<Merge>> vertical(rows_.size());
    int widest = 0;
    std::vector<int> rowEnds(rows_.size());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        pugi::xml_node trPr = n.Child(rows_[r], "trPr");
        int before = PositiveAttr(n, n.Child(trPr, "gridBefore"), 0);
        int after = PositiveAttr(n, n.Child(trPr, "gridAfter"), 0);
        if (before || after) mixedWidths_ = true;
        int column = before;
        for (pugi::xml_node tc : RowCells(n, rows_[r])) {
            pugi::xml_node tcPr = n.Child(tc, "tcPr");
            GridCell cell;
            cell.tc = tc;
            cell.row = static_cast<int>(r);
            cell.column = column;
            cell.span = PositiveAttr(n, n.Child(tcPr, "gridSpan"), 1);
            if (cell.span > 1) mixedWidths_ = true;
            // A legacy horizontal merge: the continuing cell widens the one before.
            if (MergeOf(n, n.Child(tcPr, "hMerge")) == Merge::Continue && !cells_[r].empty()) {
                cell.covered = true;
                mixedWidths_ = true;
            }
            column += cell.span;
            vertical[r].push_back(MergeOf(n, n.Child(tcPr, "vMerge")));
            cells_[r].push_back(cell);
        }
        rowEnds[r] = column;
        widest = std::max(widest, column + after);
    }
    columns_ = std::max(gridColumns, widest);
    for (int end : rowEnds)
        if (end != columns_) mixedWidths_ = true;

    // Owners: horizontal continuations belong to the cell before them,
    // vertical ones to the top cell of the merge above.
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        auto& row = cells_[r];
        for (std::size_t i = 0; i < row.size(); ++i) {
            GridCell& cell = row[i];
            if (cell.covered) {
                GridCell& left = i > 0 ? row[i - 1] : cell;
                GridCell& owner = left.covered && left.owner ? const_cast<GridCell&>(*left.owner) : left;
                owner.span += cell.span;
                cell.owner = &owner;
                continue;
            }
            if (vertical[r][i] != Merge::Continue || r == 0) continue;
            const GridCell* above = At(static_cast<int>(r) - 1, cell.column);
            if (!above || above->column != cell.column) continue;
            std::size_t aboveIndex = static_cast<std::size_t>(above - cells_[r - 1].data());
            bool mergesDown = above->covered || vertical[r - 1][aboveIndex] == Merge::Restart ||
                              vertical[r - 1][aboveIndex] == Merge::Continue;
            if (!mergesDown) continue;
            GridCell& owner = const_cast<GridCell&>(Visible(*above));
            cell.covered = true;
            cell.owner = &owner;
            owner.rowSpan = static_cast<int>(r) - owner.row + 1;
            verticalMerge_ = true;
        }
    }
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        int index = 0;
        for (std::size_t i = 0; i < cells_[r].size(); ++i) {
            GridCell& cell = cells_[r][i];
            if (!cell.covered) cell.index = ++index;
            where_[cell.tc.internal_object()] = {static_cast<int>(r), static_cast<int>(i)};
        }
    }
}

const GridCell* TableGrid::Existing(int row, int index) const {
    if (row < 0 || row >= RowCount() || index < 1) return nullptr;
    for (const GridCell& cell : cells_[row])
        if (cell.index == index) return &cell;
    return nullptr;
}

int TableGrid::ExistingCount(int row) const {
    int count = 0;
    for (const GridCell& cell : cells_[row])
        if (!cell.covered) ++count;
    return count;
}

const GridCell* TableGrid::At(int row, int column) const {
    if (row < 0 || row >= RowCount()) return nullptr;
    for (const GridCell& cell : cells_[row])
        if (column >= cell.column && column < cell.column + cell.span) return &cell;
    return nullptr;
}

const GridCell* TableGrid::Find(pugi::xml_node tc) const {
    auto it = where_.find(tc.internal_object());
    if (it == where_.end()) return nullptr;
    return &cells_[it->second.first][it->second.second];
}

GridRect TableGrid::Expand(GridRect rect) const {
    for (bool grown = true; grown;) {
        grown = false;
        for (const GridCell* cell : PhysicalIn(rect)) {
            const GridCell& v = Visible(*cell);
            GridRect want = rect;
            want.row1 = std::min(want.row1, v.row);
            want.row2 = std::max(want.row2, v.row + v.rowSpan - 1);
            want.column1 = std::min(want.column1, v.column);
            want.column2 = std::max(want.column2, v.LastColumn());
            if (!(want == rect)) {
                rect = want;
                grown = true;
            }
        }
    }
    return rect;
}

bool TableGrid::HasMergedOrMixed(const GridRect& rect) const {
    for (int r = rect.row1; r <= rect.row2; ++r) {
        for (int c = rect.column1; c <= rect.column2; ++c) {
            const GridCell* cell = At(r, c);
            if (!cell || cell->covered || cell->span > 1 || cell->rowSpan > 1) return true;
        }
    }
    return false;
}

std::vector<const GridCell*> TableGrid::PhysicalIn(const GridRect& rect) const {
    std::vector<const GridCell*> out;
    for (int r = std::max(rect.row1, 0); r <= rect.row2 && r < RowCount(); ++r)
        for (const GridCell& cell : cells_[r])
            if (cell.LastColumn() >= rect.column1 && cell.column <= rect.column2) out.push_back(&cell);
    return out;
}

std::vector<const GridCell*> TableGrid::CellsIn(const GridRect& rect) const {
    std::vector<const GridCell*> out;
    std::unordered_set<const GridCell*> seen;
    for (const GridCell* cell : PhysicalIn(rect)) {
        const GridCell* v = &Visible(*cell);
        if (seen.insert(v).second) out.push_back(v);
    }
    return out;
}

}  // namespace dorvane::embedded::word
