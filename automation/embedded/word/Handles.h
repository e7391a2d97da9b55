#pragma once

// Factories of the embedded Word's object model handles. A handle holds the
// document it belongs to and the node(s) or target it stands for; nothing
// else.

#include <memory>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/word/DocumentData.h"
#include "automation/embedded/word/Target.h"
#include "automation/word/Word.h"

namespace dorvane::embedded::word {

namespace w = dorvane::word;
using DocPtr = std::shared_ptr<DocumentData>;

w::Ref<w::Document> MakeDocument(DocPtr doc);
// The data behind a Document handle of the embedded Word; throws
// AutomationError(member, ...) for another application's document.
DocPtr DocumentDataOf(w::Document& document, const char* member);
w::Ref<w::Range> MakeRange(DocPtr doc, Target target);
w::Ref<w::Selection> MakeSelection(DocPtr doc);

w::Ref<w::Tables> MakeTables(DocPtr doc, std::vector<pugi::xml_node> tables);
w::Ref<w::Table> MakeTable(DocPtr doc, pugi::xml_node table);
// Rows r1..r2 (0-based) of a table; `fromRange` for the rows of a range.
w::Ref<w::Rows> MakeRows(DocPtr doc, pugi::xml_node table, int row1, int row2);
w::Ref<w::Columns> MakeColumns(DocPtr doc, pugi::xml_node table, GridRect rect, bool fromRange);
w::Ref<w::Cells> MakeCells(DocPtr doc, std::vector<pugi::xml_node> cells);
w::Ref<w::Cell> MakeCell(DocPtr doc, pugi::xml_node cell);

w::Ref<w::Borders> MakeBorders(DocPtr doc, Target target);
w::Ref<w::ParagraphFormat> MakeParagraphFormat(DocPtr doc, Target target);
w::Ref<w::Paragraphs> MakeParagraphs(DocPtr doc, Target target);
w::Ref<w::Paragraph> MakeParagraph(DocPtr doc, pugi::xml_node paragraph);
w::Ref<w::Font> MakeFont(DocPtr doc, Target target);
// `selection`: the Find of the selection (a found text becomes selected).
w::Ref<w::Find> MakeFind(DocPtr doc, Target target, bool selection);
w::Ref<w::Fields> MakeFields(DocPtr doc);
w::Ref<w::InlineShapes> MakeInlineShapes(DocPtr doc);

// Replaces the selection by a table of the clipboard grid.
void PasteGridOverSelection(DocumentData& doc);

// Checks that the target still stands in the document (throws
// AutomationError(member, ...) otherwise).
void CheckTarget(DocumentData& doc, const Target& target, const char* member);
// The target with the document's current generation when it has none.
Target Stamped(const DocumentData& doc, Target target);

}  // namespace dorvane::embedded::word
