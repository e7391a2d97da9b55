#include "automation/embedded/word/Target.h"

#include <algorithm>

#include "automation/AutomationError.h"
#include "automation/embedded/word/Blocks.h"
#include "automation/embedded/word/DocumentData.h"
#include "automation/embedded/wordtext/ParagraphText.h"

namespace dorvane::embedded::word {

namespace {

struct Level {
    pugi::xml_node table;
    pugi::xml_node cell;  // empty for a row's end mark
};

// The tables and cells around a leaf, outermost first.
std::vector<Level> LevelsOf(const Names& n, const Leaf& leaf) {
    std::vector<Level> levels;
    pugi::xml_node cell;
    pugi::xml_node up = leaf.node;
    if (leaf.rowEnd) {
        levels.push_back({EnclosingTable(n, leaf.node), {}});
        up = EnclosingTable(n, leaf.node);
    }
    for (up = up.parent(); up && up.type() == pugi::node_element; up = up.parent()) {
        if (n.Is(up, "tc")) {
            cell = up;
        } else if (n.Is(up, "tbl")) {
            levels.push_back({up, cell});
            cell = {};
        }
    }
    std::reverse(levels.begin(), levels.end());
    return levels;
}

std::optional<Leaf> LeafAt(DocumentData& doc, long position) {
    long length = doc.Story().Length();
    if (length == 0) return std::nullopt;
    return doc.Story().Locate(std::clamp(position, 0L, length - 1));
}

// The grid rectangle of one cell (a row's end stands for its last cell).
std::optional<GridRect> RectOf(DocumentData& doc, const Level& level, pugi::xml_node row) {
    const TableGrid& grid = doc.Grid(level.table);
    const GridCell* cell = nullptr;
    if (level.cell) {
        cell = grid.Find(level.cell);
    } else {
        for (int r = 0; r < grid.RowCount() && !cell; ++r)
            if (grid.Row(r) == row && !grid.PhysicalCells(r).empty()) cell = &grid.PhysicalCells(r).back();
    }
    if (!cell) return std::nullopt;
    const GridCell& v = TableGrid::Visible(*cell);
    return GridRect{cell->row, v.column, cell->row, v.LastColumn()};
}

GridRect Union(const GridRect& a, const GridRect& b) {
    return {std::min(a.row1, b.row1), std::min(a.column1, b.column1), std::max(a.row2, b.row2),
            std::max(a.column2, b.column2)};
}

// The deepest table holding both ends and whether they are in one cell.
struct Common {
    std::optional<Level> a, b;  // the ends at the deepest shared table
};

Common CommonTable(const std::vector<Level>& la, const std::vector<Level>& lb) {
    Common common;
    for (std::size_t i = 0; i < la.size() && i < lb.size(); ++i) {
        if (la[i].table != lb[i].table) break;
        common.a = la[i];
        common.b = lb[i];
        if (!la[i].cell || la[i].cell != lb[i].cell) break;
    }
    return common;
}

long IntervalStart(DocumentData& doc, pugi::xml_node node, bool end) {
    auto interval = doc.Story().IntervalOf(node);
    if (!interval) throw AutomationError("Range", "the range is no longer in the document");
    return end ? interval->end : interval->start;
}

std::string MarkText(const wordtext::ParagraphText& text) {
    switch (text.Mark()) {
        case wordtext::MarkKind::EndOfCell: return "\r\a";
        case wordtext::MarkKind::SectionBreak: return "\f";
        default: return "\r";
    }
}

void AppendText(std::string& out, const Leaf& leaf, long from, long to) {
    if (leaf.rowEnd) {
        out += "\r\a";
        return;
    }
    wordtext::ParagraphText text(leaf.node);
    long content = static_cast<long>(text.ContentLength());
    long a = std::clamp(from, 0L, content);
    long b = std::clamp(to, a, content);
    out += text.Slice(static_cast<std::size_t>(a), static_cast<std::size_t>(b));
    if (to > content) out += MarkText(text);
}

std::string SpanText(DocumentData& doc, long start, long end) {
    std::string out;
    if (start >= end) return out;
    doc.Story().ForEachLeaf(start, end, [&](const Leaf& leaf) {
        AppendText(out, leaf, start - leaf.start, end - leaf.start);
    });
    return out;
}

std::optional<Interval> ObjectInterval(DocumentData& doc, pugi::xml_node run) {
    pugi::xml_node p = Ancestor(doc.N(), run, "p");
    auto interval = doc.Story().IntervalOf(p);
    if (!interval) return std::nullopt;
    wordtext::ParagraphText text(p);
    for (const auto& piece : text.Pieces())
        if (piece.run == run)
            return Interval{interval->start + static_cast<long>(piece.start),
                            interval->start + static_cast<long>(piece.end())};
    return std::nullopt;
}

}  // namespace

Target ResolveRange(DocumentData& doc, long start, long end) {
    long length = doc.Story().Length();
    start = std::clamp(start, 0L, length);
    end = std::clamp(end, start, length);
    if (start == end) return Target::Span(start, end);
    auto a = LeafAt(doc, start);
    auto b = LeafAt(doc, end - 1);
    if (!a || !b) return Target::Span(start, end);
    Common common = CommonTable(LevelsOf(doc.N(), *a), LevelsOf(doc.N(), *b));
    if (!common.a) return Target::Span(start, end);
    const Level& la = *common.a;
    const Level& lb = *common.b;
    if (la.cell && la.cell == lb.cell) {
        // Both ends in one cell: the whole cell when its end mark is in.
        auto cell = doc.Story().IntervalOf(la.cell);
        if (cell && start <= cell->start && end >= cell->end) return Target::Of(Target::Kind::Cell, la.cell);
        return Target::Span(start, end);
    }
    auto ra = RectOf(doc, la, a->node);
    auto rb = RectOf(doc, lb, b->node);
    if (!ra || !rb) return Target::Span(start, end);
    // The block is the rectangle between the two cells as it stands: a cell
    // merged across its edge (a row merged across the whole width, say)
    // belongs to it, but does not pull the other rows' cells beyond that
    // edge in with it.
    return Target::BlockOf(la.table, Union(*ra, *rb));
}

long TargetStart(DocumentData& doc, const Target& t) {
    switch (t.kind) {
        case Target::Kind::Story: return 0;
        case Target::Kind::Span: return t.start;
        case Target::Kind::Block: {
            auto cells = doc.Grid(t.node).CellsIn(t.rect);
            if (cells.empty()) return IntervalStart(doc, t.node, false);
            return IntervalStart(doc, cells.front()->tc, false);
        }
        case Target::Kind::Object: {
            auto interval = ObjectInterval(doc, t.node);
            if (!interval) throw AutomationError("Range", "the object is no longer in the document");
            return interval->start;
        }
        default: return IntervalStart(doc, t.node, false);
    }
}

long TargetEnd(DocumentData& doc, const Target& t) {
    switch (t.kind) {
        case Target::Kind::Story: return doc.Story().Length();
        case Target::Kind::Span: return t.end;
        case Target::Kind::Block: {
            const TableGrid& grid = doc.Grid(t.node);
            auto cells = grid.CellsIn(t.rect);
            if (cells.empty()) return IntervalStart(doc, t.node, true);
            long end = 0;
            for (const GridCell* cell : cells) end = std::max(end, IntervalStart(doc, cell->tc, true));
            // A block of whole rows reaches past the last row's end mark,
            // as Word selects it: every cell of a table is the table.
            const bool wholeRows = t.rect.column1 == 0 && t.rect.column2 == grid.ColumnCount() - 1;
            if (wholeRows && t.rect.row2 < grid.RowCount())
                end = std::max(end, IntervalStart(doc, grid.Row(t.rect.row2), true));
            return end;
        }
        case Target::Kind::Object: {
            auto interval = ObjectInterval(doc, t.node);
            if (!interval) throw AutomationError("Range", "the object is no longer in the document");
            return interval->end;
        }
        default: return IntervalStart(doc, t.node, true);
    }
}

std::string TargetText(DocumentData& doc, const Target& t) {
    if (t.kind != Target::Kind::Block) return SpanText(doc, TargetStart(doc, t), TargetEnd(doc, t));
    const TableGrid& grid = doc.Grid(t.node);
    bool fullRows = t.rect.column1 == 0 && t.rect.column2 == grid.ColumnCount() - 1;
    std::string out;
    int row = -1;
    for (const GridCell* cell : grid.CellsIn(t.rect)) {
        if (fullRows && row >= 0 && cell->row != row) out += "\r\a";
        row = cell->row;
        auto interval = doc.Story().IntervalOf(cell->tc);
        if (interval) out += SpanText(doc, interval->start, interval->end);
    }
    if (fullRows && row >= 0) out += "\r\a";
    return out;
}

std::vector<pugi::xml_node> TargetParagraphs(DocumentData& doc, const Target& t) {
    std::vector<pugi::xml_node> out;
    const Names& n = doc.N();
    switch (t.kind) {
        case Target::Kind::Story: return doc.Story().AllParagraphs();
        case Target::Kind::Paragraph: out.push_back(t.node); break;
        case Target::Kind::Cell:
        case Target::Kind::Table: CollectParagraphs(n, t.node, out); break;
        case Target::Kind::Block:
            for (const GridCell* cell : doc.Grid(t.node).PhysicalIn(t.rect)) CollectParagraphs(n, cell->tc, out);
            break;
        case Target::Kind::Object:
            if (pugi::xml_node p = Ancestor(n, t.node, "p")) out.push_back(p);
            break;
        case Target::Kind::Span:
            doc.Story().ForEachLeaf(t.start, t.end, [&](const Leaf& leaf) {
                if (!leaf.rowEnd) out.push_back(leaf.node);
            });
            break;
    }
    return out;
}

std::vector<ParagraphWindow> TargetWindows(DocumentData& doc, const Target& t) {
    std::vector<ParagraphWindow> out;
    if (t.kind == Target::Kind::Span) {
        doc.Story().ForEachLeaf(t.start, t.end, [&](const Leaf& leaf) {
            if (leaf.rowEnd) return;
            long from = std::max(t.start - leaf.start, 0L);
            long to = std::min(t.end - leaf.start, leaf.length);
            bool whole = from == 0 && to == leaf.length;
            out.push_back({leaf.node, static_cast<std::size_t>(from), static_cast<std::size_t>(to), whole});
        });
        return out;
    }
    if (t.kind == Target::Kind::Object) {
        auto interval = ObjectInterval(doc, t.node);
        pugi::xml_node p = Ancestor(doc.N(), t.node, "p");
        auto paragraph = doc.Story().IntervalOf(p);
        if (interval && paragraph)
            out.push_back({p, static_cast<std::size_t>(interval->start - paragraph->start),
                           static_cast<std::size_t>(interval->end - paragraph->start), false});
        return out;
    }
    for (pugi::xml_node p : TargetParagraphs(doc, t)) out.push_back({p, 0, static_cast<std::size_t>(-1), true});
    return out;
}

pugi::xml_node TargetTable(DocumentData& doc, const Target& t) {
    const Names& n = doc.N();
    switch (t.kind) {
        case Target::Kind::Story: return {};
        case Target::Kind::Table:
        case Target::Kind::Block: return t.node;
        case Target::Kind::Cell:
        case Target::Kind::Paragraph:
        case Target::Kind::Object: return EnclosingTable(n, t.node);
        case Target::Kind::Span: break;
    }
    auto a = LeafAt(doc, t.start);
    auto b = LeafAt(doc, t.end > t.start ? t.end - 1 : t.start);
    if (!a || !b) return {};
    Common common = CommonTable(LevelsOf(n, *a), LevelsOf(n, *b));
    if (!common.a) return {};
    // Both ends in one cell that holds a deeper table of each: the deepest
    // table that holds both is the one found.
    return common.a->table;
}

std::vector<pugi::xml_node> TargetTables(DocumentData& doc, const Target& t) {
    if (pugi::xml_node table = TargetTable(doc, t)) return {table};
    if (t.kind == Target::Kind::Story) return doc.Story().TopTables();
    long start = TargetStart(doc, t);
    long end = TargetEnd(doc, t);
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node table : doc.Story().TopTables()) {
        auto interval = doc.Story().IntervalOf(table);
        if (interval && interval->start < end && interval->end > start) out.push_back(table);
        if (interval && interval->start >= end) break;
    }
    return out;
}

