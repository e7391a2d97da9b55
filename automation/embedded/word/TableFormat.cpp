#include "automation/embedded/word/TableFormat.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "automation/AutomationError.h"
#include "automation/embedded/word/Blocks.h"
#include "automation/embedded/word/DocumentData.h"
#include "automation/embedded/word/SchemaOrder.h"
#include "automation/word/WordTypes.h"

namespace dorvane::embedded::word::tablefmt {

namespace w = dorvane::word;

namespace {

// Word's default cell margins: none above and below, 0.19 cm at the sides.
constexpr long kDefaultSideMarginTwips = 108;

pugi::xml_node TblPr(DocumentData& doc, pugi::xml_node table) {
    return EnsureChild(doc.N(), table, "tblPr", order::kTable);
}
pugi::xml_node TcPr(DocumentData& doc, pugi::xml_node cell) {
    return EnsureChild(doc.N(), cell, "tcPr", order::kCell);
}
pugi::xml_node TrPr(DocumentData& doc, pugi::xml_node row) { return EnsureChild(doc.N(), row, "trPr", order::kRow); }

// The names of a side in a margin or border list: the transitional name
// and the one newer files use.
const char* SideName(Side side) {
    switch (side) {
        case Side::Top: return "top";
        case Side::Left: return "left";
        case Side::Bottom: return "bottom";
        case Side::Right: return "right";
    }
    return "top";
}
const char* LogicalName(Side side) {
    return side == Side::Left ? "start" : side == Side::Right ? "end" : SideName(side);
}

pugi::xml_node FindSide(const Names& n, pugi::xml_node list, Side side) {
    pugi::xml_node found = n.Child(list, SideName(side));
    return found ? found : n.Child(list, LogicalName(side));
}

pugi::xml_node EnsureSide(const Names& n, pugi::xml_node list, Side side) {
    if (pugi::xml_node found = FindSide(n, list, side)) return found;
    return EnsureChild(n, list, n.Strict() ? LogicalName(side) : SideName(side), order::kMargins);
}

void SetTwipsWidth(const Names& n, pugi::xml_node element, long twips) {
    SetIntAttr(n, element, "w", twips);
    n.SetAttr(element, "type", "dxa");
}

std::string TableStyleOf(DocumentData& doc, pugi::xml_node table) {
    const Names& n = doc.N();
    pugi::xml_node style = n.Child(n.Child(table, "tblPr"), "tblStyle");
    return style ? n.Attr(style, "val").value() : std::string();
}

void ThrowRange(const char* member) { throw AutomationError(member, "the value is out of range"); }

}  // namespace

int PreferredWidthType(DocumentData& doc, pugi::xml_node table) {
    const Names& n = doc.N();
    pugi::xml_node tblW = n.Child(n.Child(table, "tblPr"), "tblW");
    std::string_view type = tblW ? n.Attr(tblW, "type").value() : "auto";
    if (type == "pct") return w::wdPreferredWidthPercent;
    if (type == "dxa") return w::wdPreferredWidthPoints;
    return w::wdPreferredWidthAuto;
}

void SetPreferredWidthType(DocumentData& doc, pugi::xml_node table, int type) {
    static const char* kTypes[] = {nullptr, "auto", "pct", "dxa"};
    if (type < w::wdPreferredWidthAuto || type > w::wdPreferredWidthPoints) ThrowRange("Table.PreferredWidthType");
    const Names& n = doc.N();
    if (PreferredWidthType(doc, table) == type && n.Child(n.Child(table, "tblPr"), "tblW")) return;
    pugi::xml_node tblW = EnsureChild(n, TblPr(doc, table), "tblW", order::kTableProperties);
    // A new kind of width starts at 0: the old number means nothing in it.
    SetIntAttr(n, tblW, "w", 0);
    n.SetAttr(tblW, "type", kTypes[type]);
    doc.FormatChanged();
}

double PreferredWidth(DocumentData& doc, pugi::xml_node table) {
    const Names& n = doc.N();
    pugi::xml_node tblW = n.Child(n.Child(table, "tblPr"), "tblW");
    long value = IntAttr(n, tblW, "w").value_or(0);
    switch (PreferredWidthType(doc, table)) {
        case w::wdPreferredWidthPercent: return value / 50.0;
        case w::wdPreferredWidthPoints: return TwipsToPoints(value);
        default: return 0;
    }
}

void SetPreferredWidth(DocumentData& doc, pugi::xml_node table, double width) {
    if (!(width >= 0) || width > 31680) ThrowRange("Table.PreferredWidth");
    const Names& n = doc.N();
    int type = PreferredWidthType(doc, table);
    pugi::xml_node tblW = EnsureChild(n, TblPr(doc, table), "tblW", order::kTableProperties);
    if (type == w::wdPreferredWidthPercent) {
        long fiftieths = std::lround(width * 50);
        if (n.Strict())
            n.SetAttr(tblW, "w", (std::to_string(fiftieths / 50.0) + "%"));
        else
            SetIntAttr(n, tblW, "w", fiftieths);
        n.SetAttr(tblW, "type", "pct");
    } else if (type == w::wdPreferredWidthAuto && width == 0) {
        SetIntAttr(n, tblW, "w", 0);
        n.SetAttr(tblW, "type", "auto");
    } else {
        // A width given to an automatic table makes it a width in points.
        SetIntAttr(n, tblW, "w", PointsToTwips(width));
        n.SetAttr(tblW, "type", "dxa");
    }
    doc.FormatChanged();
}

bool AllowAutoFit(DocumentData& doc, pugi::xml_node table) {
    const Names& n = doc.N();
    pugi::xml_node layout = n.Child(n.Child(table, "tblPr"), "tblLayout");
    return !(layout && std::strcmp(n.Attr(layout, "type").value(), "fixed") == 0);
}

void SetAllowAutoFit(DocumentData& doc, pugi::xml_node table, bool allow) {
    const Names& n = doc.N();
    if (allow) {
        RemoveChildren(n, n.Child(table, "tblPr"), "tblLayout");
    } else {
        pugi::xml_node layout = EnsureChild(n, TblPr(doc, table), "tblLayout", order::kTableProperties);
        n.SetAttr(layout, "type", "fixed");
    }
    doc.FormatChanged();
}

namespace {

// The width between the page margins of the section that holds a
// top-level table, in twips.
long TextWidthOfSection(DocumentData& doc, pugi::xml_node table) {
    const Names& n = doc.N();
    pugi::xml_node top = table;
    while (top.parent() && top.parent() != doc.Body()) top = top.parent();
    pugi::xml_node sectPr;
    for (pugi::xml_node next = top; next && !sectPr; next = next.next_sibling()) {
        if (n.Is(next, "sectPr")) sectPr = next;
        if (next == top) continue;
        std::vector<pugi::xml_node> paragraphs;
        if (n.Is(next, "p") || IsTransparent(n, next)) CollectParagraphs(n, next, paragraphs);
        for (pugi::xml_node p : paragraphs)
            if (pugi::xml_node s = n.Child(n.Child(p, "pPr"), "sectPr"); s && !sectPr) sectPr = s;
    }
    long page = IntAttr(n, n.Child(sectPr, "pgSz"), "w").value_or(12240);
    pugi::xml_node margins = n.Child(sectPr, "pgMar");
    long left = IntAttr(n, margins, "left").value_or(IntAttr(n, margins, "start").value_or(1440));
    long right = IntAttr(n, margins, "right").value_or(IntAttr(n, margins, "end").value_or(1440));
    long gutter = IntAttr(n, margins, "gutter").value_or(0);
    return std::max(page - left - right - gutter, 720L);
}

// The width available to a table: its cell's for a nested one, else the
// section's text width.
long AvailableWidth(DocumentData& doc, pugi::xml_node table) {
    const Names& n = doc.N();
    if (pugi::xml_node cell = Ancestor(n, table, "tc")) {
        pugi::xml_node tcW = n.Child(n.Child(cell, "tcPr"), "tcW");
        auto width = IntAttr(n, tcW, "w");
        if (width && std::strcmp(n.Attr(tcW, "type").value(), "dxa") == 0 && *width > 0) {
            long margins = PointsToTwips(CellPadding(doc, cell, Side::Left) + CellPadding(doc, cell, Side::Right));
            return std::max(*width - margins, 144L);
        }
    }
    return TextWidthOfSection(doc, table);
}

void FitToWindow(DocumentData& doc, pugi::xml_node table) {
    const Names& n = doc.N();
    pugi::xml_node tblW = EnsureChild(n, TblPr(doc, table), "tblW", order::kTableProperties);
    if (n.Strict())
        n.SetAttr(tblW, "w", "100%");
    else
        SetIntAttr(n, tblW, "w", 5000);
    n.SetAttr(tblW, "type", "pct");

    const TableGrid& grid = doc.Grid(table);
    pugi::xml_node tblGrid = EnsureChild(n, table, "tblGrid", order::kTable);
    std::vector<pugi::xml_node> cols;
    for (pugi::xml_node col = n.Child(tblGrid, "gridCol"); col; col = col.next_sibling(n.W("gridCol"))) cols.push_back(col);
    while (static_cast<int>(cols.size()) < grid.ColumnCount()) cols.push_back(tblGrid.append_child(n.W("gridCol")));
    std::vector<double> widths;
    double total = 0;
    for (pugi::xml_node col : cols) {
        double width = static_cast<double>(std::max(IntAttr(n, col, "w").value_or(0), 0L));
        widths.push_back(width);
        total += width;
    }
    if (total <= 0) {
        std::fill(widths.begin(), widths.end(), 1.0);
        total = static_cast<double>(widths.size());
    }
    long available = AvailableWidth(doc, table);
    std::vector<long> twips(widths.size());
    long used = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        // Rounded running totals keep the sum exact.
        double upTo = 0;
        for (std::size_t k = 0; k <= i; ++k) upTo += widths[k];
        long edge = std::lround(upTo / total * static_cast<double>(available));
        twips[i] = edge - used;
        used = edge;
        SetIntAttr(n, cols[i], "w", twips[i]);
    }
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (const GridCell& cell : grid.PhysicalCells(r)) {
            long width = 0;
            for (int c = cell.column; c < cell.column + cell.span && c < static_cast<int>(twips.size()); ++c)
                width += twips[static_cast<std::size_t>(c)];
            if (cell.covered && !cell.owner) continue;
            pugi::xml_node tcW = EnsureChild(n, TcPr(doc, cell.tc), "tcW", order::kCellProperties);
            SetTwipsWidth(n, tcW, width);
        }
    }
}

}  // namespace

