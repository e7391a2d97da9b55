// Pasting the clipboard's grid over the selection as a Word table, the way
// a range copied from Excel is pasted.

#include <algorithm>

#include "automation/AutomationError.h"
#include "automation/embedded/word/Blocks.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/SchemaOrder.h"
#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/RunEditing.h"
#include "platform/Clipboard.h"

namespace dorvane::embedded::word {

namespace {

constexpr const char* kMember = "Selection.PasteAndFormat";
// A column without a width on the clipboard: one inch.
constexpr double kDefaultColumnPoints = 72.0;
// Cell margins of one pixel (0.75 pt) on either side, as a worksheet's own
// copy carries them: a fitted column keeps only five pixels beside its
// text, so the usual 0.19 cm margins would leave a narrow column no room
// for its text and other readers would not show it.
constexpr long kSideMarginTwips = 15;

void AddBorder(const Names& n, pugi::xml_node list, const char* side) {
    pugi::xml_node b = list.append_child(n.W(side));
    n.SetAttr(b, "val", "single");
    SetIntAttr(n, b, "sz", 4);
    SetIntAttr(n, b, "space", 0);
    n.SetAttr(b, "color", "auto");
}

void AddCellText(const Names& n, pugi::xml_node tc, const std::string& text) {
    // Each line of the text is a paragraph of the cell.
    std::size_t from = 0;
    for (;;) {
        std::size_t nl = text.find('\n', from);
        std::string line = text.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pugi::xml_node p = tc.append_child(n.W("p"));
        if (!line.empty()) {
            pugi::xml_node t = p.append_child(n.W("r")).append_child(n.W("t"));
            t.text().set(line.c_str());
            if (line.front() == ' ' || line.back() == ' ') t.append_attribute("xml:space").set_value("preserve");
        }
        if (nl == std::string::npos) break;
        from = nl + 1;
    }
}

// A table holding the grid's texts, with single borders, the grid's column
// widths and narrow cell margins.
pugi::xml_node BuildTable(const Names& n, pugi::xml_node parent, pugi::xml_node before,
                          const platform::ClipboardGrid& grid) {
    std::size_t columns = 0;
    for (const auto& row : grid.rows) columns = std::max(columns, row.size());
    pugi::xml_node tbl = parent.insert_child_before(n.W("tbl"), before);
    pugi::xml_node tblPr = tbl.append_child(n.W("tblPr"));
    pugi::xml_node tblW = tblPr.append_child(n.W("tblW"));
    SetIntAttr(n, tblW, "w", 0);
    n.SetAttr(tblW, "type", "auto");
    pugi::xml_node borders = tblPr.append_child(n.W("tblBorders"));
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) AddBorder(n, borders, side);
    pugi::xml_node margins = tblPr.append_child(n.W("tblCellMar"));
    for (const char* side : {"left", "right"}) {
        pugi::xml_node margin = margins.append_child(n.W(side));
        SetIntAttr(n, margin, "w", kSideMarginTwips);
        n.SetAttr(margin, "type", "dxa");
    }
    pugi::xml_node look = tblPr.append_child(n.W("tblLook"));
    n.SetAttr(look, "val", "04A0");

