#pragma once

// The fields of a container (w:body, a header, a table cell...) in document
// order of their start, nested fields included:
// - simple fields: a w:fldSimple element (code in w:instr, result = its runs);
// - hyperlinks: a w:hyperlink element, which Word opens as a HYPERLINK field
//   whose result is the link's runs (held like a simple field);
// - complex fields: w:fldChar begin, the code in w:instrText, w:fldChar
//   separate, the result, w:fldChar end; the parts may lie in several runs
//   and paragraphs, and fields nest.
// Fields inside deleted text, text boxes and other stories inside drawings
// are not part of the container's text and are not listed.

#include <cstddef>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace dorvane::wordtext {

struct FieldRef {
    bool simple = false;
    // Simple field: the w:fldSimple or w:hyperlink. Complex field: the w:fldChar elements
    // (separate is empty for a field without a result).
    pugi::xml_node fldSimple;
    pugi::xml_node begin;
    pugi::xml_node separate;
    pugi::xml_node end;
    int depth = 0;  // 0 for a top-level field, 1 inside another field...

    // Identity: the same field markup (comparison of the nodes, not of
    // their content).
    bool operator==(const FieldRef& other) const = default;
};

// Every field of `container`, ordered by where each starts. A complex
// field whose end is missing is not listed.
std::vector<FieldRef> FindFields(pugi::xml_node container);

// The same list, whether every field that begins also ends, and which
// fields are tangled: a complex field that crosses the edge of a simple
// field or hyperlink, that simple field, and every field around them (a
// table of contents whose field begins inside its first hyperlink: its
// unlink unwraps the later hyperlinks too). The other fields nest
// properly: unlinking one leaves the others as listed.
struct FieldScan {
    std::vector<FieldRef> fields;
    std::vector<bool> tangled;  // one per field
    bool balanced = true;
};
FieldScan ScanFields(pugi::xml_node container);

// How many entries of the scan's fields, from index `at` on, unlinking
// fields[at] takes out of the list: the field itself and the fields
// nested in its code and result (which all lie inside it). Nothing (0)
// for an unbalanced scan, a tangled field, or when a field listed as
// nested does not lie inside it: the list must then be read again after
// the unlink. The scan is of the document as it stands.
std::size_t FieldsTakenByUnlink(const FieldScan& scan, std::size_t at);

// FieldCode and FieldResult read the field's nodes: call them only for a
// field that ContainsField confirms (or that FindFields has just listed).
// The field code, e.g. " PAGE \* MERGEFORMAT " (nested fields' codes
// included as they stand).
std::string FieldCode(const FieldRef& field);
// The result text as it reads (ParagraphText rules; "\r" between the
// paragraphs of a result that spans several).
std::string FieldResult(const FieldRef& field);

// Replaces the field by its result: the result runs stay with their
// formatting; the field characters, the code and the w:fldSimple wrapper
// go; fields nested in the result are unlinked with it; a field without a
// result leaves nothing. `container` is the one the field was found in:
// a field that is no longer there (already unlinked, deleted) throws
// std::runtime_error. Checked without touching the stale nodes.
void UnlinkField(pugi::xml_node container, const FieldRef& field);
// The same for a field known to be in the document as listed (its nodes
// are read without a check).
void UnlinkListedField(pugi::xml_node container, const FieldRef& field);

// Whether `field` is (still) one of the fields of `container`.
bool ContainsField(pugi::xml_node container, const FieldRef& field);

}  // namespace dorvane::wordtext
