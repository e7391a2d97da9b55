#include "platform/RunningObjectTable.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace dorvane::platform {
namespace {

struct Entry {
    std::string className;  // lower case
    std::shared_ptr<void> object;
};

std::mutex& Mutex() {
    static std::mutex m;
    return m;
}

std::vector<Entry>& Entries() {
    static std::vector<Entry> entries;
    return entries;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

void RunningObjectTable::Register(const std::string& className, std::shared_ptr<void> object) {
    std::lock_guard lock(Mutex());
    Entries().push_back({Lower(className), std::move(object)});
}

void RunningObjectTable::Revoke(const std::string& className, const void* object) {
    std::lock_guard lock(Mutex());
    auto name = Lower(className);
    auto& entries = Entries();
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const Entry& e) {
                                     return e.className == name && e.object.get() == object;
                                 }),
                  entries.end());
}

std::shared_ptr<void> RunningObjectTable::Lookup(const std::string& className) {
    std::lock_guard lock(Mutex());
    auto name = Lower(className);
    auto& entries = Entries();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        if (it->className == name) return it->object;
    return nullptr;
}

}  // namespace dorvane::platform
