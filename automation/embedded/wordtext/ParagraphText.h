#pragma once

// The text of one paragraph (w:p) as Word shows it in Range.Text, with a
// map from every UTF-16 position back to the XML node that holds it.
//
// What counts, in document order:
// - w:t text of runs, also inside w:hyperlink, w:ins, w:moveTo, w:smartTag,
//   w:customXml, inline w:sdt content and w:fldSimple (its result runs);
// - w:tab and w:ptab -> "\t"; w:br -> "\v" (11), type page -> "\f" (12),
//   type column -> char 14; w:cr -> "\v"; w:noBreakHyphen -> char 30;
//   w:softHyphen -> char 31; w:sym -> the character of its w:char code;
//   w:ruby (a phonetic guide) -> its base text;
// - a picture or object (w:drawing, w:pict, w:object, mc:AlternateContent
//   in a run) -> one character, char 1; a footnote or endnote reference ->
//   char 2;
// - the paragraph mark, always the last character: "\r", or "\f" (12) when
//   the paragraph ends a section (its w:pPr holds w:sectPr).
// What does not count: deleted text (w:del, w:moveFrom: the text reads as
// it will once revisions are accepted) and field codes (w:instrText and
// anything between a w:fldChar begin and its separate, nested fields
// included), as Word reads text with field codes hidden. A field whose
// code starts in an earlier paragraph is not tracked across paragraphs:
// each paragraph starts outside any field code.
//
// A ParagraphText is a snapshot: rebuild it after changing the paragraph.

#include <cstddef>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace dorvane::wordtext {

enum class PieceKind {
    Text,         // part of a w:t (or w:sym)
    Tab,
    LineBreak,    // w:br, w:cr
    PageBreak,    // w:br w:type="page"
    ColumnBreak,  // w:br w:type="column"
    Symbol,       // w:sym, w:noBreakHyphen, w:softHyphen
    Object,       // w:drawing, w:pict, w:object, mc:AlternateContent
    NoteReference,
    Mark,         // the paragraph mark
};

enum class MarkKind {
    Paragraph,     // an ordinary paragraph mark
    SectionBreak,  // the paragraph's w:pPr holds w:sectPr
    EndOfCell,     // the last paragraph of a table cell
};

// One stretch of the paragraph's text and the XML behind it.
struct Piece {
    std::size_t start = 0;   // UTF-16 offset in the paragraph's text
    std::size_t length = 0;  // UTF-16 units (a w:t holds many, others 1)
    PieceKind kind = PieceKind::Text;
    pugi::xml_node run;      // the w:r (empty for the mark)
    pugi::xml_node node;     // the w:t, w:tab, ... element; the w:p for the mark
    std::size_t end() const { return start + length; }
};

class ParagraphText {
public:
    explicit ParagraphText(pugi::xml_node paragraph);

    pugi::xml_node Paragraph() const { return paragraph_; }
    // The text including the mark, UTF-8.
    const std::string& Text() const { return text_; }
    // Length in UTF-16 units including the mark.
    std::size_t Length() const { return length_; }
    // Length without the mark (the offset of the mark).
    std::size_t ContentLength() const { return length_ - 1; }
    MarkKind Mark() const { return mark_; }
    bool HasSectionBreak() const { return mark_ == MarkKind::SectionBreak; }

    // Pieces in order; the last one is the mark.
    const std::vector<Piece>& Pieces() const { return pieces_; }
    // Index of the piece holding the character at `offset` (< Length()).
    std::size_t PieceIndexAt(std::size_t offset) const;
    const Piece& PieceAt(std::size_t offset) const { return pieces_[PieceIndexAt(offset)]; }

    // UTF-8 byte offset in Text() of a UTF-16 offset.
    std::size_t Utf8Offset(std::size_t offset) const;
    // The text of [from, to), UTF-8.
    std::string Slice(std::size_t from, std::size_t to) const;

private:
    pugi::xml_node paragraph_;
    std::string text_;
    std::size_t length_ = 0;
    MarkKind mark_ = MarkKind::Paragraph;
    std::vector<Piece> pieces_;
    std::vector<std::size_t> byteStarts_;  // UTF-8 offset of each piece
    friend class ParagraphTextBuilder;
};

// The text (as ParagraphText::Text gives it) and the mark of a paragraph
// made only of runs of plain text (w:t) with their properties, bookmarks
// and proofing marks; false for any other paragraph. Far cheaper than a
// ParagraphText, for searches that find nothing in most paragraphs.
bool PlainParagraphText(pugi::xml_node paragraph, std::string& text, MarkKind& mark);

// Whether `paragraph` is the last block of a table cell (w:tc).
bool IsLastParagraphOfCell(pugi::xml_node paragraph);

}  // namespace dorvane::wordtext
