#pragma once

// Paragraph formatting of one w:p: reading the effective value (the
// paragraph's own w:pPr, then its style chain and the document defaults)
// and setting it in the paragraph's own properties.

#include <pugixml.hpp>

namespace dorvane::embedded::word {

class DocumentData;

enum class ParaProp {
    LeftIndent,       // points (w:ind left)
    RightIndent,      // points (w:ind right)
    FirstLineIndent,  // points, negative for a hanging indent
    LeftChars,        // characters (w:ind leftChars / 100)
    RightChars,
    FirstLineChars,   // characters, negative for hanging
    SpaceBefore,      // points (w:spacing before)
    SpaceAfter,
    BeforeAuto,       // 1 or 0 (w:spacing beforeAutospacing)
    AfterAuto,
    LinesBefore,      // lines (w:spacing beforeLines / 100)
    LinesAfter,
    LineRule,         // wdLineSpace... code
    LineSpacing,      // points
    WordWrap,         // 1 or 0
    Alignment,        // wdAlignParagraph... code
};

double GetParagraphProp(DocumentData& doc, pugi::xml_node paragraph, ParaProp prop);
// Throws AutomationError for a value out of range.
void SetParagraphProp(DocumentData& doc, pugi::xml_node paragraph, ParaProp prop, double value);
// Checks a value before anything is set (so that a refused value changes
// no paragraph).
void CheckParagraphProp(ParaProp prop, double value);

// The tab stops that apply to a paragraph (its own and its style's, less
// the cleared ones).
int TabStopCount(DocumentData& doc, pugi::xml_node paragraph);
// Removes the paragraph's own tab stops and clears the inherited ones.
void ClearTabStops(DocumentData& doc, pugi::xml_node paragraph);

}  // namespace dorvane::embedded::word
