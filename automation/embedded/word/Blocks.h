#pragma once

// Walking the block structure of WordprocessingML: paragraphs and tables of
// a container (the body, a cell), rows of a table, cells of a row. Content
// controls (w:sdt) and custom XML (w:customXml) around blocks, rows or
// cells are transparent: what they hold counts where they stand.

#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/word/Xml.h"

namespace dorvane::embedded::word {

// Whether `node` is a wrapper whose content stands in its place.
inline bool IsTransparent(const Names& n, pugi::xml_node node) {
    return n.Is(node, "sdt") || n.Is(node, "customXml") || n.Is(node, "sdtContent");
}

// Calls f(node) for each w:p and w:tbl of `container` in document order.
template <class F>
void ForEachBlock(const Names& n, pugi::xml_node container, F&& f) {
    for (pugi::xml_node child = container.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        if (n.Is(child, "p") || n.Is(child, "tbl")) {
            f(child);
        } else if (n.Is(child, "sdt")) {
            if (pugi::xml_node content = n.Child(child, "sdtContent")) ForEachBlock(n, content, f);
        } else if (n.Is(child, "customXml")) {
            ForEachBlock(n, child, f);
        }
    }
}

// Calls f(node) for each child named `local` of `parent`, looking through
// content controls and custom XML.
template <class F>
void ForEachWrapped(const Names& n, pugi::xml_node parent, const char* local, F&& f) {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        if (n.Is(child, local)) {
            f(child);
        } else if (n.Is(child, "sdt")) {
            if (pugi::xml_node content = n.Child(child, "sdtContent")) ForEachWrapped(n, content, local, f);
        } else if (n.Is(child, "customXml")) {
            ForEachWrapped(n, child, local, f);
        }
    }
}

std::vector<pugi::xml_node> TableRows(const Names& n, pugi::xml_node table);
std::vector<pugi::xml_node> RowCells(const Names& n, pugi::xml_node row);

// Every w:p inside `node` (itself when it is one), in document order,
// excluding paragraphs of other stories held by drawings (text boxes).
void CollectParagraphs(const Names& n, pugi::xml_node node, std::vector<pugi::xml_node>& out);
// Every w:r inside the paragraph, in order, excluding runs of text boxes.
void CollectRuns(const Names& n, pugi::xml_node paragraph, std::vector<pugi::xml_node>& out);

// The nearest ancestor (not `node` itself) named `local`, stopping at
// drawings; empty when none.
pugi::xml_node Ancestor(const Names& n, pugi::xml_node node, const char* local);
// The table that holds `node` (nearest), or empty.
inline pugi::xml_node EnclosingTable(const Names& n, pugi::xml_node node) { return Ancestor(n, node, "tbl"); }

}  // namespace dorvane::embedded::word
