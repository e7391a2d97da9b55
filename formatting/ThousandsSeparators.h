#pragma once

#include "automation/word/Word.h"

namespace dorvane::formatting {

// Puts a comma after the first of four digits that stand before a point
// or a comma, throughout the main text (inside and outside tables), again
// and again until no such digits remain: 1234567.8 becomes 1,234,567.8.
// A number with no point or comma after its digits is left alone.
void AddThousandsSeparators(word::Document& document);

}  // namespace dorvane::formatting
