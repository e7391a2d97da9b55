#pragma once

// A user port for tests: records messages and the main window's state.

#include <string>
#include <vector>

#include "platform/UserPort.h"

namespace dorvane::formatting::testing {

class RecordingPort : public UserPort {
public:
    void ShowMessage(const std::string& text, const std::string& = {}) override {
        messages.push_back(text);
        hiddenWhenMessaged.push_back(!mainWindowShowing);
    }
    void HideMainWindow() override { mainWindowShowing = false; }
    void ShowMainWindow() override { mainWindowShowing = true; }
    bool SingleTableWindowShowing() const override { return singleTableWindow; }

    std::vector<std::string> messages;
    std::vector<bool> hiddenWhenMessaged;
    bool mainWindowShowing = true;
    bool singleTableWindow = false;
};

}  // namespace dorvane::formatting::testing
