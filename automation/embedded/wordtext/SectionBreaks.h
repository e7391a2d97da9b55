#pragma once

// Section breaks and paragraph joins in a document body.
//
// A section break is a body paragraph whose w:pPr holds w:sectPr: it ends
// every section but the last, whose w:sectPr is the body's last child.
// Paragraphs inside block-level content controls (w:sdt) and w:customXml
// of the body count too; paragraphs in tables never hold a section break.

#include <vector>

#include <pugixml.hpp>

namespace dorvane::wordtext {

// The section-break paragraphs of `body`, in document order.
std::vector<pugi::xml_node> SectionBreakParagraphs(pugi::xml_node body);

// Joins `paragraph` with the paragraph that follows it, the way deleting a
// paragraph mark does: the next paragraph's content moves to the end of
// `paragraph`, which then takes the next paragraph's properties (w:pPr,
// including its mark's formatting and any section break it holds: the
// surviving mark is the next paragraph's); the next paragraph is removed.
// Returns false, changing nothing, when the next block is not a paragraph
// (a table, a content control, the end of the cell or body).
bool JoinWithNextParagraph(pugi::xml_node paragraph);
// Whether JoinWithNextParagraph would join (the next block is a paragraph).
bool CanJoinWithNextParagraph(pugi::xml_node paragraph);

// Removes the section break held by `paragraph`: its section merges into
// the next one. Its w:sectPr is dropped (the text before the break takes
// the next section's properties, which stay where they are; the next
// section takes over the dropped section's headers and footers of the
// kinds it had none of its own, as it was showing them), and the
// paragraph is joined with the next paragraph as JoinWithNextParagraph
// does. When the next block is not a paragraph (a table, the end of the
// body), only the w:sectPr goes, and an empty break paragraph is removed
// as long as that leaves no two tables side by side and the body not
// empty. Throws std::invalid_argument when `paragraph` holds no break.
void RemoveSectionBreak(pugi::xml_node paragraph);

// Removes every section break of `body`; returns how many.
int RemoveAllSectionBreaks(pugi::xml_node body);

}  // namespace dorvane::wordtext
