#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace dorvane::platform {
namespace fs = std::filesystem;

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target)) {
    static unsigned counter = 0;
    fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    temp_ = folder / ("." + target_.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                      std::to_string(counter++));
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0) Fail("cannot create a temporary file beside it");
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) {
        std::error_code ignored;
        fs::remove(temp_, ignored);
    }
}

void AtomicFile::Fail(const char* what) {
    int error = errno;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    std::error_code ignored;
    if (!temp_.empty()) fs::remove(temp_, ignored);
    temp_.clear();
    throw std::runtime_error("cannot write " + target_.string() + ": " + what + " (" + std::strerror(error) + ")");
}

void AtomicFile::Write(std::string_view bytes) {
    if (fd_ < 0) throw std::runtime_error("cannot write " + target_.string() + ": the file is closed");
    while (!bytes.empty()) {
        ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("write failed");
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void AtomicFile::Commit() {
    if (fd_ < 0) throw std::runtime_error("cannot write " + target_.string() + ": the file is closed");
    if (::fsync(fd_) != 0) Fail("flush failed");
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail("close failed");
    if (::rename(temp_.c_str(), target_.c_str()) != 0) Fail("rename failed");
    temp_.clear();
}

}  // namespace dorvane::platform
