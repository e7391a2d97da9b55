#include "automation/embedded/excel/WorksheetXml.h"

#include <algorithm>
#include <cmath>

#include "automation/AutomationError.h"
#include "automation/embedded/package/Package.h"

namespace dorvane::embedded::excel {

namespace {

// Standard width of a column in characters when the sheet gives none.
constexpr int kDefaultBaseColumnWidth = 8;
constexpr double kMaxDigitPixels = 7;  // the default font's widest digit

// The stored width of a column of `base` characters: the pixels of the
// characters plus 5 pixels of padding, rounded up to a multiple of 8
// pixels, as the standard width is.
double StoredWidthOfBase(double base) {
    double pixels = std::ceil((base * kMaxDigitPixels + 5) / 8) * 8;
    return pixels / kMaxDigitPixels;
}

}  // namespace

WorksheetXml::WorksheetXml(Package& package, std::string part, const std::string& member)
    : package_(package), part_(std::move(part)) {
    pugi::xml_node root = package.Xml(part_).document_element();
    names_ = Names::OfPart(root);
    if (!names_.Is(root, "worksheet")) Fail(member, "is not a worksheet");
    sheetData_ = names_.Child(root, "sheetData");
    if (!sheetData_) Fail(member, "has no sheetData element");
    dimension_ = names_.Child(root, "dimension");
    if (dimension_) {
        const char* ref = dimension_.attribute("ref").value();
        dimensionArea_ = ParseArea(ref);
        if (!dimensionArea_) Fail(member, std::string("has an impossible dimension \"") + ref + "\"");
    }
    pugi::xml_node format = names_.Child(root, "sheetFormatPr");
    if (format.attribute("defaultColWidth"))
        defaultWidth_ = format.attribute("defaultColWidth").as_double();
    else
        defaultWidth_ = StoredWidthOfBase(format.attribute("baseColWidth").as_int(kDefaultBaseColumnWidth));
    IndexRows(member);
    IndexColumns();
}

void WorksheetXml::Fail(const std::string& member, const std::string& reason) const {
    throw AutomationError(member, package_.File().string() + ": part " + part_ + " " + reason);
}

void WorksheetXml::IndexRows(const std::string& member) {
    int previous = 0;
    bool sorted = true;
    for (pugi::xml_node node = sheetData_.first_child(); node; node = node.next_sibling()) {
        if (!names_.Is(node, "row")) continue;
        Row row;
        row.node = node;
        if (pugi::xml_attribute r = node.attribute("r")) {
            long long number = r.as_llong(0);
            if (number < 1 || number > kMaxRows)
                Fail(member, "has a row number beyond 1048576: " + std::string(r.value()));
            row.number = static_cast<int>(number);
        } else {
            row.number = previous + 1;
            if (row.number > kMaxRows) Fail(member, "has more than 1048576 rows");
            node.append_attribute("r") = row.number;
        }
        if (row.number <= previous) sorted = false;
        previous = row.number;
        IndexRow(row, member);
        rows_.push_back(std::move(row));
    }
    if (!sorted) {
        std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.number < b.number; });
        // A row number given twice: keep the first row's index.
        rows_.erase(std::unique(rows_.begin(), rows_.end(),
                                [](const Row& a, const Row& b) { return a.number == b.number; }),
                    rows_.end());
    }
}

