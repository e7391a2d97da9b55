#include "shell/word/WordWindows.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "automation/AutomationError.h"
#include "automation/word/Word.h"

namespace dorvane::shell::wordwindow {

namespace ew = embedded::word;

namespace {

SaveAnswer AskToSaveWithBox(const QString& name) {
    auto answer = QMessageBox::question(nullptr, QString::fromUtf8("Word"),
                                        QString::fromUtf8("是否将更改保存到“%1”中？").arg(name),
                                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                        QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveAnswer::Save;
    if (answer == QMessageBox::Discard) return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

QString ChooseSaveAsWithDialog(const QString& current) {
    return QFileDialog::getSaveFileName(nullptr, QString::fromUtf8("另存为"), current,
                                        QString::fromUtf8("Word 文档 (*.docx)"));
}

void ShowMessageWithBox(const QString& text) {
    QMessageBox::warning(nullptr, QString::fromUtf8("Word"), text);
}

WordWindowOptions WithDefaults(WordWindowOptions options) {
    if (!options.askToSave) options.askToSave = &AskToSaveWithBox;
    if (!options.chooseSaveAsFile) options.chooseSaveAsFile = &ChooseSaveAsWithDialog;
    if (!options.showMessage) options.showMessage = &ShowMessageWithBox;
    return options;
}

}  // namespace

WordWindows::WordWindows(std::shared_ptr<dorvane::word::Application> word,
                         std::function<std::optional<std::string>()> chooseFile, WordWindowOptions options)
    : word_(std::move(word)), chooseFile_(std::move(chooseFile)), options_(WithDefaults(std::move(options))) {
    ew::WordFrontEnd frontEnd;
    frontEnd.chooseFileToOpen = [this]() -> std::optional<std::string> {
        std::optional<std::string> chosen = chooseFile_ ? chooseFile_() : std::nullopt;
        lastChosen_ = chosen.value_or(std::string());
        return chosen;
    };
    frontEnd.changed = [this] { ScheduleSync(); };
    ew::InstallFrontEnd(*word_, std::move(frontEnd));
}

WordWindows::~WordWindows() {
    // The application may outlive its windows: it must not call back.
    try {
        ew::InstallFrontEnd(*word_, {});
    } catch (const AutomationError&) {
    }
    for (const QPointer<DocumentWindow>& window : windows_)
        if (window) delete window.data();
}

void WordWindows::ScheduleSync() {
    if (syncPending_) return;
    syncPending_ = true;
    QTimer::singleShot(0, this, [this] { Sync(); });
}

void WordWindows::Sync() {
    syncPending_ = false;
    std::vector<dorvane::word::Ref<dorvane::word::Document>> documents;
    try {
        auto all = word_->Documents();
        for (int i = 1, count = all->Count(); i <= count; ++i) documents.push_back(all->Item(i));
    } catch (const AutomationError&) {
        DiscardAll();  // the application has quit
        return;
    }
    auto isOpen = [&](dorvane::word::Document& document) {
        return std::any_of(documents.begin(), documents.end(),
                           [&](const auto& open) { return ew::SameDocument(*open, document); });
    };
    for (DocumentWindow* window : Windows())
        if (!isOpen(window->Document())) window->Discard();
    if (!word_->Visible()) return;
    for (const auto& document : documents) {
        if (DocumentWindow* window = WindowOf(*document))
            window->RefreshTitle();
        else
            OpenWindow(document);
    }
}

DocumentWindow* WordWindows::OpenWindow(dorvane::word::Ref<dorvane::word::Document> document) {
    auto* window = new DocumentWindow(word_, std::move(document), options_);
    connect(window, &DocumentWindow::openRequested, this, &WordWindows::ShowOpenDialog);
    connect(window, &DocumentWindow::quitRequested, this, &WordWindows::Quit);
    windows_.emplace_back(window);
    window->Refresh();
    window->FitPageWidth();
    window->show();
    return window;
}

void WordWindows::RefreshAll() {
    for (DocumentWindow* window : Windows()) window->Refresh();
}

void WordWindows::ShowOpenDialog() {
    lastChosen_.clear();
    try {
        word_->Dialogs(dorvane::word::wdDialogFileOpen)->Show();
    } catch (const AutomationError& error) {
        options_.showMessage(QString::fromUtf8("无法打开“%1”。\n%2")
                                 .arg(QFileInfo(QString::fromStdString(lastChosen_)).fileName(),
                                      QString::fromStdString(error.Reason())));
    }
    Sync();
}

bool WordWindows::Quit() {
    for (DocumentWindow* window : Windows())
        if (!window->ConfirmClose()) return false;
    try {
        word_->Quit();
    } catch (const AutomationError&) {
    }
    Sync();
    return true;
}

void WordWindows::CloseUnmodified() {
    for (DocumentWindow* window : Windows())
        if (window->Document().Saved()) window->CloseDocument();
}

void WordWindows::DiscardAll() {
    for (DocumentWindow* window : Windows()) window->Discard();
}

std::vector<DocumentWindow*> WordWindows::Windows() const {
    std::vector<DocumentWindow*> open;
    for (const QPointer<DocumentWindow>& window : windows_)
        if (window && window->isVisible()) open.push_back(window.data());
    return open;
}

DocumentWindow* WordWindows::WindowOf(dorvane::word::Document& document) const {
    for (DocumentWindow* window : Windows())
        if (ew::SameDocument(window->Document(), document)) return window;
    return nullptr;
}

}  // namespace dorvane::shell::wordwindow
