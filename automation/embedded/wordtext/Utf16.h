#pragma once

// Positions in Word's text are counted in UTF-16 code units; the XML and
// every interface hold UTF-8. These helpers convert between the two.
// Invalid UTF-8 bytes count as one unit each (as U+FFFD would).

#include <cstddef>
#include <string>
#include <string_view>

namespace dorvane::wordtext {

// Number of UTF-16 code units of UTF-8 text.
std::size_t Utf16Length(std::string_view utf8);

// Byte offset in `utf8` of the UTF-16 offset `units`, clamped to the end.
// An offset that falls between the two halves of a surrogate pair is moved
// back to the start of that character.
std::size_t Utf8OffsetOf(std::string_view utf8, std::size_t units);

// UTF-16 offset of the byte offset `bytes` (clamped to the end; an offset
// inside a multi-byte character counts from that character's start).
std::size_t Utf16OffsetOf(std::string_view utf8, std::size_t bytes);

// The UTF-8 text of the UTF-16 span [from, to) of `utf8`.
std::string Utf16Slice(std::string_view utf8, std::size_t from, std::size_t to);

std::u16string ToUtf16(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);
// UTF-8 encoding of one code point.
std::string EncodeUtf8(char32_t codePoint);

}  // namespace dorvane::wordtext