void WorksheetXml::IndexRow(Row& row, const std::string& member) {
    int previous = 0;
    bool sorted = true;
    const std::string cellName = names_("c");
    for (pugi::xml_node c = row.node.first_child(); c; c = c.next_sibling()) {
        if (cellName != c.name()) continue;
        int column;
        if (pugi::xml_attribute r = c.attribute("r")) {
            auto position = ParseCellReference(r.value());
            if (!position) Fail(member, "has a cell reference beyond XFD1048576 or malformed: \"" +
                                            std::string(r.value()) + "\"");
            column = position->column;
        } else {
            column = previous + 1;
            if (column > kMaxColumns) Fail(member, "has a row of more than 16384 cells");
            c.append_attribute("r") = CellReference(row.number, column).c_str();
        }
        if (column <= previous) sorted = false;
        previous = column;
        row.cells.emplace_back(column, c);
        if (pugi::xml_node f = names_.Child(c, "f")) {
            ++formulaCount_;
            if (std::string_view(f.attribute("t").value()) == "array") {
                auto area = ParseArea(f.attribute("ref").value());
                if (area && area->CellCount() > 1) arrayFormulas_.push_back(*area);
            }
        }
    }
    if (!sorted) {
        std::stable_sort(row.cells.begin(), row.cells.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        row.cells.erase(std::unique(row.cells.begin(), row.cells.end(),
                                    [](const auto& a, const auto& b) { return a.first == b.first; }),
                        row.cells.end());
    }
}

void WorksheetXml::IndexColumns() {
    columns_.clear();
    pugi::xml_node cols = names_.Child(package_.Xml(part_).document_element(), "cols");
    for (pugi::xml_node col = cols.first_child(); col; col = col.next_sibling()) {
        if (!names_.Is(col, "col")) continue;
        int min = col.attribute("min").as_int(0), max = col.attribute("max").as_int(0);
        if (min < 1 || max < min) continue;
        columns_.push_back({min, std::min(max, kMaxColumns), col});
    }
    std::sort(columns_.begin(), columns_.end(), [](const Column& a, const Column& b) { return a.min < b.min; });
}

const WorksheetXml::Row* WorksheetXml::FindRow(int row) const {
    auto it = std::lower_bound(rows_.begin(), rows_.end(), row, [](const Row& r, int n) { return r.number < n; });
    return it != rows_.end() && it->number == row ? &*it : nullptr;
}

pugi::xml_node WorksheetXml::Find(int row, int column) const {
    const Row* r = FindRow(row);
    if (!r) return {};
    auto it = std::lower_bound(r->cells.begin(), r->cells.end(), column,
                               [](const auto& c, int n) { return c.first < n; });
    return it != r->cells.end() && it->first == column ? it->second : pugi::xml_node();
}

WorksheetXml::Row& WorksheetXml::EnsureRow(int row) {
    auto it = std::lower_bound(rows_.begin(), rows_.end(), row, [](const Row& r, int n) { return r.number < n; });
    if (it != rows_.end() && it->number == row) return *it;
    Row added;
    added.number = row;
    const std::string rowName = names_("row");
    added.node = it == rows_.end() ? sheetData_.append_child(rowName.c_str())
                                   : sheetData_.insert_child_before(rowName.c_str(), it->node);
    added.node.append_attribute("r") = row;
    return *rows_.insert(it, std::move(added));
}

pugi::xml_node WorksheetXml::Ensure(int row, int column) {
    if (pugi::xml_node existing = Find(row, column)) return existing;
    Row& r = EnsureRow(row);
    auto it = std::lower_bound(r.cells.begin(), r.cells.end(), column,
                               [](const auto& c, int n) { return c.first < n; });
    const std::string cellName = names_("c");
    pugi::xml_node c = it == r.cells.end() ? r.node.append_child(cellName.c_str())
                                           : r.node.insert_child_before(cellName.c_str(), it->second);
    c.append_attribute("r") = CellReference(row, column).c_str();
    // A new cell takes the format of its row, else of its column.
    int style = IsTrue(r.node.attribute("customFormat")) ? r.node.attribute("s").as_int(0) : ColumnStyle(column);
    if (style > 0) c.append_attribute("s") = style;
    r.cells.insert(it, {column, c});
    // The spans hint would be stale.
    r.node.remove_attribute("spans");
    ExtendDimension(row, column);
    return c;
}

void WorksheetXml::Remove(int row, int column) {
    auto rowIt = std::lower_bound(rows_.begin(), rows_.end(), row, [](const Row& r, int n) { return r.number < n; });
    if (rowIt == rows_.end() || rowIt->number != row) return;
    auto& cells = rowIt->cells;
    auto it = std::lower_bound(cells.begin(), cells.end(), column, [](const auto& c, int n) { return c.first < n; });
    if (it == cells.end() || it->first != column) return;
    it->second.parent().remove_child(it->second);
    cells.erase(it);
}

void WorksheetXml::ExtendDimension(int row, int column) {
    if (!dimension_ || !dimensionArea_) return;
    CellArea area = *dimensionArea_;
    if (area.Contains(row, column)) return;
    area.top = std::min(area.top, row);
    area.bottom = std::max(area.bottom, row);
    area.left = std::min(area.left, column);
    area.right = std::max(area.right, column);
    dimensionArea_ = area;
    dimension_.attribute("ref") = AreaReference(area).c_str();
}

std::optional<CellArea> WorksheetXml::UsedArea() const {
    std::optional<CellArea> area;
    for (const Row& row : rows_) {
        if (row.cells.empty()) continue;
        int left = row.cells.front().first, right = row.cells.back().first;
        if (!area) {
            area = CellArea{row.number, left, row.number, right};
            continue;
        }
        area->bottom = row.number;  // rows are sorted
        area->left = std::min(area->left, left);
        area->right = std::max(area->right, right);
    }
    return area;
}

bool WorksheetXml::MeetsMultiCellArrayFormula(const CellArea& area) const {
    return std::any_of(arrayFormulas_.begin(), arrayFormulas_.end(), [&](const CellArea& a) {
        return a.top <= area.bottom && area.top <= a.bottom && a.left <= area.right && area.left <= a.right;
    });
}

std::vector<CellArea> WorksheetXml::MergedAreas() const {
    std::vector<CellArea> areas;
    pugi::xml_node merges = names_.Child(package_.Xml(part_).document_element(), "mergeCells");
    for (pugi::xml_node m = merges.first_child(); m; m = m.next_sibling())
        if (names_.Is(m, "mergeCell"))
            if (auto area = ParseArea(m.attribute("ref").value())) areas.push_back(*area);
    return areas;
}

const WorksheetXml::Column* WorksheetXml::FindColumn(int column) const {
    for (const Column& c : columns_)
        if (column >= c.min && column <= c.max) return &c;
    return nullptr;
}

double WorksheetXml::StoredColumnWidth(int column) const {
    const Column* c = FindColumn(column);
    if (c && c->node.attribute("width")) return c->node.attribute("width").as_double(defaultWidth_);
    return defaultWidth_;
}

bool WorksheetXml::ColumnHidden(int column) const {
    const Column* c = FindColumn(column);
    return c && IsTrue(c->node.attribute("hidden"));
}

int WorksheetXml::ColumnStyle(int column) const {
    const Column* c = FindColumn(column);
    return c ? c->node.attribute("style").as_int(0) : 0;
}

pugi::xml_node WorksheetXml::EnsureColsElement() {
    pugi::xml_node root = package_.Xml(part_).document_element();
    if (pugi::xml_node cols = names_.Child(root, "cols")) return cols;
    // <cols> comes right before <sheetData>.
    return root.insert_child_before(names_("cols").c_str(), sheetData_);
}

void WorksheetXml::SetStoredColumnWidth(int column, double width) {
    pugi::xml_node cols = EnsureColsElement();
    const Column* existing = FindColumn(column);
    pugi::xml_node node;
    if (existing) {
        // Split the range so that only this column changes.
        pugi::xml_node original = existing->node;
        int min = existing->min, max = existing->max;
        if (min < column) {
            pugi::xml_node before = cols.insert_copy_before(original, original);
            before.attribute("max") = column - 1;
        }
        if (max > column) {
            pugi::xml_node after = cols.insert_copy_after(original, original);
            after.attribute("min") = column + 1;
        }
        original.attribute("min") = column;
        original.attribute("max") = column;
        node = original;
    } else {
        pugi::xml_node next;
        for (const Column& c : columns_)
            if (c.min > column) {
                next = c.node;
                break;
            }
        node = next ? cols.insert_child_before(names_("col").c_str(), next) : cols.append_child(names_("col").c_str());
        node.append_attribute("min") = column;
        node.append_attribute("max") = column;
    }
    if (!node.attribute("width")) node.append_attribute("width");
    node.attribute("width") = width;
    if (!node.attribute("customWidth")) node.append_attribute("customWidth");
    node.attribute("customWidth") = 1;
    IndexColumns();
    Touch();
}

std::vector<CellArea> WorksheetXml::RecordedSelection() const {
    pugi::xml_node root = package_.Xml(part_).document_element();
    pugi::xml_node view = names_.Child(names_.Child(root, "sheetViews"), "sheetView");
    if (!view) return {};
    std::string activePane = names_.Child(view, "pane").attribute("activePane").value();
    pugi::xml_node chosen;
    for (pugi::xml_node s = view.first_child(); s; s = s.next_sibling()) {
        if (!names_.Is(s, "selection")) continue;
        std::string pane = s.attribute("pane").value();
        if (pane.empty()) pane = "topLeft";
        if (!chosen || (!activePane.empty() && pane == activePane)) chosen = s;
    }
    if (!chosen) return {};
    const char* sqref = chosen.attribute("sqref").value();
    auto areas = ParseAreas(*sqref ? sqref : chosen.attribute("activeCell").value());
    return areas;
}

void WorksheetXml::Touch() { package_.MarkChanged(part_); }

}  // namespace dorvane::embedded::excel
