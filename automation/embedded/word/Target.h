#pragma once

// What a Range or the Selection stands for. Targets anchored to nodes (a
// paragraph, a cell, a table, a block of cells, an object) keep standing
// for the same content when text around them changes; a plain span of
// positions is kept as positions.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/word/TableGrid.h"

namespace dorvane::embedded::word {

class DocumentData;

struct Target {
    enum class Kind {
        Story,      // the whole main text
        Span,       // [start, end) in positions
        Paragraph,  // node: a w:p, mark included
        Cell,       // node: a w:tc
        Table,      // node: a w:tbl, the whole table
        Block,      // node: a w:tbl; rect: a rectangle of its grid
        Object,     // node: the w:r that holds an inline object
    };
    Kind kind = Kind::Span;
    long start = 0;
    long end = 0;
    pugi::xml_node node;
    GridRect rect;
    unsigned long generation = 0;  // when the node was taken (DocumentData)

    static Target Story() { return Make(Kind::Story, 0, 0, {}, {}); }
    static Target Span(long start, long end) { return Make(Kind::Span, start, end, {}, {}); }
    static Target Of(Kind kind, pugi::xml_node node) { return Make(kind, 0, 0, node, {}); }
    static Target BlockOf(pugi::xml_node table, GridRect rect) { return Make(Kind::Block, 0, 0, table, rect); }

private:
    static Target Make(Kind kind, long start, long end, pugi::xml_node node, GridRect rect) {
        Target t;
        t.kind = kind;
        t.start = start;
        t.end = end;
        t.node = node;
        t.rect = rect;
        return t;
    }
};

// A paragraph and the part of its text a target covers (UTF-16 offsets;
// `to` = the paragraph's length when the mark is included).
struct ParagraphWindow {
    pugi::xml_node paragraph;
    std::size_t from = 0;
    std::size_t to = 0;
    bool whole = true;  // the whole paragraph, mark included
};

// A table and the rectangle of its grid that a target covers.
struct CellBlock {
    pugi::xml_node table;
    GridRect rect;
    bool wholeTable = false;
};

// Range(start, end) of the document: a rectangular block when both ends
// lie in two cells of one table, else a span.
Target ResolveRange(DocumentData& doc, long start, long end);

long TargetStart(DocumentData& doc, const Target& t);
long TargetEnd(DocumentData& doc, const Target& t);
std::string TargetText(DocumentData& doc, const Target& t);

// Every paragraph the target touches, in document order.
std::vector<pugi::xml_node> TargetParagraphs(DocumentData& doc, const Target& t);
std::vector<ParagraphWindow> TargetWindows(DocumentData& doc, const Target& t);

// The innermost table that holds the whole target, or empty.
pugi::xml_node TargetTable(DocumentData& doc, const Target& t);
// The tables a target lies in or contains (its innermost table, else the
// top-level tables it overlaps).
std::vector<pugi::xml_node> TargetTables(DocumentData& doc, const Target& t);
// The cells a target covers in its table, as a rectangle; nothing when the
// target is not inside a table.
std::optional<CellBlock> TargetBlock(DocumentData& doc, const Target& t);

}  // namespace dorvane::embedded::word
