#pragma once

// The state of one embedded Word application: its documents (in opening
// order), the active one, its switches and its front end.

#include <filesystem>
#include <memory>
#include <vector>

#include "automation/embedded/word/DocumentData.h"
#include "automation/embedded/word/EmbeddedWord.h"

namespace dorvane::embedded::word {

class ApplicationState : public std::enable_shared_from_this<ApplicationState> {
public:
    // Throws AutomationError(member, ...) once the application has quit.
    void CheckRunning(const char* member) const;

    // Opens a document (or returns the one already open from that file)
    // and makes it active.
    std::shared_ptr<DocumentData> Open(const std::filesystem::path& file);
    void Close(DocumentData& doc);
    void Activate(DocumentData& doc);
    std::shared_ptr<DocumentData> Active() const;
    void Quit();
    void Notify() const;

    std::vector<std::shared_ptr<DocumentData>> documents;
    std::shared_ptr<DocumentData> active;
    WordFrontEnd frontEnd;
    int displayAlerts = -1;  // wdAlertsAll
    bool visible = false;
    bool quit = false;
};

// Reads a .docx into a new DocumentData, or throws AutomationError naming
// the file and the reason.
std::shared_ptr<DocumentData> OpenDocumentData(const std::filesystem::path& file,
                                               std::weak_ptr<ApplicationState> application);

}  // namespace dorvane::embedded::word
