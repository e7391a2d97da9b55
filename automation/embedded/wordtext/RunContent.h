#pragma once

// What one child element of a run (w:r) adds to the text (internal; shared
// by ParagraphText and the field readers).

#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "automation/embedded/wordtext/ParagraphText.h"

namespace dorvane::wordtext {

// The text and kind of run child `child`; false when it adds no text
// (w:rPr, field characters, field codes, unknown elements).
bool RunChildText(pugi::xml_node child, PieceKind& kind, std::string& text);

// Elements whose subtree holds no text of the story they stand in:
// deleted content, properties, and drawings (whose text boxes are stories
// of their own).
bool IsOutsideStory(pugi::xml_node node);

// The w:fldCharType of a w:fldChar ("" for any other node).
std::string_view FieldCharType(pugi::xml_node node);

}  // namespace dorvane::wordtext
