#pragma once

// The windows of the embedded Word: one per open document, following the
// application's documents (a document opened gets a window, a document
// closed loses it, a quit closes them all), with Word's open dialog and
// quit, the refresh after an operation and the windows' part in the
// program's end.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/embedded/word/EmbeddedWord.h"
#include "shell/word/DocumentWindow.h"

namespace dorvane::shell::wordwindow {

class WordWindows : public QObject {
    Q_OBJECT
public:
    // `chooseFile` answers Word's open dialog (nothing: cancelled). Installs
    // itself as the front end of `word`; throws AutomationError when
    // `word` is not the embedded Word.
    WordWindows(std::shared_ptr<dorvane::word::Application> word,
                std::function<std::optional<std::string>()> chooseFile, WordWindowOptions options);
    ~WordWindows() override;

    // Brings the windows in line with the documents; called soon after
    // every change the application reports.
    void Sync();
    // After an operation: every preview and title shows the documents as
    // they are now.
    void RefreshAll();
    // Word's open dialog (Dialogs(80).Show); a document that cannot be
    // opened is named in a message with the reason, and nothing else
    // changes.
    void ShowOpenDialog();
    // Word's quit: asks about each modified document (false and nothing
    // quit when the user keeps one open), then ends the application.
    bool Quit();
    // The end of the tool: unmodified documents close with their windows;
    // a modified document keeps its window, which asks before it closes.
    void CloseUnmodified();

    std::vector<DocumentWindow*> Windows() const;
    DocumentWindow* WindowOf(dorvane::word::Document& document) const;

private:
    void ScheduleSync();
    void DiscardAll();
    DocumentWindow* OpenWindow(dorvane::word::Ref<dorvane::word::Document> document);

    std::shared_ptr<dorvane::word::Application> word_;
    std::function<std::optional<std::string>()> chooseFile_;
    WordWindowOptions options_;
    std::vector<QPointer<DocumentWindow>> windows_;
    bool syncPending_ = false;
    std::string lastChosen_;  // the file the open dialog was last answered with
};

}  // namespace dorvane::shell::wordwindow
