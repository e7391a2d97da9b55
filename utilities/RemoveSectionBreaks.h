#pragma once

#include <optional>

namespace dorvane::word { class Application; }

namespace dorvane::utilities {

// Removes every section break of the active document with one replace-all
// of "^b" on the selection's Find, continuing past the end to the start.
// Shows no message; a refused call is not handled here. Returns how many
// section breaks went, or nothing when the document cannot tell its
// sections (the breaks are removed all the same).
std::optional<int> RemoveSectionBreaks(word::Application& word);

}  // namespace dorvane::utilities
