#pragma once

#include <string>

#include "automation/word/WordTypes.h"

namespace dorvane::word {

// A span of the main text, or a rectangular block of table cells.
class Range {
public:
    virtual ~Range() = default;

    // Text with Word's marks: "\r" ends a paragraph, a cell's text ends
    // with "\r\a" (end-of-cell mark), a row ends with "\r\a".
    virtual std::string Text() const = 0;
    virtual long Start() const = 0;  // UTF-16 positions
    virtual long End() const = 0;

    // Makes this range the selection of its document.
    virtual void Select() = 0;

    virtual Ref<word::Font> Font() = 0;
    virtual Ref<word::ParagraphFormat> ParagraphFormat() = 0;
    virtual Ref<word::Paragraphs> Paragraphs() = 0;
    virtual Ref<word::Find> Find() = 0;
    virtual Ref<word::Borders> Borders() = 0;

    // Tables that the range lies in or contains (Tables.Count, Tables(1)).
    virtual Ref<word::Tables> Tables() = 0;
    // Cells of a range inside a table, block row by row; throws otherwise.
    virtual Ref<word::Cells> Cells() = 0;
    // Rows the range touches; throws outside a table.
    virtual Ref<word::Rows> Rows() = 0;
    // Columns of the range; Count throws when the range holds merged
    // cells or cells of mixed widths.
    virtual Ref<word::Columns> Columns() = 0;
};

// The selection of a document: a Range whose target changes with Select.
class Selection : public Range {
public:
    // The range currently selected.
    virtual Ref<word::Range> Range() = 0;
    // Pastes the program's clipboard over the selection (type 0 default).
    virtual void PasteAndFormat(int type) = 0;
};

}  // namespace dorvane::word