void AutoFitBehavior(DocumentData& doc, pugi::xml_node table, int behavior) {
    const Names& n = doc.N();
    switch (behavior) {
        case w::wdAutoFitFixed: SetAllowAutoFit(doc, table, false); break;
        case w::wdAutoFitContent: {
            SetAllowAutoFit(doc, table, true);
            pugi::xml_node tblW = EnsureChild(n, TblPr(doc, table), "tblW", order::kTableProperties);
            SetIntAttr(n, tblW, "w", 0);
            n.SetAttr(tblW, "type", "auto");
            break;
        }
        case w::wdAutoFitWindow: FitToWindow(doc, table); break;
        default: ThrowRange("Table.AutoFitBehavior");
    }
    doc.FormatChanged();
}

double CellMargin(DocumentData& doc, pugi::xml_node table, Side side) {
    const Names& n = doc.N();
    if (pugi::xml_node own = FindSide(n, n.Child(n.Child(table, "tblPr"), "tblCellMar"), side))
        return TwipsToPoints(IntAttr(n, own, "w").value_or(0));
    std::vector<PropertySource> sources;
    doc.StylesOf().TableSources(TableStyleOf(doc, table), sources);
    for (const PropertySource& s : sources)
        if (pugi::xml_node m = FindSide(*s.names, s.names->Child(s.node, "tblCellMar"), side))
            return TwipsToPoints(IntAttr(*s.names, m, "w").value_or(0));
    bool sides = side == Side::Left || side == Side::Right;
    return TwipsToPoints(sides ? kDefaultSideMarginTwips : 0);
}

