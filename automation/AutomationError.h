#pragma once

#include <stdexcept>
#include <string>

namespace dorvane {

// A call on the Word or Excel object model that the application refuses.
// The message names the member that failed and why, e.g.
// "Rows.Item: cannot access individual rows in this collection because the
// table has vertically merged cells".
class AutomationError : public std::runtime_error {
public:
    AutomationError(std::string member, std::string reason)
        : std::runtime_error(member + ": " + reason),
          member_(std::move(member)),
          reason_(std::move(reason)) {}

    const std::string& Member() const { return member_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string member_;
    std::string reason_;
};

}  // namespace dorvane
