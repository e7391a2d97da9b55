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

// Undo of whole operations. BeginUndoStep remembers the document as it
// stands (its parts' bytes), under a caption, before an operation changes
// it; Undo puts back the last remembered state and forgets it. The
// history keeps the last kUndoSteps steps and is emptied by the
// document's UndoClear. Every object-model handle to the document's
// content taken before an Undo is dead afterwards (its calls throw);
// document and selection handles stay usable. Each throws AutomationError
// for a document that is not the embedded Word's or is closed.
constexpr int kUndoSteps = 10;
void BeginUndoStep(dorvane::word::Document& document, const std::string& caption);
// Ends the last step begun: a step during which the document did not
// change is forgotten. (Undo passes over such a step too.)
void EndUndoStep(dorvane::word::Document& document);
// False when there is nothing to undo.
bool Undo(dorvane::word::Document& document);
// The caption of the step Undo would put back, or nothing.
std::optional<std::string> UndoCaption(dorvane::word::Document& document);
int UndoStepCount(dorvane::word::Document& document);

// Whether two handles stand for the same open document (a document keeps
// its identity across SaveAs, unlike its name).
bool SameDocument(dorvane::word::Document& a, dorvane::word::Document& b);

}  // namespace dorvane::embedded::word
