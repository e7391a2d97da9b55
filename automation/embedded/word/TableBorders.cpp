#include "automation/embedded/word/TableBorders.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "automation/embedded/word/DocumentData.h"
#include "automation/embedded/word/SchemaOrder.h"
#include "automation/word/WordTypes.h"

namespace dorvane::embedded::word {

namespace {

// Word's line styles in code order, as OOXML names them.
const char* const kStyleValues[] = {
    "nil", "single", "dotted", "dashSmallGap", "dashed", "dotDash", "dotDotDash", "double", "triple",
    "thinThickSmallGap", "thickThinSmallGap", "thinThickThinSmallGap", "thinThickMediumGap",
    "thickThinMediumGap", "thinThickThinMediumGap", "thinThickLargeGap", "thickThinLargeGap",
    "thinThickThinLargeGap", "wave", "doubleWave", "dashDotStroked", "threeDEmboss", "threeDEngrave",
    "outset", "inset"};
constexpr int kStyleCount = sizeof(kStyleValues) / sizeof(kStyleValues[0]);

enum class Side { Top, Left, Bottom, Right };

// The element names of a side: the transitional one and the newer one.
struct SideNames {
    const char* primary;
    const char* logical;
};
SideNames NamesOf(Side side) {
    switch (side) {
        case Side::Top: return {"top", "top"};
        case Side::Left: return {"left", "start"};
        case Side::Bottom: return {"bottom", "bottom"};
        case Side::Right: return {"right", "end"};
    }
    return {"top", "top"};
}
Side Opposite(Side side) {
    switch (side) {
        case Side::Top: return Side::Bottom;
        case Side::Bottom: return Side::Top;
        case Side::Left: return Side::Right;
        case Side::Right: return Side::Left;
    }
    return side;
}
SideNames TableNamesOf(Edge edge) {
    switch (edge) {
        case Edge::Top: return NamesOf(Side::Top);
        case Edge::Left: return NamesOf(Side::Left);
        case Edge::Bottom: return NamesOf(Side::Bottom);
        case Edge::Right: return NamesOf(Side::Right);
        case Edge::InsideHorizontal: return {"insideH", "insideH"};
        case Edge::InsideVertical: return {"insideV", "insideV"};
    }
    return {"top", "top"};
}

pugi::xml_node FindIn(const Names& n, pugi::xml_node list, SideNames names) {
    if (!list) return {};
    pugi::xml_node found = n.Child(list, names.primary);
    return found ? found : n.Child(list, names.logical);
}

pugi::xml_node EnsureIn(const Names& n, pugi::xml_node list, SideNames names) {
    if (pugi::xml_node found = FindIn(n, list, names)) return found;
    return EnsureChild(n, list, n.Strict() ? names.logical : names.primary, order::kBorders);
}

std::optional<BorderValue> ValueOf(const Names& n, pugi::xml_node element) {
    if (!element) return std::nullopt;
    BorderValue value;
    value.style = LineStyleCode(n.Attr(element, "val").value());
    value.width = static_cast<int>(IntAttr(n, element, "sz").value_or(0));
    return value;
}

struct Reader {
    DocumentData& doc;
    const TableGrid& grid;
    const Names& n;

    pugi::xml_node CellBorders(pugi::xml_node tc) const { return n.Child(n.Child(tc, "tcPr"), "tcBorders"); }

    BorderValue TableLevel(pugi::xml_node row, SideNames names) const {
        pugi::xml_node exceptions = n.Child(n.Child(row, "tblPrEx"), "tblBorders");
        if (auto v = ValueOf(n, FindIn(n, exceptions, names))) return *v;
        pugi::xml_node tblPr = n.Child(grid.Table(), "tblPr");
        if (auto v = ValueOf(n, FindIn(n, n.Child(tblPr, "tblBorders"), names))) return *v;
        pugi::xml_node style = n.Child(tblPr, "tblStyle");
        std::vector<PropertySource> sources;
        doc.StylesOf().TableSources(style ? n.Attr(style, "val").value() : "", sources);
        for (const PropertySource& s : sources)
            if (auto v = ValueOf(*s.names, FindIn(*s.names, s.names->Child(s.node, "tblBorders"), names))) return *v;
        return {};
    }

    const GridCell* Neighbour(const GridCell& cell, Side side) const {
        switch (side) {
            case Side::Top: return grid.At(cell.row - 1, cell.column);
            case Side::Bottom: return grid.At(cell.row + 1, cell.column);
            case Side::Left: return grid.At(cell.row, cell.column - 1);
            case Side::Right: return grid.At(cell.row, cell.LastColumn() + 1);
        }
        return nullptr;
    }

