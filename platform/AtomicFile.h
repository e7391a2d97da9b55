#pragma once

// A file written in pieces to a temporary file beside its target and put in
// place by one rename when complete, so a failure or a crash never leaves
// half a file where the user's file was.

#include <filesystem>
#include <string_view>

namespace dorvane::platform {

class AtomicFile {
public:
    // Creates the temporary file; throws std::runtime_error naming the
    // target when the folder cannot take it.
    explicit AtomicFile(std::filesystem::path target);
    // Without Commit the temporary file is removed and the target stays.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view bytes);
    // Flushes to disk and renames over the target.
    void Commit();

private:
    [[noreturn]] void Fail(const char* what);

    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
};

}  // namespace dorvane::platform
