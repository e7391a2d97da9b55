#pragma once

// Reading one stream out of a compound file (the container of Excel
// 97-2003 workbooks): header, sector allocation table, directory, and the
// mini stream that holds streams under 4096 bytes.

#include <optional>
#include <string>
#include <string_view>

namespace dorvane::embedded::excel {

// The bytes of the stream called `name` (compared without regard to
// ASCII case), or nothing when the file has no such stream. Throws
// std::runtime_error naming what is damaged when the container's
// structure is inconsistent.
std::optional<std::string> ReadCompoundStream(const std::string& file, std::u16string_view name);

}  // namespace dorvane::embedded::excel
