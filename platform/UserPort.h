#pragma once

// What an operation may ask of the user interface. The shell implements it
// with windows; tests and the batch tools implement it headless.

#include <string>

namespace dorvane {

class UserPort {
public:
    virtual ~UserPort() = default;
    // A modal message box with an OK button only; returns when closed.
    // An empty title means the program's default title.
    virtual void ShowMessage(const std::string& text, const std::string& title = {}) = 0;
    virtual void HideMainWindow() = 0;
    virtual void ShowMainWindow() = 0;
    // Whether the single-table window is showing.
    virtual bool SingleTableWindowShowing() const = 0;
};

}  // namespace dorvane
