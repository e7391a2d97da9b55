#include "automation/embedded/word/StoryMap.h"

#include <algorithm>

#include "automation/embedded/word/Blocks.h"
#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/Utf16.h"

namespace dorvane::embedded::word {

struct StoryMap::Layout {
    long length = 0;
    std::vector<Leaf> leaves;  // starts relative to the table's start
    std::unordered_map<pugi::xml_node_struct*, Interval> intervals;
};

namespace {

struct LayoutBuilder {
    const Names& n;
    std::vector<Leaf>& leaves;
    std::unordered_map<pugi::xml_node_struct*, Interval>& intervals;

    long Paragraph(pugi::xml_node p, long pos) {
        long length = StoryMap::ParagraphLength(p);
        leaves.push_back({p, false, pos, length});
        intervals[p.internal_object()] = {pos, pos + length};
        return pos + length;
    }

    long Table(pugi::xml_node tbl, long pos) {
        long tableStart = pos;
        ForEachWrapped(n, tbl, "tr", [&](pugi::xml_node tr) {
            long rowStart = pos;
            ForEachWrapped(n, tr, "tc", [&](pugi::xml_node tc) { pos = Cell(tc, pos); });
            leaves.push_back({tr, true, pos, 1});
            pos += 1;
            intervals[tr.internal_object()] = {rowStart, pos};
        });
        intervals[tbl.internal_object()] = {tableStart, pos};
        return pos;
    }

    long Cell(pugi::xml_node tc, long pos) {
        long cellStart = pos;
        bool endsWithParagraph = false;
        ForEachBlock(n, tc, [&](pugi::xml_node block) {
            if (n.Is(block, "p")) {
                pos = Paragraph(block, pos);
                endsWithParagraph = true;
            } else {
                pos = Table(block, pos);
                endsWithParagraph = false;
            }
        });
        // A cell must end with a paragraph; when it does not, its end mark
        // still takes a position.
        if (!endsWithParagraph) pos += 1;
        intervals[tc.internal_object()] = {cellStart, pos};
        return pos;
    }
};

}  // namespace

StoryMap::StoryMap(const Names& names, pugi::xml_node body) : n_(names), body_(body) {}
StoryMap::~StoryMap() = default;

long StoryMap::ParagraphLength(pugi::xml_node paragraph) {
    std::string text;
    wordtext::MarkKind mark = wordtext::MarkKind::Paragraph;
    if (wordtext::PlainParagraphText(paragraph, text, mark)) return static_cast<long>(wordtext::Utf16Length(text));
    return static_cast<long>(wordtext::ParagraphText(paragraph).Length());
}

void StoryMap::Reset() {
    listValid_ = false;
    startsValid_ = false;
    paragraphsValid_ = false;
    items_.clear();
    index_.clear();
    tables_.clear();
    paragraphs_.clear();
}

void StoryMap::BlockChanged(pugi::xml_node inside) {
    auto item = ItemOf(inside);
    if (!item) {
        Reset();
        return;
    }
    items_[*item].length = -1;
    items_[*item].layout.reset();
    startsValid_ = false;
    paragraphsValid_ = false;
}

void StoryMap::EnsureList() {
    if (listValid_) return;
    items_.clear();
    index_.clear();
    tables_.clear();
    ForEachBlock(n_, body_, [&](pugi::xml_node block) {
        Item item;
        item.node = block;
        item.table = n_.Is(block, "tbl");
        if (item.table) tables_.push_back(block);
        index_[block.internal_object()] = items_.size();
        items_.push_back(std::move(item));
    });
    listValid_ = true;
    startsValid_ = false;
}

StoryMap::Layout& StoryMap::LayoutOf(Item& item) {
    if (!item.layout) {
        auto layout = std::make_unique<Layout>();
        LayoutBuilder builder{n_, layout->leaves, layout->intervals};
        layout->length = builder.Table(item.node, 0);
        item.length = layout->length;
        item.layout = std::move(layout);
    }
    return *item.layout;
}

void StoryMap::EnsureStarts() {
    EnsureList();
    if (startsValid_) return;
    starts_.resize(items_.size() + 1);
    long pos = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        Item& item = items_[i];
        if (item.length < 0) item.length = item.table ? LayoutOf(item).length : ParagraphLength(item.node);
        starts_[i] = pos;
        pos += item.length;
    }
    starts_[items_.size()] = pos;
    startsValid_ = true;
}

