#pragma once

// One worksheet part: an index from (row, column) to the <c> node, built
// once when the workbook opens; cells inserted in row and column order;
// column widths (<cols>); the selection the file records.

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/excel/CellAddress.h"
#include "automation/embedded/excel/SpreadsheetXml.h"

namespace dorvane::embedded {
class Package;
}

namespace dorvane::embedded::excel {

class WorksheetXml {
public:
    // Indexes the part. Throws AutomationError(member, ...) naming the file
    // and the part when it is malformed or refers beyond XFD1048576.
    WorksheetXml(Package& package, std::string part, const std::string& member);

    const Names& names() const { return names_; }
    const std::string& Part() const { return part_; }

    pugi::xml_node Find(int row, int column) const;
    // The cell's node, created in order (with the row's or column's
    // format) when absent.
    pugi::xml_node Ensure(int row, int column);
    // Removes a cell's node.
    void Remove(int row, int column);

    // The cells present, every <c> counted (formatted empty ones too).
    std::optional<CellArea> UsedArea() const;
    // Calls f(row, column, node) for the cells present inside `area`, row
    // by row.
    template <class F>
    void ForEachCellIn(const CellArea& area, F&& f) const;

    // Whether the area meets an array formula of several cells.
    bool MeetsMultiCellArrayFormula(const CellArea& area) const;
    // The merged areas (<mergeCells>).
    std::vector<CellArea> MergedAreas() const;
    bool HasFormulas() const { return formulaCount_ > 0; }

    // Column width as stored in the file (characters plus padding).
    double StoredColumnWidth(int column) const;
    bool ColumnHidden(int column) const;
    void SetStoredColumnWidth(int column, double width);
    // The style a column gives its new cells (0 when none).
    int ColumnStyle(int column) const;

    // The selection the sheet view records, empty when none.
    std::vector<CellArea> RecordedSelection() const;

    // Marks the part changed so it is written on save.
    void Touch();

private:
    struct Row {
        int number = 0;
        pugi::xml_node node;
        std::vector<std::pair<int, pugi::xml_node>> cells;  // sorted by column
    };
    struct Column {
        int min = 0;
        int max = 0;
        pugi::xml_node node;
    };

    void IndexRows(const std::string& member);
    void IndexRow(Row& row, const std::string& member);
    void IndexColumns();
    [[noreturn]] void Fail(const std::string& member, const std::string& reason) const;
    const Row* FindRow(int row) const;
    Row& EnsureRow(int row);
    const Column* FindColumn(int column) const;
    pugi::xml_node EnsureColsElement();
    void ExtendDimension(int row, int column);

    Package& package_;
    std::string part_;
    Names names_;
    pugi::xml_node sheetData_;
    pugi::xml_node dimension_;
    std::optional<CellArea> dimensionArea_;
    std::vector<Row> rows_;  // sorted by number
    std::vector<Column> columns_;
    std::vector<CellArea> arrayFormulas_;
    int formulaCount_ = 0;
    double defaultWidth_ = 0;
};

template <class F>
void WorksheetXml::ForEachCellIn(const CellArea& area, F&& f) const {
    auto row = std::lower_bound(rows_.begin(), rows_.end(), area.top,
                                [](const Row& r, int n) { return r.number < n; });
    for (; row != rows_.end() && row->number <= area.bottom; ++row) {
        auto cell = std::lower_bound(row->cells.begin(), row->cells.end(), area.left,
                                     [](const auto& c, int n) { return c.first < n; });
        for (; cell != row->cells.end() && cell->first <= area.right; ++cell)
            f(row->number, cell->first, cell->second);
    }
}

}  // namespace dorvane::embedded::excel
