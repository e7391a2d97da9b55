#pragma once

// What the workbook windows ask the user: messages, whether to save a
// modified workbook, which file to open or to save as. Each is a function
// so that tests answer instead of a person; the defaults are the system's
// message boxes and file dialogs.

#include <QString>
#include <functional>

class QWidget;

namespace dorvane::shell {

enum class SaveAnswer { Save, Discard, Cancel };

struct WorkbookDialogs {
    // A message with an OK button.
    std::function<void(QWidget* parent, const QString& text, const QString& title)> showMessage;
    // Before a modified workbook is closed: save, discard or keep it open.
    std::function<SaveAnswer(QWidget* parent, const QString& workbookName)> askToSave;
    // A workbook to open; empty: cancelled.
    std::function<QString(QWidget* parent)> chooseFileToOpen;
    // The file to save as, starting from `suggested`; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& suggested)> chooseFileToSave;

    // Every function left empty gets its default.
    void FillDefaults();
};

// The question asked before a modified workbook's window closes.
QString SaveQuestion(const QString& workbookName);

}  // namespace dorvane::shell