std::optional<std::size_t> StoryMap::ItemOf(pugi::xml_node node) {
    EnsureList();
    for (pugi::xml_node up = node; up; up = up.parent()) {
        auto it = index_.find(up.internal_object());
        if (it != index_.end()) return it->second;
        if (up == body_) break;
    }
    return std::nullopt;
}

const std::vector<pugi::xml_node>& StoryMap::TopTables() {
    EnsureList();
    return tables_;
}

const std::vector<pugi::xml_node>& StoryMap::AllParagraphs() {
    if (!paragraphsValid_) {
        paragraphs_.clear();
        CollectParagraphs(n_, body_, paragraphs_);
        paragraphsValid_ = true;
    }
    return paragraphs_;
}

long StoryMap::Length() {
    EnsureStarts();
    return starts_.back();
}

std::optional<Interval> StoryMap::IntervalOf(pugi::xml_node node) {
    auto index = ItemOf(node);
    if (!index) return std::nullopt;
    EnsureStarts();
    Item& item = items_[*index];
    long start = starts_[*index];
    if (!item.table) {
        if (node != item.node) return std::nullopt;
        return Interval{start, start + item.length};
    }
    Layout& layout = LayoutOf(item);
    auto it = layout.intervals.find(node.internal_object());
    if (it == layout.intervals.end()) return std::nullopt;
    return Interval{start + it->second.start, start + it->second.end};
}

std::optional<Leaf> StoryMap::Locate(long position) {
    EnsureStarts();
    if (items_.empty() || position < 0 || position >= starts_.back()) return std::nullopt;
    auto it = std::upper_bound(starts_.begin(), starts_.end() - 1, position);
    std::size_t index = static_cast<std::size_t>(it - starts_.begin()) - 1;
    Item& item = items_[index];
    long start = starts_[index];
    if (!item.table) return Leaf{item.node, false, start, item.length};
    Layout& layout = LayoutOf(item);
    long relative = position - start;
    auto leaf = std::upper_bound(layout.leaves.begin(), layout.leaves.end(), relative,
                                 [](long pos, const Leaf& l) { return pos < l.start; });
    if (leaf == layout.leaves.begin()) return std::nullopt;
    Leaf found = *(leaf - 1);
    found.start += start;
    return found;
}

void StoryMap::ForEachLeaf(long start, long end, const std::function<void(const Leaf&)>& f) {
    EnsureStarts();
    if (items_.empty()) return;
    long total = starts_.back();
    start = std::clamp(start, 0L, total);
    end = std::clamp(end, start, total);
    if (start == total && start > 0) start = total - 1;  // an empty span at the very end
    auto it = std::upper_bound(starts_.begin(), starts_.end() - 1, start);
    for (std::size_t i = static_cast<std::size_t>(it - starts_.begin()) - 1; i < items_.size(); ++i) {
        long itemStart = starts_[i];
        if (itemStart >= end && !(itemStart == start)) break;
        Item& item = items_[i];
        if (!item.table) {
            f(Leaf{item.node, false, itemStart, item.length});
            continue;
        }
        for (const Leaf& leaf : LayoutOf(item).leaves) {
            long leafStart = itemStart + leaf.start;
            bool overlaps = leafStart < end && leafStart + leaf.length > start;
            bool holdsEmpty = start == end && leafStart <= start && start < leafStart + leaf.length;
            if (!overlaps && !holdsEmpty) continue;
            Leaf shifted = leaf;
            shifted.start = leafStart;
            f(shifted);
        }
        if (start == end) break;
    }
}

}  // namespace dorvane::embedded::word
