#include "shell/Shell.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "automation/Instances.h"
#include "automation/word/Application.h"
#include "formatting/FormatTables.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"
#include "shell/Form4Controls.h"
#include "shell/Form5.h"
#include "shell/Form620.h"
#include "shell/word/WordWindows.h"
#include "shell/excel/ExcelWindows.h"
#include "summary/windows/Form6.h"
#include "summary/windows/Form600.h"
#include "summary/windows/Form610.h"

namespace dorvane::shell {
namespace {

const char* const kWordClosedMessage = "与本程序一同启动的word主程序被关闭，本程序将退出。";

// The process ends once no window is left: the tool's windows are gone,
// but a document or workbook window of the embedded office keeps it alive
// until the user closes it.
void ExitWhenNoWindowIsLeft() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) {
            QApplication::setQuitOnLastWindowClosed(true);
            return;
        }
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

template <class Window>
Window& Load(std::unique_ptr<Window>& window) {
    if (!window) window = std::make_unique<Window>();
    return *window;
}

}  // namespace

Shell::Shell(ShellOptions options)
    : options_(std::move(options)),
      port_([this]() -> QWidget* { return LoadedMainWindow(); },
            [this]() -> QWidget* { return LoadedSingleTableWindow(); }) {
    if (!options_.createWord) options_.createWord = &CreateWordApplication;
    if (!options_.exitProgram) options_.exitProgram = &ExitWhenNoWindowIsLeft;
    if (options_.showMessage) port_.SetMessageDisplay(options_.showMessage);
    // Hiding every window (the toolbar during a summation, the welcome
    // window before a document is open) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

Shell::~Shell() = default;

void Shell::Start() { StartWindow().show(); }

Form620& Shell::StartWindow() {
    if (form620_) return *form620_;
    Form620& form = Load(form620_);
    connect(form.Command1, &QPushButton::clicked, this, [this] {
        RunGuarded([this] {
            Toolbar().show();
            StartWindow().hide();
        });
    });
    connect(form.Command2, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { OpenTableTool(); }); });
    connect(form.Command3, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { StepWindow().show(); }); });
    connect(form.Command4, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { OpenWorkbookInExcel(); }); });
    connect(&form, &Form620::closeRequested, this, &Shell::EndProgram);
    return form;
}

Form6& Shell::Toolbar() {
    if (form6_) return *form6_;
    Form6& form = Load(form6_);
    connect(form.Picture1, &ToolbarPicture::clicked, this,
            [this] { RunGuarded([this] { RunSummation(); }); });
    connect(form.Image1, &ToolbarPicture::clicked, this, [this] {
        RunGuarded([this] {
            Toolbar().hide();
            StartWindow().show();
        });
    });
    return form;
}

Form600& Shell::StepWindow() {
    if (form600_) return *form600_;
    Form600& form = Load(form600_);
    for (QPushButton* button : {form.Command1, form.Command2, form.Command3})
        connect(button, &QPushButton::clicked, this, [this] {
            RunGuarded([this] { port_.ShowMessage(Form600::StepsNotReadyMessage().toStdString()); });
        });
    for (QPushButton* button : {form.Command4, form.Command5})
        connect(button, &QPushButton::clicked, this, [this] {
            RunGuarded([this] {
                StepWindow().hide();
                Toolbar().show();
            });
        });
    connect(form.Command6, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { NotesWindow().show(); }); });
    return form;
}

Form610& Shell::NotesWindow() { return Load(form610_); }

Form5& Shell::WelcomeWindow() {
    if (form5_) return *form5_;
    Form5& form = Load(form5_);
    connect(form.Command1, &QPushButton::clicked, this, [this] {
        RunGuarded([this] {
            WelcomeWindow().hide();
            ShowFileOpenDialog();
        });
    });
    connect(form.Command2, &QPushButton::clicked, this, &Shell::EndProgram);
    return form;
}

Form1& Shell::SingleTableWindow() {
    if (form1_) return *form1_;
    Form1& form = Load(form1_);
    connect(form.Command2, &QPushButton::clicked, this, [this] {
        RunGuarded([this] {
            SingleTableWindow().hide();
            MainWindow().show();
        });
    });
    connect(&form, &Form1::closeRequested, this, &Shell::EndProgram);
    WireSingleTableOperations(form);
    return form;
}

