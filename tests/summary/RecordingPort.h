#pragma once

// A headless UserPort that records the messages shown.

#include <string>
#include <vector>

#include "platform/UserPort.h"

namespace dorvane::testing {

class RecordingPort : public UserPort {
public:
    struct Message {
        std::string text;
        std::string title;
    };

    void ShowMessage(const std::string& text, const std::string& title) override {
        messages.push_back({text, title});
    }
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }

    std::vector<Message> messages;
};

}  // namespace dorvane::testing
