#pragma once

#include <string>

#include "automation/word/WordTypes.h"

namespace dorvane::word {

// One of Word's built-in dialogs (Dialogs(80) is the file-open dialog).
class Dialog {
public:
    virtual ~Dialog() = default;
    // Shows the dialog and returns when it closes; the result tells how it
    // was closed (-1 OK, 0 cancel), as Word's Dialog.Show does.
    virtual int Show() = 0;
};

class Documents {
public:
    virtual ~Documents() = default;
    // Throws AutomationError once the application has been quit.
    virtual int Count() const = 0;
    virtual Ref<Document> Item(int index) = 0;  // 1-based
    // Opens a document and makes it the active one.
    virtual Ref<Document> Open(const std::string& fileName) = 0;
};

class Application {
public:
    virtual ~Application() = default;

    virtual Ref<word::Documents> Documents() = 0;
    virtual Ref<Dialog> Dialogs(int which) = 0;
    // Throws when no document is open.
    virtual Ref<Document> ActiveDocument() = 0;
    // The selection of the active document; throws when no document is open.
    virtual Ref<word::Selection> Selection() = 0;

    virtual int DisplayAlerts() const = 0;
    virtual void SetDisplayAlerts(int alerts) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void Activate() = 0;

    virtual double CentimetersToPoints(double centimetres) const = 0;
    virtual double LinesToPoints(double lines) const = 0;

    // Ends the application: every later call on Documents throws.
    virtual void Quit() = 0;
};

}  // namespace dorvane::word