    // The border on one side of a physical cell: its own, else the facing
    // one of its neighbour, else the table's outer or inside border.
    BorderValue Effective(const GridCell& cell, Side side) const {
        if (auto v = ValueOf(n, FindIn(n, CellBorders(cell.tc), NamesOf(side)))) return *v;
        const GridCell* next = Neighbour(cell, side);
        if (next) {
            if (auto v = ValueOf(n, FindIn(n, CellBorders(next->tc), NamesOf(Opposite(side))))) return *v;
            bool horizontal = side == Side::Top || side == Side::Bottom;
            return TableLevel(grid.Row(cell.row), TableNamesOf(horizontal ? Edge::InsideHorizontal : Edge::InsideVertical));
        }
        return TableLevel(grid.Row(cell.row), NamesOf(side));
    }

    // Whether the side of a cell lies inside one merged cell.
    bool InsideMerge(const GridCell& cell, Side side) const {
        const GridCell* next = Neighbour(cell, side);
        return next && &TableGrid::Visible(*next) == &TableGrid::Visible(cell);
    }
};

// The (cell, side) pairs along one edge of a block. The left and right
// edges are those of each row's first and last cell in the block, so rows
// that start or end early are bordered where they end.
std::vector<std::pair<const GridCell*, Side>> Segments(const TableGrid& grid, const GridRect& rect, Edge edge) {
    std::vector<std::pair<const GridCell*, Side>> out;
    for (int r = std::max(rect.row1, 0); r <= rect.row2 && r < grid.RowCount(); ++r) {
        std::vector<const GridCell*> row;
        for (const GridCell& cell : grid.PhysicalCells(r))
            if (cell.LastColumn() >= rect.column1 && cell.column <= rect.column2) row.push_back(&cell);
        for (std::size_t i = 0; i < row.size(); ++i) {
            const GridCell* cell = row[i];
            bool first = i == 0;
            bool last = i + 1 == row.size();
            switch (edge) {
                case Edge::Top:
                    if (r == rect.row1) out.push_back({cell, Side::Top});
                    break;
                case Edge::Bottom:
                    if (r == rect.row2) out.push_back({cell, Side::Bottom});
                    break;
                case Edge::Left:
                    if (first) out.push_back({cell, Side::Left});
                    break;
                case Edge::Right:
                    if (last) out.push_back({cell, Side::Right});
                    break;
                case Edge::InsideHorizontal:
                    if (r > rect.row1) out.push_back({cell, Side::Top});
                    if (r < rect.row2) out.push_back({cell, Side::Bottom});
                    break;
                case Edge::InsideVertical:
                    if (!first) out.push_back({cell, Side::Left});
                    if (!last) out.push_back({cell, Side::Right});
                    break;
            }
        }
    }
    return out;
}

void RemoveSide(const Names& n, pugi::xml_node tc, Side side) {
    pugi::xml_node tcPr = n.Child(tc, "tcPr");
    pugi::xml_node list = n.Child(tcPr, "tcBorders");
    if (!list) return;
    SideNames names = NamesOf(side);
    RemoveChildren(n, list, names.primary);
    RemoveChildren(n, list, names.logical);
    if (!list.first_child()) tcPr.remove_child(list);
}

void SetAttributes(const Names& n, pugi::xml_node element, bool created, std::optional<int> style,
                   std::optional<int> width, int inheritedStyle) {
    if (style) n.SetAttr(element, "val", LineStyleValue(*style));
    else if (created) n.SetAttr(element, "val", LineStyleValue(inheritedStyle));
    if (width) SetIntAttr(n, element, "sz", *width);
    else if (created) SetIntAttr(n, element, "sz", 4);
    if (created) {
        SetIntAttr(n, element, "space", 0);
        n.SetAttr(element, "color", "auto");
    }
}

void WriteTable(DocumentData& doc, const TableGrid& grid, Edge edge, std::optional<int> style,
                std::optional<int> width) {
    const Names& n = doc.N();
    Reader reader{doc, grid, n};
    pugi::xml_node table = grid.Table();
    pugi::xml_node tblPr = EnsureChild(n, table, "tblPr", order::kTable);
    pugi::xml_node list = EnsureChild(n, tblPr, "tblBorders", order::kTableProperties);
    SideNames names = TableNamesOf(edge);
    bool created = !FindIn(n, list, names);
    int inherited = created && grid.RowCount() > 0 ? reader.TableLevel(grid.Row(0), names).style : 0;
    SetAttributes(n, EnsureIn(n, list, names), created, style, width, inherited);

    // The cells' and rows' own borders along this edge would hide the
    // table's: a new style replaces them, a new width updates them.
    for (const auto& [cell, side] : Segments(grid, grid.Whole(), edge)) {
        pugi::xml_node own = FindIn(n, reader.CellBorders(cell->tc), NamesOf(side));
        if (!own) continue;
        if (style)
            RemoveSide(n, cell->tc, side);
        else if (width)
            SetIntAttr(n, own, "sz", *width);
    }
    for (int r = 0; r < grid.RowCount(); ++r) {
        pugi::xml_node exceptions = n.Child(n.Child(grid.Row(r), "tblPrEx"), "tblBorders");
        pugi::xml_node own = FindIn(n, exceptions, names);
        if (!own) continue;
        if (style)
            exceptions.remove_child(own);
        else if (width)
            SetIntAttr(n, own, "sz", *width);
    }
}

void WriteBlock(DocumentData& doc, const TableGrid& grid, const GridRect& rect, Edge edge, std::optional<int> style,
                std::optional<int> width) {
    const Names& n = doc.N();
    Reader reader{doc, grid, n};
    for (const auto& [cell, side] : Segments(grid, rect, edge)) {
        pugi::xml_node tcPr = EnsureChild(n, cell->tc, "tcPr", order::kCell);
        pugi::xml_node list = EnsureChild(n, tcPr, "tcBorders", order::kCellProperties);
        bool created = !FindIn(n, list, NamesOf(side));
        int inherited = created ? reader.Effective(*cell, side).style : 0;
        SetAttributes(n, EnsureIn(n, list, NamesOf(side)), created, style, width, inherited);
    }
}

}  // namespace

std::optional<Edge> EdgeOfIndex(int index) {
    switch (index) {
        case dorvane::word::wdBorderTop: return Edge::Top;
        case dorvane::word::wdBorderLeft: return Edge::Left;
        case dorvane::word::wdBorderBottom: return Edge::Bottom;
        case dorvane::word::wdBorderRight: return Edge::Right;
        case dorvane::word::wdBorderHorizontal: return Edge::InsideHorizontal;
        case dorvane::word::wdBorderVertical: return Edge::InsideVertical;
        default: return std::nullopt;
    }
}

int LineStyleCode(std::string_view value) {
    if (value.empty() || value == "nil" || value == "none") return 0;
    for (int code = 1; code < kStyleCount; ++code)
        if (value == kStyleValues[code]) return code;
    // Heavy and decorative lines Word maps onto a plain single line.
    return 1;
}

const char* LineStyleValue(int code) { return code >= 0 && code < kStyleCount ? kStyleValues[code] : nullptr; }

bool IsLineWidthCode(int width) {
    switch (width) {
        case 2: case 4: case 6: case 8: case 12: case 18: case 24: case 36: case 48: return true;
        default: return false;
    }
}

BorderValue ReadBorder(DocumentData& doc, const CellBlock& block, Edge edge) {
    const TableGrid& grid = doc.Grid(block.table);
    Reader reader{doc, grid, doc.N()};
    std::optional<BorderValue> result;
    bool styleMixed = false;
    bool widthMixed = false;
    for (const auto& [cell, side] : Segments(grid, block.rect, edge)) {
        if (reader.InsideMerge(*cell, side)) continue;
        BorderValue v = reader.Effective(*cell, side);
        if (!result) {
            result = v;
            continue;
        }
        styleMixed |= v.style != result->style;
        widthMixed |= v.width != result->width;
    }
    if (!result) {
        // No line of that kind inside the block (one row, one column): the
        // table's own setting.
        if (grid.RowCount() == 0) return {};
        result = reader.TableLevel(grid.Row(block.rect.row1), TableNamesOf(edge));
    }
    if (styleMixed) result->style = dorvane::word::wdUndefined;
    if (widthMixed) result->width = dorvane::word::wdUndefined;
    return *result;
}

void WriteBorder(DocumentData& doc, const CellBlock& block, Edge edge, std::optional<int> style,
                 std::optional<int> width) {
    const TableGrid& grid = doc.Grid(block.table);
    if (block.wholeTable)
        WriteTable(doc, grid, edge, style, width);
    else
        WriteBlock(doc, grid, block.rect, edge, style, width);
    doc.FormatChanged();
}

}  // namespace dorvane::embedded::word
