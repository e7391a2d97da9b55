// The operations the windows start, each run inside the shell's failure
// handler by the button that starts it.

#include <QCoreApplication>
#include <QFileDialog>
#include <QPushButton>

#include "automation/AutomationError.h"
#include "automation/Instances.h"
#include "automation/embedded/word/EmbeddedWord.h"
#include "automation/excel/Application.h"
#include "automation/excel/Workbook.h"
#include "automation/word/Application.h"
#include "automation/word/Document.h"
#include "formatting/FormatTables.h"
#include "schemes/LoadScheme.h"
#include "schemes/SaveScheme.h"
#include "shell/Form1.h"
#include "shell/Form4.h"
#include "shell/Shell.h"
#include "shell/word/WordWindows.h"
#include "shell/excel/ExcelWindows.h"
#include "summary/Summation.h"
#include "summary/windows/Form6.h"
#include "utilities/ConvertEmbeddedSheets.h"
#include "utilities/FormatBodyText.h"
#include "utilities/RemoveEmptyRows.h"
#include "utilities/RemoveSectionBreaks.h"
#include "utilities/UnlinkFields.h"

namespace dorvane::shell {
namespace {

// Word's built-in file-open dialog.
constexpr int wdDialogFileOpen = 80;

const char* const kCompanionWorkbook = "2Ostrilo2012dll.xls";

std::filesystem::path ProgramFolder(const std::filesystem::path& configured) {
    if (!configured.empty()) return configured;
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

std::optional<std::string> ChooseDocumentWithDialog() {
    const QString chosen = QFileDialog::getOpenFileName(
        nullptr, QString::fromUtf8("打开"), QString(), QString::fromUtf8("Word 文档 (*.docx)"));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

QString ChooseWorkbookWithDialog() {
    return QFileDialog::getOpenFileName(nullptr, QString::fromUtf8("打开工作簿"), QString(),
                                        QString::fromUtf8("Excel 工作簿 (*.xlsx *.xls)"));
}

}  // namespace

void Shell::ShowFileOpenDialog() {
    Form4& main = MainWindow();
    if (wordWindows_)
        wordWindows_->ShowOpenDialog();
    else
        main.WordApp->Dialogs(wdDialogFileOpen)->Show();
}

void Shell::OpenCompanionWorkbook() {
    const std::filesystem::path file = ProgramFolder(options_.programFolder) / kCompanionWorkbook;
    std::shared_ptr<excel::Application> excel = CreateExcelApplication();
    if (!excel) throw std::runtime_error("excel.application: no Excel instance was created");
    excel->Workbooks()->Open(file.string());
}

void Shell::OpenWorkbookInExcel() {
    const QString chosen =
        options_.chooseWorkbook ? options_.chooseWorkbook() : ChooseWorkbookWithDialog();
    if (chosen.isEmpty()) return;
    WorkbookWindows().Open(chosen);
    excel_ = WorkbookWindows().Application();
}

ExcelWindows& Shell::WorkbookWindows() {
    if (!excelWindows_) {
        WorkbookDialogs dialogs;
        dialogs.showMessage = [this](QWidget*, const QString& text, const QString& title) {
            port_.ShowMessage(text.toStdString(), title.toStdString());
        };
        excelWindows_ = std::make_unique<ExcelWindows>(std::move(dialogs));
    }
    return *excelWindows_;
}

void Shell::InstallWordFrontEnd(const std::shared_ptr<word::Application>& word) {
    auto chooser = options_.chooseDocument ? options_.chooseDocument : &ChooseDocumentWithDialog;
    wordwindow::WordWindowOptions windows = options_.documentWindows;
    if (!windows.showMessage)
        windows.showMessage = [this](const QString& text) { port_.ShowMessage(text.toStdString()); };
    try {
        wordWindows_ = std::make_unique<wordwindow::WordWindows>(word, chooser, std::move(windows));
    } catch (const AutomationError&) {
        // Another Word than the embedded one brings its own windows and
        // dialogs.
    }
}

void Shell::RunWordOperation(const char* caption, const std::function<void()>& operation) {
    std::shared_ptr<word::Document> document;
    try {
        document = Word().ActiveDocument();
        embedded::word::BeginUndoStep(*document, caption);
    } catch (const AutomationError&) {
        // No document open, or a Word that keeps its own undo history: the
        // operation itself says what is wrong.
        document.reset();
    }
    // Afterwards, also after a failure: a step that changed nothing is not
    // offered for undo, and the windows show the documents as they are.
    auto after = [this, &document] {
        try {
            if (document) embedded::word::EndUndoStep(*document);
        } catch (const AutomationError&) {
            // The operation closed the document.
        }
        if (wordWindows_) wordWindows_->RefreshAll();
    };
    try {
        operation();
    } catch (...) {
        after();
        throw;
    }
    after();
}

void Shell::RunSummation() {
    Toolbar().hide();
    summary::SumWorkbooks(port_);
    Toolbar().show();
}

void Shell::RunTableFormatting() {
    RunWordOperation("表格排版", [this] {
        Form4& main = MainWindow();
        formatting::FormatTables(Word(), main.Settings(), runState_, port_);
    });
}

void Shell::LoadSavedScheme() {
    Form4& main = MainWindow();
    formatting::FormatSettings settings = main.Settings();
    try {
        schemes::LoadScheme(settings, port_);
    } catch (...) {
        // The rows read before the failure stay applied.
        main.ApplySettings(settings);
        throw;
    }
    main.ApplySettings(settings);
}

word::Application& Shell::Word() {
    Form4& main = MainWindow();
    if (!main.WordApp) throw std::runtime_error("Word.application: no Word instance");
    return *main.WordApp;
}

void Shell::ConnectGuarded(QPushButton* button, std::function<void()> action) {
    connect(button, &QPushButton::clicked, this,
            [this, action = std::move(action)] { RunGuarded(action); });
}

void Shell::WireMainWindowOperations(Form4& form) {
    ConnectGuarded(form.Command1, [this] { RunTableFormatting(); });
    ConnectGuarded(form.Command3, [this] {
        RunWordOperation("转换内嵌Excel表格", [this] { utilities::ConvertEmbeddedSheetsPress(Word(), port_); });
    });
    ConnectGuarded(form.Command9, [this] {
        RunWordOperation("删除表格空行", [this] { utilities::RemoveEmptyRows(Word(), port_); });
    });
    ConnectGuarded(form.Command10, [this] {
        RunWordOperation("表外文字排版", [this] {
            utilities::FormatBodyText(Word(), MainWindow().Settings(), port_);
        });
    });
    ConnectGuarded(form.Command11, [this] {
        RunWordOperation("删除外部链接", [this] { utilities::UnlinkFields(Word(), port_); });
    });
    ConnectGuarded(form.Command14, [this] {
        RunWordOperation("删除分节符", [this] { utilities::RemoveSectionBreaks(Word()); });
    });
    ConnectGuarded(form.Command12,
                   [this] { schemes::SaveScheme(MainWindow().Settings(), port_); });
    ConnectGuarded(form.Command13, [this] { LoadSavedScheme(); });
}

void Shell::WireSingleTableOperations(Form1& form) {
    ConnectGuarded(form.Command1, [this] { RunTableFormatting(); });
}

}  // namespace dorvane::shell
