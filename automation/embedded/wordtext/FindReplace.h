#pragma once

// Find and replace over a sequence of paragraph windows: the object model
// expresses a range or a selection as the paragraphs it touches, each with
// the UTF-16 window [from, to) of its text (ParagraphText) that lies in the
// range; a window that reaches the paragraph's mark (to = length) lets ^p
// or ^b match that mark. The object model handles Wrap and which windows
// to pass.
//
// Matches never cross a paragraph mark: a pattern can end with the mark
// (^p, ^b) but cannot go on into the next paragraph.
//
// Replacing a match keeps the formatting of its first character. A match
// that ends with a paragraph mark joins the paragraph with the next one
// (JoinWithNextParagraph); a section-break mark is removed as in
// RemoveSectionBreak. A mark that cannot be deleted (the last paragraph of
// a cell or of the body, a paragraph before a table) is left alone: that
// match is neither replaced nor counted.

#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/wordtext/SearchPattern.h"

namespace dorvane::wordtext {

struct ParagraphSpan {
    pugi::xml_node paragraph;
    std::size_t from = 0;
    std::size_t to = std::numeric_limits<std::size_t>::max();  // clamped to the length
};

struct FoundText {
    std::size_t spanIndex = 0;  // index into the spans passed
    pugi::xml_node paragraph;
    std::size_t start = 0;  // UTF-16 offsets in the paragraph's text
    std::size_t end = 0;
};

// The first match, searching the spans in order (forward), or the last
// match searching backward from the end.
std::optional<FoundText> FindFirst(const std::vector<ParagraphSpan>& spans, const SearchPattern& pattern);
std::optional<FoundText> FindLast(const std::vector<ParagraphSpan>& spans, const SearchPattern& pattern);

// Replaces the first match (or the last one when `forward` is false).
// Returns where the replacement text now stands (start..start+length of
// the new text; a joined mark leaves an empty span at the join), or
// nothing when no match was found or the match could not be replaced.
std::optional<FoundText> ReplaceOne(const std::vector<ParagraphSpan>& spans, const SearchPattern& pattern,
                                    const ReplacementText& replacement, bool forward = true);

// Replaces every match, left to right without overlaps, each against the
// text as it was before the call; returns how many were replaced.
// The spans' paragraphs may be joined or removed by the call.
int ReplaceAll(const std::vector<ParagraphSpan>& spans, const SearchPattern& pattern,
               const ReplacementText& replacement);

}  // namespace dorvane::wordtext