void SetCellMargin(DocumentData& doc, pugi::xml_node table, Side side, double points) {
    const Names& n = doc.N();
    pugi::xml_node list = EnsureChild(n, TblPr(doc, table), "tblCellMar", order::kTableProperties);
    SetTwipsWidth(n, EnsureSide(n, list, side), PointsToTwips(points));
    doc.FormatChanged();
}

double CellPadding(DocumentData& doc, pugi::xml_node cell, Side side) {
    const Names& n = doc.N();
    if (pugi::xml_node own = FindSide(n, n.Child(n.Child(cell, "tcPr"), "tcMar"), side))
        return TwipsToPoints(IntAttr(n, own, "w").value_or(0));
    pugi::xml_node table = EnclosingTable(n, cell);
    return table ? CellMargin(doc, table, side) : 0;
}

void SetCellPadding(DocumentData& doc, pugi::xml_node cell, Side side, double points) {
    if (!(points >= 0) || points > 1584) ThrowRange("Cell.Padding");
    const Names& n = doc.N();
    pugi::xml_node list = EnsureChild(n, TcPr(doc, cell), "tcMar", order::kCellProperties);
    SetTwipsWidth(n, EnsureSide(n, list, side), PointsToTwips(points));
    doc.FormatChanged();
}

int VerticalAlignment(DocumentData& doc, pugi::xml_node cell) {
    const Names& n = doc.N();
    pugi::xml_node vAlign = n.Child(n.Child(cell, "tcPr"), "vAlign");
    std::string_view value = vAlign ? n.Attr(vAlign, "val").value() : "top";
    if (value == "center" || value == "both") return w::wdCellAlignVerticalCenter;
    if (value == "bottom") return w::wdCellAlignVerticalBottom;
    return w::wdCellAlignVerticalTop;
}

