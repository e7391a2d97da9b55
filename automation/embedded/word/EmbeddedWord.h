#pragma once

// What the embedded Word offers beyond Word's object model, for the
// windows that show it and for tests: a front end that answers Word's
// dialogs and hears about visibility and documents.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "automation/word/Application.h"

namespace dorvane::embedded::word {

struct WordFrontEnd {
    // Dialogs(80).Show: asks the user for a document to open; nothing when
    // the user cancels.
    std::function<std::optional<std::string>()> chooseFileToOpen;
    // Called after Visible, Activate, opening or closing a document and
    // Quit, so that windows can follow.
    std::function<void()> changed;
};

// Installs the front end of an application made by CreateWordApplication
// (replacing any earlier one). Without a front end the application runs
// headless: Dialogs(80).Show returns 0 and opens nothing. Throws
// AutomationError for an application that is not the embedded Word.
void InstallFrontEnd(dorvane::word::Application& application, WordFrontEnd frontEnd);

}  // namespace dorvane::embedded::word
