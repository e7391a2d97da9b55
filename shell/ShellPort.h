#pragma once

// The user port of the windows: message boxes with an OK button only and no
// icon, hiding and showing the main window, and whether the single-table
// window is showing.

#include <QString>
#include <functional>

#include "platform/UserPort.h"

class QWidget;

namespace dorvane::shell {

// The title of message boxes that name no title of their own.
inline const char* const kDefaultTitle = "Dorvane";

class ShellPort : public UserPort {
public:
    // Shows one message and returns when the user has closed it. The title
    // is already resolved (never empty).
    using MessageDisplay = std::function<void(const QString& text, const QString& title)>;
    // The window, or nullptr while it is not loaded.
    using WindowLookup = std::function<QWidget*()>;

    ShellPort(WindowLookup mainWindow, WindowLookup singleTableWindow);

    void ShowMessage(const std::string& text, const std::string& title = {}) override;
    void HideMainWindow() override;
    void ShowMainWindow() override;
    bool SingleTableWindowShowing() const override;

    // Replaces the message box (tests record messages instead).
    void SetMessageDisplay(MessageDisplay display);

    // The modal message box: OK only, no icon. Carriage returns without a
    // line feed break the line, as they do in the system's message boxes.
    static void ShowMessageBox(const QString& text, const QString& title);

private:
    WindowLookup mainWindow_;
    WindowLookup singleTableWindow_;
    MessageDisplay display_;
};

}  // namespace dorvane::shell
