#pragma once

// What the tests share: the corpus of real documents (absent in a user's
// clone, where tests that need it skip) and temporary folders.

#include <filesystem>
#include <optional>
#include <string>

namespace dorvane::testing {

// The corpus folder (env DORVANE_CORPUS, else ../shared/corpus beside the
// source tree), or nothing when it is absent.
std::optional<std::filesystem::path> CorpusDir();

// A corpus file such as "docx/poi_60329.docx", or nothing when absent.
std::optional<std::filesystem::path> CorpusFile(const std::string& relative);

// A fresh empty folder under the system's temporary folder, removed when
// the object goes out of scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace dorvane::testing

// Skips the current test when the corpus file is absent; otherwise binds
// `var` to its path.
#define DORVANE_CORPUS_FILE_OR_SKIP(var, relative)                          \
    auto var##_opt = ::dorvane::testing::CorpusFile(relative);              \
    if (!var##_opt) GTEST_SKIP() << "corpus file absent: " << (relative);   \
    const std::filesystem::path var = *var##_opt
