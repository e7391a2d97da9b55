#include "platform/Clipboard.h"

#include <mutex>

namespace dorvane::platform {
namespace {

std::mutex& Mutex() {
    static std::mutex m;
    return m;
}

std::optional<ClipboardGrid>& Content() {
    static std::optional<ClipboardGrid> content;
    return content;
}

}  // namespace

void Clipboard::SetGrid(ClipboardGrid grid) {
    std::lock_guard lock(Mutex());
    Content() = std::move(grid);
}

std::optional<ClipboardGrid> Clipboard::Grid() {
    std::lock_guard lock(Mutex());
    return Content();
}

void Clipboard::Clear() {
    std::lock_guard lock(Mutex());
    Content().reset();
}

}  // namespace dorvane::platform
