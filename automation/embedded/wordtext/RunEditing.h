#pragma once

// Editing the runs of one paragraph at UTF-16 positions of its text (see
// ParagraphText for what the positions count). Runs are split, never
// re-created: each part keeps a copy of the run's w:rPr, so formatting
// survives; runs inside hyperlinks, insertions or content controls stay
// inside them.

#include <cstddef>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace dorvane::wordtext {

// Splits `run` (a w:r) before its child `child`; when `child` is a w:t and
// `utf8Offset` > 0, the split falls inside its text at that byte offset.
// The new run (inserted right after `run`, with a copy of its w:rPr) holds
// everything from the split on and is returned. Returns an empty node when
// the split point is the start or the end of the run (nothing to split).
pugi::xml_node SplitRun(pugi::xml_node run, pugi::xml_node child, std::size_t utf8Offset = 0);

// Makes sure that a run boundary falls at `offset` of the paragraph's text
// (0 <= offset <= content length). Offsets inside a surrogate pair are
// moved to the character's start. Returns whether a run was split.
bool SplitRunsAt(pugi::xml_node paragraph, std::size_t offset);

// Splits at `from` and `to` and returns the runs whose text lies in
// [from, to), in document order (the paragraph mark is not a run: a span
// reaching the mark returns the runs up to it). Runs without text in the
// span (field characters, empty runs) are not returned.
std::vector<pugi::xml_node> RunsInSpan(pugi::xml_node paragraph, std::size_t from, std::size_t to);

// Replaces [from, to) of the paragraph's text (to <= content length: the
// mark cannot be replaced here) by `text`, which takes the formatting of
// the first character of the span (for an empty span, of the character
// before it, else the one after it, else the paragraph mark's). "\t" in
// `text` becomes w:tab, "\v" and "\n" w:br, "\f" a page break, chars 30 and
// 31 non-breaking and optional hyphens. Field characters and field codes
// inside the span are kept. Throws std::out_of_range for a span outside
// the content, std::invalid_argument for "\r" in `text`.
void ReplaceSpan(pugi::xml_node paragraph, std::size_t from, std::size_t to, std::string_view text);

// The paragraph mark's run properties (w:pPr/w:rPr), created when asked.
pugi::xml_node MarkRunProperties(pugi::xml_node paragraph, bool create);

}  // namespace dorvane::wordtext
