#pragma once

// Registry of running application instances by class name, so that
// "the running Excel" can be found. Class names compare case-insensitively.

#include <memory>
#include <string>

namespace dorvane::platform {

class RunningObjectTable {
public:
    // The newest registration of a class name is the one Lookup returns.
    static void Register(const std::string& className, std::shared_ptr<void> object);
    // Removes the registration of that object (no-op if absent).
    static void Revoke(const std::string& className, const void* object);
    // nullptr when no instance of that class is registered.
    static std::shared_ptr<void> Lookup(const std::string& className);
};

}  // namespace dorvane::platform
