#pragma once

// Character positions of the main story, counted in UTF-16 units as Word
// counts them: each paragraph's text and its mark (one position), a cell's
// end mark (one position, read as "\r\a") and a row's end mark (one
// position, "\r\a").
//
// The story is a list of top-level blocks (paragraphs and tables of the
// body, content controls looked through). Each block's length and, for a
// table, the positions inside it are computed when first asked and kept
// until that block changes; a change elsewhere only shifts the starts.

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/word/Xml.h"

namespace dorvane::embedded::word {

struct Interval {
    long start = 0;
    long end = 0;
};

// One stretch of the story: a paragraph (its text and mark) or a row's end
// mark.
struct Leaf {
    pugi::xml_node node;  // the w:p, or the w:tr for a row end
    bool rowEnd = false;
    long start = 0;
    long length = 0;
};

class StoryMap {
public:
    StoryMap(const Names& names, pugi::xml_node body);
    ~StoryMap();

    // Everything may have changed (blocks added, removed or joined).
    void Reset();
    // The text inside the top-level block that holds `inside` changed
    // (lengths only; its blocks, rows and cells are the same nodes).
    void BlockChanged(pugi::xml_node inside);

    // Top-level tables in document order.
    const std::vector<pugi::xml_node>& TopTables();
    // Every paragraph of the story in document order, cells included.
    const std::vector<pugi::xml_node>& AllParagraphs();

    long Length();
    // The positions of a w:p, w:tc, w:tr or w:tbl of the main story.
    std::optional<Interval> IntervalOf(pugi::xml_node node);
    // The leaf holding `position` (0 <= position < Length()).
    std::optional<Leaf> Locate(long position);
    // Calls f(leaf) for each leaf overlapping [start, end) (or the leaf at
    // `start` when the span is empty).
    void ForEachLeaf(long start, long end, const std::function<void(const Leaf&)>& f);

    // The length of one paragraph's text, mark included.
    static long ParagraphLength(pugi::xml_node paragraph);

private:
    struct Layout;
    struct Item {
        pugi::xml_node node;
        bool table = false;
        long length = -1;  // unknown until measured
        std::unique_ptr<Layout> layout;
    };

    void EnsureList();
    void EnsureStarts();
    Layout& LayoutOf(Item& item);
    std::optional<std::size_t> ItemOf(pugi::xml_node node);

    const Names& n_;
    pugi::xml_node body_;
    bool listValid_ = false;
    bool startsValid_ = false;
    std::vector<Item> items_;
    std::vector<long> starts_;
    std::unordered_map<pugi::xml_node_struct*, std::size_t> index_;
    std::vector<pugi::xml_node> tables_;
    std::vector<pugi::xml_node> paragraphs_;
    bool paragraphsValid_ = false;
};

}  // namespace dorvane::embedded::word
