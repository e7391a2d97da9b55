#include "shell/excel/ExcelWindows.h"

#include <QFileInfo>
#include <QTimer>
#include <algorithm>

#include "automation/AutomationError.h"
#include "platform/RunningObjectTable.h"
#include "shell/excel/WorkbookWindow.h"

namespace dorvane::shell {

namespace {

const char* const kExcelClassName = "Excel.Application";

}  // namespace

QString OpenFailureMessage(const QString& file, const std::exception& error) {
    const auto* automation = dynamic_cast<const AutomationError*>(&error);
    const QString reason = QString::fromUtf8(automation ? automation->Reason().c_str() : error.what());
    return QString::fromUtf8("无法打开工作簿“%1”：\n%2").arg(QFileInfo(file).fileName(), reason);
}

ExcelWindows::ExcelWindows(WorkbookDialogs dialogs) : dialogs_(std::move(dialogs)) { dialogs_.FillDefaults(); }

ExcelWindows::~ExcelWindows() {
    for (WorkbookWindow* window : Windows()) {
        disconnect(window, nullptr, this, nullptr);
        delete window;
    }
    windows_.clear();
    if (excel_) {
        excel_->SetChangeListener({});
        excel_->RevokeRunning();
    }
}

// The instance to open workbooks in: this set's own, or the running
// embedded Excel, or a new one.
std::shared_ptr<embedded::ExcelApplication> ExcelWindows::Instance() {
    if (excel_) return excel_;
    if (auto running = platform::RunningObjectTable::Lookup(kExcelClassName)) {
        auto application = std::static_pointer_cast<excel::Application>(running);
        if (auto embedded = std::dynamic_pointer_cast<embedded::ExcelApplication>(application)) {
            Adopt(embedded);
            return excel_;
        }
    }
    Adopt(embedded::CreateEmbeddedExcelApplication());
    return excel_;
}

void ExcelWindows::Adopt(std::shared_ptr<embedded::ExcelApplication> excel) {
    excel_ = std::move(excel);
    // Every listener set is removed again before this object goes.
    excel_->SetChangeListener([this] { ScheduleSync(); });
}

WorkbookWindow* ExcelWindows::Open(const QString& file, QWidget* parent) {
    auto excel = Instance();
    excel::Ref<excel::Workbook> workbook;
    try {
        workbook = excel->Workbooks()->Open(file.toStdString());
    } catch (const std::exception& error) {
        dialogs_.showMessage(parent, OpenFailureMessage(file, error), QString::fromUtf8("Dorvane"));
        return nullptr;
    }
    excel->SetVisible(true);
    Sync();
    WorkbookWindow* window = WindowOf(*workbook);
    if (window) {
        window->raise();
        window->activateWindow();
    }
    return window;
}

void ExcelWindows::ChooseAndOpen(QWidget* parent) {
    const QString chosen = dialogs_.chooseFileToOpen(parent);
    if (!chosen.isEmpty()) Open(chosen, parent);
}

bool ExcelWindows::Quit() {
    for (WorkbookWindow* window : Windows())
        if (!window->close()) return false;
    if (excel_) {
        auto excel = std::move(excel_);
        excel->SetChangeListener({});
        excel->Quit();
    }
    return true;
}

std::vector<WorkbookWindow*> ExcelWindows::Windows() const {
    std::vector<WorkbookWindow*> windows;
    for (const auto& window : windows_)
        if (window) windows.push_back(window);
    return windows;
}

WorkbookWindow* ExcelWindows::WindowOf(const excel::Workbook& workbook) const {
    for (WorkbookWindow* window : Windows())
        if (window->Workbook().get() == &workbook) return window;
    return nullptr;
}

// Many changes come at once (one per cell a summation writes): the windows
// follow them once, when control is back in the event loop.
void ExcelWindows::ScheduleSync() {
    if (syncPending_) return;
    syncPending_ = true;
    QTimer::singleShot(0, this, [this] {
        syncPending_ = false;
        Sync();
    });
}

std::vector<excel::Ref<excel::Workbook>> ExcelWindows::OpenWorkbooks(bool& ended) const {
    std::vector<excel::Ref<excel::Workbook>> open;
    ended = false;
    try {
        auto workbooks = excel_->Workbooks();
        for (int i = 1; i <= workbooks->Count(); ++i) open.push_back(workbooks->Item(i));
    } catch (const std::exception&) {
        ended = true;  // the instance has quit
        open.clear();
    }
    return open;
}

void ExcelWindows::Sync() {
    if (!excel_) return;
    bool ended = false;
    if (!excel_->ScreenUpdating()) return;  // an operation is running; it switches it back on
    const auto open = OpenWorkbooks(ended);
    for (WorkbookWindow* window : Windows()) {
        const bool stillOpen = std::any_of(open.begin(), open.end(),
                                           [&](const auto& workbook) { return workbook == window->Workbook(); });
        if (!stillOpen) window->CloseWithoutAsking();
    }
    for (const auto& workbook : open) {
        if (WorkbookWindow* window = WindowOf(*workbook)) window->Refresh();
        else ShowWindowFor(workbook);
    }
    if (ended) {
        excel_->SetChangeListener({});
        excel_.reset();
        lastActive_ = nullptr;
        return;
    }
    RaiseActiveWindow();
    UpdateRegistration();
}

WorkbookWindow* ExcelWindows::ShowWindowFor(excel::Ref<excel::Workbook> workbook) {
    auto* window = new WorkbookWindow(*this, std::move(workbook));
    connect(window, &WorkbookWindow::closed, this, &ExcelWindows::WindowClosed);
    windows_.emplace_back(window);
    window->show();
    return window;
}

void ExcelWindows::WindowClosed(WorkbookWindow* window) {
    std::erase_if(windows_, [window](const auto& held) { return !held || held == window; });
    if (window->Workbook().get() == lastActive_) lastActive_ = nullptr;
    UpdateRegistration();
}

// The running instance is the one whose windows the user sees.
void ExcelWindows::UpdateRegistration() {
    if (!excel_) return;
    if (Windows().empty()) {
        excel_->RevokeRunning();
        return;
    }
    try {
        excel_->RegisterAsRunning();
    } catch (const std::exception&) {
        // The instance has quit; the next sync lets it go.
    }
}

// A workbook that became active (opened, or brought forward by an
// operation) brings its window to the front.
void ExcelWindows::RaiseActiveWindow() {
    excel::Ref<excel::Workbook> active;
    try {
        active = excel_->ActiveWorkbook();
    } catch (const std::exception&) {
        return;
    }
    if (active.get() == lastActive_) return;
    lastActive_ = active.get();
    if (WorkbookWindow* window = WindowOf(*active)) {
        window->raise();
        window->activateWindow();
    }
}

}  // namespace dorvane::shell