Form3& Shell::LineChooser() {
    if (form3_) return *form3_;
    Form3& form = Load(form3_);
    connect(&form, &Form3::picked, this, [this](const formatting::LinePick* pick) {
        RunGuarded([this, pick] { MainWindow().ApplyLinePick(*pick); });
    });
    return form;
}

Form4& Shell::MainWindow() {
    if (!form4_) LoadMainWindow();
    return *form4_;
}

void Shell::LoadMainWindow() {
    auto form = std::make_unique<Form4>();
    form->SetWidthTwips(Form4::kNarrowWidth);
    form->WordApp = options_.createWord();
    if (!form->WordApp) throw std::runtime_error("Word.application: no Word instance was created");
    InstallWordFrontEnd(form->WordApp);
    form->WordApp->SetVisible(true);
    try {
        form->WordApp->Activate();
        Form5& welcome = WelcomeWindow();
        welcome.show();
        welcome.CentreOnScreen();
    } catch (const std::exception&) {
        port_.ShowMessage(kWordClosedMessage);
    }
    form->InitialiseSettings();
    form4_ = std::move(form);
    WireMainWindow(*form4_);
    form4_->StartTimers(options_.watchInterval, options_.visibilityInterval);
}

void Shell::WireMainWindow(Form4& form) {
    connect(&form, &Form4::closeRequested, this, &Shell::EndProgram);
    connect(&form, &Form4::wordLost, this, &Shell::EndProgram);
    connect(&form, &Form4::lineChooserRequested, this,
            [this] { RunGuarded([this] { LineChooser().show(); }); });
    connect(form.Command5, &QPushButton::clicked, this, [this] {
        RunGuarded([this] {
            MainWindow().hide();
            SingleTableWindow().show();
        });
    });
    connect(form.Command8, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowFileOpenDialog(); }); });
    connect(form.Label4, &ClickableLabel::clicked, this,
            [this] { RunGuarded([this] { OpenCompanionWorkbook(); }); });
    WireMainWindowOperations(form);
}

void Shell::OpenTableTool() {
    if (!form4_) {
        LoadMainWindow();
        return;
    }
    // Once a document is open the tool's way in is its main window; before
    // that, the welcome window with its button to open one.
    if (form4_->isVisible() || form4_->DocumentSeen) {
        form4_->show();
        form4_->raise();
        form4_->activateWindow();
    } else {
        WelcomeWindow().show();
    }
}

void Shell::EndProgram() {
    if (ended_) return;
    ended_ = true;
    if (form4_) form4_->StopTimers();
    for (QWidget* window : LoadedWindows()) window->hide();
    // Nothing is lost: a modified document keeps its window.
    if (wordWindows_) wordWindows_->CloseUnmodified();
    options_.exitProgram();
}

void Shell::RunGuarded(const std::function<void()>& action) {
    if (ended_) return;
    const std::vector<QPointer<QWidget>> visibleBefore = VisibleWindows();
    QString failure;
    try {
        action();
        return;
    } catch (const std::exception& error) {
        failure = QString::fromStdString(formatting::FailureMessage(error));
    } catch (...) {
        failure = QString::fromUtf8("运行出错：未知的错误");
    }
    if (ended_) return;
    port_.ShowMessage(failure.toStdString());
    for (const QPointer<QWidget>& window : visibleBefore)
        if (window && !window->isVisible()) window->show();
}

std::vector<QWidget*> Shell::LoadedWindows() const {
    std::vector<QWidget*> windows;
    for (QWidget* window :
         std::initializer_list<QWidget*>{form620_.get(), form6_.get(), form600_.get(),
                                         form610_.get(), form5_.get(), form1_.get(),
                                         form3_.get(), form4_.get()})
        if (window) windows.push_back(window);
    return windows;
}

std::vector<QPointer<QWidget>> Shell::VisibleWindows() const {
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* window : LoadedWindows())
        if (window->isVisible()) windows.emplace_back(window);
    return windows;
}

}  // namespace dorvane::shell
