#include "shell/word/DocumentWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

#include "automation/AutomationError.h"
#include "automation/embedded/word/EmbeddedWord.h"
#include "automation/word/Word.h"
#include "shell/word/DocumentPreview.h"
#include "shell/word/PreviewBuilder.h"

namespace dorvane::shell::wordwindow {

namespace ew = embedded::word;

namespace {

QString SaveFailure(const QString& name, const std::exception& error) {
    return QString::fromUtf8("无法保存“%1”。\n%2").arg(name, QString::fromUtf8(error.what()));
}

}  // namespace

DocumentWindow::DocumentWindow(std::shared_ptr<dorvane::word::Application> word,
                               dorvane::word::Ref<dorvane::word::Document> document,
                               const WordWindowOptions& options)
    : word_(std::move(word)), document_(std::move(document)), options_(options) {
    setAttribute(Qt::WA_DeleteOnClose);
    preview_ = new DocumentPreview(this);
    setCentralWidget(preview_);
    connect(preview_, &DocumentPreview::selectionMoved, this, &DocumentWindow::SelectInWord);
    BuildMenus();
    // An A4 page between its margins, and room for the scroll bar.
    resize(static_cast<int>(PointsToPixels(415 + 72)) + 40, 900);
    RefreshTitle();
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("文件(&F)"));
    OpenAction = file->addAction(QString::fromUtf8("打开(&O)..."), this, &DocumentWindow::openRequested);
    OpenAction->setShortcut(QKeySequence::Open);
    SaveAction = file->addAction(QString::fromUtf8("保存(&S)"), this, [this] { Save(); });
    SaveAction->setShortcut(QKeySequence::Save);
    SaveAsAction = file->addAction(QString::fromUtf8("另存为(&A)..."), this, [this] { SaveAs(); });
    CloseAction = file->addAction(QString::fromUtf8("关闭(&C)"), this, &QWidget::close);
    CloseAction->setShortcut(QKeySequence::Close);
    file->addSeparator();
    QuitAction = file->addAction(QString::fromUtf8("退出(&X)"), this, &DocumentWindow::quitRequested);
    QuitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* edit = menuBar()->addMenu(QString::fromUtf8("编辑(&E)"));
    UndoAction = edit->addAction(QString::fromUtf8("撤消(&U)"), this, &DocumentWindow::UndoLastStep);
    UndoAction->setShortcut(QKeySequence::Undo);
    SelectTableAction = edit->addAction(QString::fromUtf8("选定表格(&T)"), this,
                                        [this] { preview_->SelectTableAtCaret(); });
}

QString DocumentWindow::DocumentName() const { return QString::fromStdString(document_->Name()); }

void DocumentWindow::Refresh() {
    try {
        preview_->Show(ew::ViewDocument(*document_));
        if (IsActiveDocument()) {
            auto selection = word_->Selection();
            preview_->ShowSelection({selection->Start(), selection->End()});
        }
    } catch (const AutomationError&) {
        // A closed document: the window goes with the next look at the
        // documents.
    }
    RefreshTitle();
}

void DocumentWindow::FitPageWidth() {
    const int page = static_cast<int>(preview_->document()->size().width());
    const int needed = page + preview_->verticalScrollBar()->sizeHint().width() + 2 * preview_->frameWidth();
    int wanted = std::max(width(), needed);
    if (const QScreen* screen = this->screen()) wanted = std::min(wanted, screen->availableGeometry().width());
    if (wanted > width()) resize(wanted, height());
}

void DocumentWindow::RefreshTitle() {
    setWindowTitle(DocumentName() + QStringLiteral("[*]"));
    setWindowModified(!document_->Saved());
    std::optional<std::string> caption;
    try {
        caption = ew::UndoCaption(*document_);
    } catch (const AutomationError&) {
    }
    UndoAction->setEnabled(caption.has_value());
    UndoAction->setText(caption ? QString::fromUtf8("撤消 %1(&U)").arg(QString::fromStdString(*caption))
                                : QString::fromUtf8("撤消(&U)"));
}

bool DocumentWindow::ConfirmClose() {
    if (discarded_ || document_->Saved()) return true;
    switch (options_.askToSave(DocumentName())) {
        case SaveAnswer::Save: return Save();
        case SaveAnswer::Discard: return true;
        case SaveAnswer::Cancel: return false;
    }
    return false;
}

void DocumentWindow::Discard() {
    discarded_ = true;
    close();
}

void DocumentWindow::CloseDocument() {
    discarded_ = true;
    try {
        document_->Close();
    } catch (const AutomationError&) {
        // Already closed.
    }
    close();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (discarded_) {
        event->accept();
        return;
    }
    if (!ConfirmClose()) {
        event->ignore();
        return;
    }
    discarded_ = true;
    try {
        document_->Close();
    } catch (const AutomationError&) {
    }
    event->accept();
}

void DocumentWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !discarded_) ActivateDocument();
}

bool DocumentWindow::Save() {
    try {
        document_->Save();
    } catch (const std::exception& error) {
        options_.showMessage(SaveFailure(DocumentName(), error));
        return false;
    }
    RefreshTitle();
    return true;
}

bool DocumentWindow::SaveAs() {
    QString file = options_.chooseSaveAsFile(QString::fromStdString(document_->FullName()));
    if (file.isEmpty()) return false;
    if (!file.endsWith(QStringLiteral(".docx"), Qt::CaseInsensitive)) file += QStringLiteral(".docx");
    try {
        document_->SaveAs(file.toStdString());
    } catch (const std::exception& error) {
        options_.showMessage(SaveFailure(QFileInfo(file).fileName(), error));
        return false;
    }
    RefreshTitle();
    return true;
}

void DocumentWindow::UndoLastStep() {
    try {
        if (ew::Undo(*document_)) Refresh();
    } catch (const AutomationError& error) {
        options_.showMessage(QString::fromUtf8(error.what()));
    }
    RefreshTitle();
}

void DocumentWindow::SelectInWord(long start, long end) {
    try {
        ActivateDocument();
        document_->Range(start, end)->Select();
    } catch (const AutomationError&) {
        // A closed document selects nothing.
    }
}

bool DocumentWindow::IsActiveDocument() const {
    try {
        auto active = word_->ActiveDocument();
        return ew::SameDocument(*active, *document_);
    } catch (const AutomationError&) {
        return false;
    }
}

void DocumentWindow::ActivateDocument() {
    if (IsActiveDocument()) return;
    try {
        document_->Activate();
    } catch (const AutomationError&) {
    }
}

}  // namespace dorvane::shell::wordwindow
