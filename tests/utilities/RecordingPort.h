#pragma once

// A headless UserPort that records, in order, the messages shown and the
// hiding and showing of the main window.

#include <string>
#include <vector>

#include "platform/UserPort.h"

namespace dorvane::testing {

class RecordingPort : public UserPort {
public:
    void ShowMessage(const std::string& text, const std::string& title = {}) override {
        messages.push_back(text);
        events.push_back("message");
    }
    void HideMainWindow() override { events.push_back("hide"); }
    void ShowMainWindow() override { events.push_back("show"); }
    bool SingleTableWindowShowing() const override { return false; }

    std::vector<std::string> messages;
    std::vector<std::string> events;
};

}  // namespace dorvane::testing