    std::vector<long> widths;
    pugi::xml_node tblGrid = tbl.append_child(n.W("tblGrid"));
    for (std::size_t c = 0; c < columns; ++c) {
        double points = c < grid.columnWidthsPoints.size() && grid.columnWidthsPoints[c] > 0
                            ? grid.columnWidthsPoints[c]
                            : kDefaultColumnPoints;
        widths.push_back(PointsToTwips(points));
        SetIntAttr(n, tblGrid.append_child(n.W("gridCol")), "w", widths.back());
    }
    for (const auto& row : grid.rows) {
        pugi::xml_node tr = tbl.append_child(n.W("tr"));
        for (std::size_t c = 0; c < columns; ++c) {
            pugi::xml_node tc = tr.append_child(n.W("tc"));
            pugi::xml_node tcW = tc.append_child(n.W("tcPr")).append_child(n.W("tcW"));
            SetIntAttr(n, tcW, "w", widths[c]);
            n.SetAttr(tcW, "type", "dxa");
            AddCellText(n, tc, c < row.size() ? row[c] : std::string());
        }
    }
    return tbl;
}

// The child of `p` that holds `node` (itself when it is one).
pugi::xml_node ChildOf(pugi::xml_node p, pugi::xml_node node) {
    while (node && node.parent() != p) node = node.parent();
    return node;
}

// Moves the content of `p` before `boundary` (a child of `p`) into a new
// paragraph inserted before `anchor`, when any of it is text.
void MoveLeadingContent(const Names& n, pugi::xml_node p, pugi::xml_node boundary, pugi::xml_node anchor) {
    std::vector<pugi::xml_node> leading;
    bool hasRuns = false;
    for (pugi::xml_node c = p.first_child(); c && c != boundary; c = c.next_sibling()) {
        if (n.Is(c, "pPr")) continue;
        leading.push_back(c);
        if (n.Is(c, "r")) hasRuns = true;
        else if (c.find_node([&](pugi::xml_node x) { return n.Is(x, "r"); })) hasRuns = true;
    }
    if (!hasRuns) return;
    pugi::xml_node before = anchor.parent().insert_child_before(n.W("p"), anchor);
    if (pugi::xml_node pPr = n.Child(p, "pPr")) {
        pugi::xml_node copy = before.append_copy(pPr);
        RemoveChildren(n, copy, "sectPr");  // the section ends with the original paragraph
    }
    for (pugi::xml_node c : leading) before.append_move(c);
}

}  // namespace

void PasteGridOverSelection(DocumentData& doc) {
    auto grid = platform::Clipboard::Grid();
    if (!grid || grid->rows.empty()) throw AutomationError(kMember, "the clipboard holds no table to paste");
    const Names& n = doc.N();
    Target sel = doc.selection;
    pugi::xml_node p;
    pugi::xml_node boundary;  // the first child of p that stays after the table
    if (sel.kind == Target::Kind::Object) {
        p = Ancestor(n, sel.node, "p");
        boundary = ChildOf(p, sel.node);
    } else if (sel.kind == Target::Kind::Span || sel.kind == Target::Kind::Paragraph) {
        auto windows = TargetWindows(doc, sel);
        if (windows.size() != 1)
            throw AutomationError(kMember, "a table can only be pasted over text within one paragraph");
        const ParagraphWindow& win = windows.front();
        p = win.paragraph;
        std::size_t content = wordtext::ParagraphText(p).ContentLength();
        std::size_t from = std::min(win.from, content);
        std::size_t to = std::min(win.to, content);
        if (to > from) wordtext::ReplaceSpan(p, from, to, "");
        wordtext::SplitRunsAt(p, from);
        wordtext::ParagraphText text(p);
        for (const auto& piece : text.Pieces())
            if (piece.start >= from && piece.run) {
                boundary = ChildOf(p, piece.run);
                break;
            }
        doc.RunsReplaced();
    } else {
        throw AutomationError(kMember, "a table cannot be pasted over table cells");
    }
    if (!p) throw AutomationError(kMember, "the selection is not in the text");

    BuildTable(n, p.parent(), p, *grid);
    pugi::xml_node table = p.previous_sibling();
    MoveLeadingContent(n, p, boundary, table);
    if (sel.kind == Target::Kind::Object) {
        doc.NodesRemoved(sel.node);
        sel.node.parent().remove_child(sel.node);
    }
    doc.LayoutChanged();
    auto after = doc.Story().IntervalOf(p);
    long where = after ? after->start : 0;
    doc.selection = Target::Span(where, where);
}

}  // namespace dorvane::embedded::word