void SetVerticalAlignment(DocumentData& doc, pugi::xml_node cell, int alignment) {
    const char* value = alignment == w::wdCellAlignVerticalTop      ? "top"
                        : alignment == w::wdCellAlignVerticalCenter ? "center"
                        : alignment == w::wdCellAlignVerticalBottom ? "bottom"
                                                                    : nullptr;
    if (!value) ThrowRange("Cells.VerticalAlignment");
    const Names& n = doc.N();
    pugi::xml_node vAlign = EnsureChild(n, TcPr(doc, cell), "vAlign", order::kCellProperties);
    n.SetAttr(vAlign, "val", value);
    doc.FormatChanged();
}

double LeftIndent(DocumentData& doc, pugi::xml_node table) {
    const Names& n = doc.N();
    pugi::xml_node ind = n.Child(n.Child(table, "tblPr"), "tblInd");
    return TwipsToPoints(IntAttr(n, ind, "w").value_or(0));
}

void SetLeftIndent(DocumentData& doc, pugi::xml_node table, double points) {
    if (!(std::fabs(points) <= 1584)) ThrowRange("Rows.LeftIndent");
    const Names& n = doc.N();
    SetTwipsWidth(n, EnsureChild(n, TblPr(doc, table), "tblInd", order::kTableProperties), PointsToTwips(points));
    doc.FormatChanged();
}

