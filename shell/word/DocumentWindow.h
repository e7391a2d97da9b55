#pragma once

// The embedded Word's window of one open document: its preview, titled
// with the file name and a mark while modified, with the menu of Word's
// own commands (open, save, save as, close, quit, undo, select table).
// Closing a modified document asks whether to save it first.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "automation/word/WordTypes.h"

class QAction;

namespace dorvane::shell::wordwindow {

class DocumentPreview;

enum class SaveAnswer { Save, Discard, Cancel };

// How the document windows talk to the user; each has a default (a dialog
// or a message box) and tests replace them.
struct WordWindowOptions {
    // Before a modified document closes: save it, drop the changes, or
    // keep the document open.
    std::function<SaveAnswer(const QString& documentName)> askToSave;
    // The file of Save As; empty when cancelled.
    std::function<QString(const QString& currentFile)> chooseSaveAsFile;
    // A failure to open or save a document.
    std::function<void(const QString& text)> showMessage;
};

class DocumentWindow : public QMainWindow {
    Q_OBJECT
public:
    DocumentWindow(std::shared_ptr<dorvane::word::Application> word,
                   dorvane::word::Ref<dorvane::word::Document> document, const WordWindowOptions& options);
    ~DocumentWindow() override;

    dorvane::word::Document& Document() const { return *document_; }
    DocumentPreview* Preview() const { return preview_; }

    // Builds the preview again and shows Word's selection in it.
    void Refresh();
    // Title, modified mark and the undo command.
    void RefreshTitle();
    // Widens the window so that the preview's page fits beside the scroll
    // bar (within the screen); never narrows it.
    void FitPageWidth();
    // Asks to save a modified document; false when the user keeps it open
    // (or saving failed).
    bool ConfirmClose();
    // Closes the window without asking: its document has gone.
    void Discard();
    // Closes the document and the window without asking (an unmodified
    // document at the end of the tool).
    void CloseDocument();

    QAction* OpenAction = nullptr;
    QAction* SaveAction = nullptr;
    QAction* SaveAsAction = nullptr;
    QAction* CloseAction = nullptr;
    QAction* QuitAction = nullptr;
    QAction* UndoAction = nullptr;
    QAction* SelectTableAction = nullptr;

signals:
    void openRequested();
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    bool Save();
    bool SaveAs();
    void UndoLastStep();
    void SelectInWord(long start, long end);
    bool IsActiveDocument() const;
    void ActivateDocument();
    QString DocumentName() const;

    std::shared_ptr<dorvane::word::Application> word_;
    dorvane::word::Ref<dorvane::word::Document> document_;
    const WordWindowOptions& options_;
    DocumentPreview* preview_ = nullptr;
    bool discarded_ = false;
};

}  // namespace dorvane::shell::wordwindow
