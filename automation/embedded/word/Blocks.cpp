#include "automation/embedded/word/Blocks.h"

namespace dorvane::embedded::word {

std::vector<pugi::xml_node> TableRows(const Names& n, pugi::xml_node table) {
    std::vector<pugi::xml_node> rows;
    ForEachWrapped(n, table, "tr", [&](pugi::xml_node tr) { rows.push_back(tr); });
    return rows;
}

std::vector<pugi::xml_node> RowCells(const Names& n, pugi::xml_node row) {
    std::vector<pugi::xml_node> cells;
    ForEachWrapped(n, row, "tc", [&](pugi::xml_node tc) { cells.push_back(tc); });
    return cells;
}

namespace {

// Drawings, pictures and objects hold stories of their own (text boxes).
bool IsOtherStory(const Names& n, pugi::xml_node node) {
    return n.Is(node, "drawing") || n.Is(node, "pict") || n.Is(node, "object") || n.Is(node, "txbxContent") ||
           LocalName(node) == "AlternateContent";
}

}  // namespace

void CollectParagraphs(const Names& n, pugi::xml_node node, std::vector<pugi::xml_node>& out) {
    if (n.Is(node, "p")) {
        out.push_back(node);
        return;
    }
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        // One look at the name per child: this walk runs for every
        // paragraph-format call on a table.
        std::string_view local = n.WordLocal(child);
        if (local == "p") {
            out.push_back(child);
        } else if (local == "tbl" || local == "tr" || local == "tc" || local == "sdt" || local == "customXml" ||
                   local == "sdtContent") {
            CollectParagraphs(n, child, out);
        }
    }
}

void CollectRuns(const Names& n, pugi::xml_node paragraph, std::vector<pugi::xml_node>& out) {
    for (pugi::xml_node child = paragraph.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        if (n.Is(child, "r")) {
            out.push_back(child);
        } else if (n.Is(child, "pPr") || IsOtherStory(n, child)) {
            continue;
        } else if (child.first_child()) {
            // w:hyperlink, w:ins, w:del, w:smartTag, w:sdt, w:fldSimple...
            CollectRuns(n, child, out);
        }
    }
}

pugi::xml_node Ancestor(const Names& n, pugi::xml_node node, const char* local) {
    for (pugi::xml_node up = node.parent(); up; up = up.parent()) {
        if (up.type() != pugi::node_element) break;
        if (n.Is(up, local)) return up;
        if (IsOtherStory(n, up)) break;
    }
    return {};
}

}  // namespace dorvane::embedded::word
