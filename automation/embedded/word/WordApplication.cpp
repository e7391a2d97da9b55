// The embedded Word application: documents, dialogs, switches and
// conversions.

#include <algorithm>
#include <system_error>

#include "automation/AutomationError.h"
#include "automation/Instances.h"
#include "automation/embedded/word/ApplicationState.h"
#include "automation/embedded/word/Handles.h"
#include "platform/Paths.h"

namespace dorvane::embedded::word {

namespace {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    bool same = std::filesystem::equivalent(a, b, ec);
    return !ec && same;
}

}  // namespace

void ApplicationState::CheckRunning(const char* member) const {
    if (quit) throw AutomationError(member, "the application has been quit");
}

std::shared_ptr<DocumentData> ApplicationState::Open(const std::filesystem::path& file) {
    for (const auto& doc : documents) {
        if (SameFile(doc->File(), file)) {
            Activate(*doc);
            return doc;
        }
    }
    auto doc = OpenDocumentData(file, weak_from_this());
    documents.push_back(doc);
    active = doc;
    Notify();
    return doc;
}

void ApplicationState::Close(DocumentData& doc) {
    doc.MarkClosed();
    documents.erase(std::remove_if(documents.begin(), documents.end(),
                                   [&](const auto& d) { return d.get() == &doc; }),
                    documents.end());
    if (active.get() == &doc) active = documents.empty() ? nullptr : documents.back();
    Notify();
}

void ApplicationState::Activate(DocumentData& doc) {
    for (const auto& d : documents)
        if (d.get() == &doc) active = d;
    Notify();
}

std::shared_ptr<DocumentData> ApplicationState::Active() const { return active; }

void ApplicationState::Quit() {
    for (const auto& doc : documents) doc->MarkClosed();
    documents.clear();
    active.reset();
    quit = true;
    Notify();
}

void ApplicationState::Notify() const {
    if (frontEnd.changed) frontEnd.changed();
}

namespace {

class DocumentsImpl : public w::Documents {
public:
    explicit DocumentsImpl(std::shared_ptr<ApplicationState> app) : app_(std::move(app)) {}

    int Count() const override {
        app_->CheckRunning("Documents.Count");
        return static_cast<int>(app_->documents.size());
    }
    w::Ref<w::Document> Item(int index) override {
        app_->CheckRunning("Documents.Item");
        if (index < 1 || index > static_cast<int>(app_->documents.size()))
            throw AutomationError("Documents.Item", "the requested member of the collection does not exist");
        return MakeDocument(app_->documents[static_cast<std::size_t>(index - 1)]);
    }
    w::Ref<w::Document> Open(const std::string& fileName) override {
        app_->CheckRunning("Documents.Open");
        return MakeDocument(app_->Open(platform::MapPath(fileName)));
    }

private:
    std::shared_ptr<ApplicationState> app_;
};

class FileOpenDialog : public w::Dialog {
public:
    explicit FileOpenDialog(std::shared_ptr<ApplicationState> app) : app_(std::move(app)) {}

    int Show() override {
        app_->CheckRunning("Dialog.Show");
        if (!app_->frontEnd.chooseFileToOpen) return 0;
        auto chosen = app_->frontEnd.chooseFileToOpen();
        if (!chosen) return 0;
        app_->Open(platform::MapPath(*chosen));
        return -1;
    }

private:
    std::shared_ptr<ApplicationState> app_;
};

class ApplicationImpl : public w::Application {
public:
    ApplicationImpl() : state_(std::make_shared<ApplicationState>()) {}
    ~ApplicationImpl() override = default;

    ApplicationState& State() { return *state_; }

    w::Ref<w::Documents> Documents() override { return std::make_shared<DocumentsImpl>(state_); }
    w::Ref<w::Dialog> Dialogs(int which) override {
        state_->CheckRunning("Dialogs");
        if (which != w::wdDialogFileOpen)
            throw AutomationError("Dialogs", "dialog " + std::to_string(which) + " is not available");
        return std::make_shared<FileOpenDialog>(state_);
    }
    w::Ref<w::Document> ActiveDocument() override { return MakeDocument(ActiveData("ActiveDocument")); }
    w::Ref<w::Selection> Selection() override { return MakeSelection(ActiveData("Selection")); }

    int DisplayAlerts() const override { return state_->displayAlerts; }
    void SetDisplayAlerts(int alerts) override {
        state_->CheckRunning("DisplayAlerts");
        state_->displayAlerts = alerts;
    }
    bool Visible() const override { return state_->visible; }
    void SetVisible(bool visible) override {
        state_->CheckRunning("Visible");
        state_->visible = visible;
        state_->Notify();
    }
    void Activate() override {
        state_->CheckRunning("Activate");
        state_->Notify();
    }

    double CentimetersToPoints(double centimetres) const override { return centimetres * 72.0 / 2.54; }
    double LinesToPoints(double lines) const override { return lines * 12.0; }

    void Quit() override {
        if (!state_->quit) state_->Quit();
    }

private:
    std::shared_ptr<DocumentData> ActiveData(const char* member) {
        state_->CheckRunning(member);
        auto doc = state_->Active();
        if (!doc) throw AutomationError(member, "no document is open");
        return doc;
    }

    std::shared_ptr<ApplicationState> state_;
};

}  // namespace

void InstallFrontEnd(dorvane::word::Application& application, WordFrontEnd frontEnd) {
    auto* embedded = dynamic_cast<ApplicationImpl*>(&application);
    if (!embedded) throw AutomationError("InstallFrontEnd", "the application is not the embedded Word");
    embedded->State().frontEnd = std::move(frontEnd);
}

}  // namespace dorvane::embedded::word

namespace dorvane {

std::shared_ptr<word::Application> CreateWordApplication() {
    return std::make_shared<embedded::word::ApplicationImpl>();
}

}  // namespace dorvane
