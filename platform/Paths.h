#pragma once

// Windows-style paths used by the program ("d:\paibanfangan.xls", a
// workbook's Path + "\自动汇总\*.x*") mapped onto this machine.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::platform {

// On Windows the path as it stands. Elsewhere a drive letter X: maps to the
// folder named by DORVANE_DRIVE_X (default: <user data dir>/dorvane/drive-x)
// and backslashes become separators. A path without a drive is kept.
std::filesystem::path MapPath(std::string_view windowsPath);

// Windows wildcard match of a file name: '*' any run, '?' one character,
// case-insensitive; "*.x*" matches names whose extension begins with x.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// The ordinary files (not folders, not hidden) that match the pattern's last
// component in its folder, sorted by name. An absent folder lists nothing.
std::vector<std::string> ListFiles(std::string_view windowsPattern);

// Existence by directory listing of the exact path.
bool FileExists(std::string_view windowsPath);
bool DirectoryExists(std::string_view windowsPath);

// Writes bytes to a temporary file beside `target`, flushes it and renames
// it over `target`, so a failure never leaves half a file. Throws
// std::runtime_error naming the file on failure.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Reads a whole file; throws std::runtime_error naming it on failure.
std::string ReadFile(const std::filesystem::path& file);

}  // namespace dorvane::platform