std::optional<CellBlock> TargetBlock(DocumentData& doc, const Target& t) {
    pugi::xml_node table = TargetTable(doc, t);
    if (!table) return std::nullopt;
    const TableGrid& grid = doc.Grid(table);
    if (grid.RowCount() == 0) return std::nullopt;
    if (t.kind == Target::Kind::Table) return CellBlock{table, grid.Whole(), true};
    if (t.kind == Target::Kind::Block) return CellBlock{table, t.rect, t.rect == grid.Whole()};
    long start = TargetStart(doc, t);
    long end = std::max(TargetEnd(doc, t), start + 1);
    auto a = LeafAt(doc, start);
    auto b = LeafAt(doc, end - 1);
    if (!a || !b) return std::nullopt;
    auto la = LevelsOf(doc.N(), *a);
    auto lb = LevelsOf(doc.N(), *b);
    std::optional<GridRect> rect;
    for (const auto* levels : {&la, &lb}) {
        const Leaf& leaf = levels == &la ? *a : *b;
        for (const Level& level : *levels) {
            if (level.table != table) continue;
            auto r = RectOf(doc, level, leaf.node);
            if (r) rect = rect ? Union(*rect, *r) : *r;
        }
    }
    if (!rect) return std::nullopt;
    GridRect expanded = grid.Expand(*rect);
    return CellBlock{table, expanded, expanded == grid.Whole()};
}

}  // namespace dorvane::embedded::word
