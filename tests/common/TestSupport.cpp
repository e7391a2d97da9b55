#include "tests/common/TestSupport.h"

#include <atomic>
#include <cstdlib>
#include <random>

namespace dorvane::testing {

std::optional<std::filesystem::path> CorpusDir() {
    std::filesystem::path dir;
    if (const char* env = std::getenv("DORVANE_CORPUS"); env && *env)
        dir = env;
    else
        dir = DORVANE_CORPUS_DIR;
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) return std::nullopt;
    return std::filesystem::weakly_canonical(dir, ec);
}

std::optional<std::filesystem::path> CorpusFile(const std::string& relative) {
    auto dir = CorpusDir();
    if (!dir) return std::nullopt;
    auto file = *dir / relative;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    return file;
}

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("dorvane-test-" + std::to_string(rd()) + "-" +
                                 std::to_string(counter++));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace dorvane::testing
