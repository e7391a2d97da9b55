#include "platform/Paths.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace dorvane::platform {
namespace fs = std::filesystem;

namespace {

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
}

fs::path UserDataDir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg);
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share";
    return fs::temp_directory_path();
}

// The folder that stands for drive `letter`: DORVANE_DRIVE_<X> when set (it
// must exist, like a real drive), else a folder under the user's data
// directory, created on first use.
fs::path DriveFolder(char letter) {
    char upper = static_cast<char>(letter >= 'a' ? letter - 'a' + 'A' : letter);
    std::string variable = std::string("DORVANE_DRIVE_") + upper;
    if (const char* env = std::getenv(variable.c_str()); env && *env) return fs::path(env);
    char lower = static_cast<char>(upper - 'A' + 'a');
    fs::path folder = UserDataDir() / "dorvane" / (std::string("drive-") + lower);
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder;
}

std::string WithSlashes(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

// Decodes UTF-8 into code points so that '?' matches one character.
std::u32string Decode(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        std::size_t j = i + 1;
        for (int k = 0; k < extra && j < text.size(); ++k, ++j)
            cp = (cp << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
        out.push_back(cp);
        i = j;
    }
    return out;
}

char32_t Fold(char32_t c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

bool Match(const std::u32string& p, std::size_t pi, const std::u32string& s, std::size_t si) {
    while (pi < p.size()) {
        if (p[pi] == U'*') {
            while (pi < p.size() && p[pi] == U'*') ++pi;
            if (pi == p.size()) return true;
            for (std::size_t k = si; k <= s.size(); ++k)
                if (Match(p, pi, s, k)) return true;
            return false;
        }
        if (si == s.size()) return false;
        if (p[pi] != U'?' && Fold(p[pi]) != Fold(s[si])) return false;
        ++pi;
        ++si;
    }
    return si == s.size();
}

}  // namespace

fs::path MapPath(std::string_view windowsPath) {
#ifdef _WIN32
    return fs::path(std::string(windowsPath));
#else
    if (!HasDriveLetter(windowsPath)) return fs::path(WithSlashes(windowsPath));
    std::string rest = WithSlashes(windowsPath.substr(2));
    while (!rest.empty() && rest.front() == '/') rest.erase(rest.begin());
    fs::path folder = DriveFolder(windowsPath[0]);
    return rest.empty() ? folder : folder / rest;
#endif
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    std::u32string p = Decode(pattern), s = Decode(name);
    if (Match(p, 0, s, 0)) return true;
    // As on Windows, "name.*" also matches a name without an extension.
    if (p.size() >= 2 && p.substr(p.size() - 2) == U".*" && s.find(U'.') == std::u32string::npos)
        return Match(p.substr(0, p.size() - 2), 0, s, 0);
    return false;
}

std::vector<std::string> ListFiles(std::string_view windowsPattern) {
    fs::path mapped = MapPath(windowsPattern);
    std::string pattern = mapped.filename().string();
    fs::path folder = mapped.parent_path();
    std::vector<std::string> names;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return names;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue;  // hidden
        std::error_code sec;
        if (!it->is_regular_file(sec)) continue;
        if (WildcardMatch(pattern, name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool FileExists(std::string_view windowsPath) {
    std::error_code ec;
    return fs::is_regular_file(MapPath(windowsPath), ec);
}

bool DirectoryExists(std::string_view windowsPath) {
    std::error_code ec;
    return fs::is_directory(MapPath(windowsPath), ec);
}

void WriteFileAtomically(const fs::path& target, std::string_view bytes) {
    AtomicFile file(target);
    file.Write(bytes);
    file.Commit();
}

std::string ReadFile(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) throw std::runtime_error(file.string() + ": file not found");
    if (fs::is_directory(file, ec)) throw std::runtime_error(file.string() + ": is a folder, not a file");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error(file.string() + ": cannot be read (" + std::strerror(errno) + ")");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) throw std::runtime_error(file.string() + ": read failed");
    return std::move(buffer).str();
}

}  // namespace dorvane::platform
