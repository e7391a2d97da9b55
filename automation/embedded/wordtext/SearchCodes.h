#pragma once

// Word's caret codes and literal characters as PCRE2 fragments; shared by
// the find-text translators and the replacement parser (internal).

#include <cstddef>
#include <string>
#include <string_view>

namespace dorvane::wordtext {

// Any character but a paragraph mark, a section-break mark or an
// end-of-cell mark; and those marks, for negated classes.
inline constexpr const char* kAnyCharacter = "[^\\r\\x{FDD0}\\x{FDD1}]";
inline constexpr const char* kMarkCharacters = "\\r\\x{FDD0}\\x{FDD1}";

// The character (one UTF-8 sequence) at `i` as a pattern fragment that
// matches it literally; advances `i` past it.
std::string LiteralCharacter(std::string_view text, std::size_t& i);

// The caret code at `i` (text[i] == '^') as a fragment of a pattern, of a
// character class, or as replacement text; advances `i` past it. False
// (with `why` for replacements) when the code is unknown or not allowed.
bool CaretFindCode(std::string_view text, std::size_t& i, std::string& fragment);
bool CaretClassCode(std::string_view text, std::size_t& i, std::string& fragment);
bool CaretReplacementCode(std::string_view text, std::size_t& i, std::string& out, std::string& why);

}  // namespace dorvane::wordtext