int HeightRule(DocumentData& doc, pugi::xml_node row) {
    const Names& n = doc.N();
    pugi::xml_node height = n.Child(n.Child(row, "trPr"), "trHeight");
    if (!height) return w::wdRowHeightAuto;
    std::string_view rule = n.Attr(height, "hRule").value();
    if (rule == "exact") return w::wdRowHeightExactly;
    if (rule == "auto") return w::wdRowHeightAuto;
    return w::wdRowHeightAtLeast;
}

void SetHeightRule(DocumentData& doc, pugi::xml_node row, int rule) {
    static const char* kRules[] = {"auto", "atLeast", "exact"};
    const Names& n = doc.N();
    pugi::xml_node height = EnsureChild(n, TrPr(doc, row), "trHeight", order::kRowProperties);
    if (!n.Attr(height, "val")) SetIntAttr(n, height, "val", 0);
    n.SetAttr(height, "hRule", kRules[rule]);
    doc.FormatChanged();
}

double Height(DocumentData& doc, pugi::xml_node row) {
    const Names& n = doc.N();
    return TwipsToPoints(IntAttr(n, n.Child(n.Child(row, "trPr"), "trHeight"), "val").value_or(0));
}

void SetHeight(DocumentData& doc, pugi::xml_node row, double points) {
    const Names& n = doc.N();
    pugi::xml_node height = EnsureChild(n, TrPr(doc, row), "trHeight", order::kRowProperties);
    SetIntAttr(n, height, "val", PointsToTwips(points));
    // A height given to a row of automatic height is a minimum.
    if (std::string_view(n.Attr(height, "hRule").value()) == "auto") n.SetAttr(height, "hRule", "atLeast");
    doc.FormatChanged();
}

bool HeadingFormat(DocumentData& doc, pugi::xml_node row) {
    const Names& n = doc.N();
    return OnOff(n, n.Child(n.Child(row, "trPr"), "tblHeader")).value_or(false);
}

void SetHeadingFormat(DocumentData& doc, pugi::xml_node row, bool repeat) {
    const Names& n = doc.N();
    if (repeat) {
        pugi::xml_node header = EnsureChild(n, TrPr(doc, row), "tblHeader", order::kRowProperties);
        n.RemoveAttr(header, "val");
    } else {
        RemoveChildren(n, n.Child(row, "trPr"), "tblHeader");
    }
    doc.FormatChanged();
}

long DeleteRows(DocumentData& doc, pugi::xml_node table, int row1, int row2) {
    const Names& n = doc.N();
    const TableGrid& grid = doc.Grid(table);
    row1 = std::max(row1, 0);
    row2 = std::min(row2, grid.RowCount() - 1);
    if (row1 > row2) return 0;
    auto interval = doc.Story().IntervalOf(grid.Row(row1));
    long where = interval ? interval->start : 0;

    // A vertical merge whose top row goes on below the deleted rows: its
    // first remaining cell becomes the new top.
    if (row2 + 1 < grid.RowCount()) {
        for (const GridCell& cell : grid.PhysicalCells(row2 + 1)) {
            if (!cell.covered || !cell.owner || cell.owner->row < row1) continue;
            pugi::xml_node vMerge = n.Child(n.Child(cell.tc, "tcPr"), "vMerge");
            if (vMerge) n.SetAttr(vMerge, "val", "restart");
        }
    }
    std::vector<pugi::xml_node> rows;
    for (int r = row1; r <= row2; ++r) rows.push_back(grid.Row(r));
    bool all = row1 == 0 && row2 == grid.RowCount() - 1;
    if (all) {
        doc.NodesRemoved(table);
        table.parent().remove_child(table);
        doc.LayoutChanged();
        return where;
    }
    for (pugi::xml_node row : rows) {
        doc.NodesRemoved(row);
        row.parent().remove_child(row);
    }
    doc.TableStructureChanged(table);
    return where;
}

}  // namespace dorvane::embedded::word::tablefmt
