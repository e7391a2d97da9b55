#pragma once

// The program's windows and how the user moves between them: which window
// starts, what each button shows, hides or runs, the end rules, and the
// one handler for failures that an operation does not handle itself.

#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formatting/FormatRunState.h"
#include "shell/ShellPort.h"
#include "shell/Style.h"
#include "shell/word/DocumentWindow.h"

namespace dorvane::word { class Application; }
namespace dorvane::excel { class Application; }

class QPushButton;

namespace dorvane::shell {

class Form1;
class Form3;
class Form4;
class Form5;
class Form6;
class Form600;
class Form610;
class Form620;
namespace wordwindow { class WordWindows; }
class ExcelWindows;

struct ShellOptions {
    // Creates the tool's Word instance; by default the embedded Word.
    std::function<std::shared_ptr<word::Application>()> createWord;
    // What ending the program does once the tool's windows are gone; by
    // default the process ends when no window (of the embedded office
    // either) is left.
    std::function<void()> exitProgram;
    // Shows a message box; by default a modal box with an OK button.
    ShellPort::MessageDisplay showMessage;
    // Asks for a workbook to open in the embedded Excel; empty: cancelled.
    std::function<QString()> chooseWorkbook;
    // Answers the embedded Word's file-open dialog with a document to open;
    // nothing: cancelled. By default a file dialog for .docx documents.
    std::function<std::optional<std::string>()> chooseDocument;
    // How the embedded Word's document windows ask before closing a
    // modified document and choose a Save As file (by default dialogs);
    // their messages go through showMessage unless set here.
    wordwindow::WordWindowOptions documentWindows;
    // The folder of the companion workbook; by default the program's own.
    std::filesystem::path programFolder;
    int watchInterval = 3500;       // Timer1 of the main window, ms
    int visibilityInterval = 100;   // Timer2 of the main window, ms
};

class Shell : public QObject {
    Q_OBJECT
public:
    explicit Shell(ShellOptions options = {});
    ~Shell() override;

    // Program start: shows the start window.
    void Start();

    // The windows, each loaded when first used.
    Form620& StartWindow();
    Form6& Toolbar();
    Form600& StepWindow();
    Form610& NotesWindow();
    Form5& WelcomeWindow();
    Form1& SingleTableWindow();
    Form3& LineChooser();
    // The main window, loading it first (which starts Word and shows the
    // welcome window). Throws when loading fails; the window then stays
    // unloaded.
    Form4& MainWindow();
    // nullptr while not loaded.
    Form4* LoadedMainWindow() const { return form4_.get(); }
    Form1* LoadedSingleTableWindow() const { return form1_.get(); }

    // The embedded Excel's workbook windows (created when first used).
    ExcelWindows& WorkbookWindows();

    // The embedded Word's document windows; nullptr while the main window
    // is not loaded or the tool's Word is not the embedded one.
    wordwindow::WordWindows* DocumentWindows() const { return wordWindows_.get(); }

    ShellPort& Port() { return port_; }
    bool Ended() const { return ended_; }

    // Ends the program at once: timers stop, every window of the tool goes
    // away without asking, Word and Excel keep running.
    void EndProgram();

    // Runs one reaction to the user. A failure it does not handle shows a
    // message naming it and shows again the windows the action hid; the
    // program goes on.
    void RunGuarded(const std::function<void()>& action);

    // Start window: into the Word table tool (loads the main window, or
    // brings back the welcome window or the main window).
    void OpenTableTool();
    // Start window: a workbook opened in the running embedded Excel, shown
    // in its window.
    void OpenWorkbookInExcel();
    // Main window, Label4: the companion workbook in a new invisible Excel.
    void OpenCompanionWorkbook();
    // Main window, Command8: Word's file-open dialog.
    void ShowFileOpenDialog();
    // Toolbar: hide, add up the workbooks, show again.
    void RunSummation();
    // Main window's "开   始" and the single-table window's "确 定": one
    // table run on the tool's Word.
    void RunTableFormatting();
    // Main window, Command13: the saved scheme put back into the window.
    void LoadSavedScheme();

private:
    void LoadMainWindow();
    void InstallWordFrontEnd(const std::shared_ptr<word::Application>& word);
    // Runs an operation on the active document as one undo step, and
    // shows the documents as they are afterwards (also after a failure).
    void RunWordOperation(const char* caption, const std::function<void()>& operation);
    void WireMainWindow(Form4& form);
    // The operations behind the buttons of the main and single-table
    // windows; a button whose operation is not available stays unwired.
    void WireMainWindowOperations(Form4& form);
    void WireSingleTableOperations(Form1& form);
    void ConnectGuarded(QPushButton* button, std::function<void()> action);
    // The tool's Word instance (loads the main window first).
    word::Application& Word();
    std::vector<QPointer<QWidget>> VisibleWindows() const;
    std::vector<QWidget*> LoadedWindows() const;

    ShellOptions options_;
    ShellPort port_;
    bool ended_ = false;
    // The numbers of the table run, kept from run to run.
    formatting::FormatRunState runState_;
    std::shared_ptr<excel::Application> excel_;  // the Excel the start window opened
    std::unique_ptr<Form620> form620_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form600> form600_;
    std::unique_ptr<Form610> form610_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    // After form4_: the windows go before the Word they show.
    std::unique_ptr<wordwindow::WordWindows> wordWindows_;
    std::unique_ptr<ExcelWindows> excelWindows_;
};

}  // namespace dorvane::shell
