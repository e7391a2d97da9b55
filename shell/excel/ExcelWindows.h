#pragma once

// The visible embedded Excel: one window per open workbook. While a window
// is open the instance is registered as the running "Excel.Application",
// so the summation finds it; the registration goes with the last window.
// The windows follow every change of the instance (a workbook opened or
// closed by an operation, cells written, a selection set) once control
// returns to the event loop, and not while screen updating is off.

#include <QObject>
#include <QPointer>
#include <QString>
#include <exception>
#include <memory>
#include <vector>

#include "automation/embedded/excel/EmbeddedExcel.h"
#include "shell/excel/WorkbookDialogs.h"

class QWidget;

namespace dorvane::shell {

class WorkbookWindow;

class ExcelWindows : public QObject {
    Q_OBJECT
public:
    explicit ExcelWindows(WorkbookDialogs dialogs = {});
    // The windows go without asking; the instance stops being the running one.
    ~ExcelWindows() override;

    WorkbookDialogs& Dialogs() { return dialogs_; }

    // Opens a workbook in the instance (the running embedded Excel, or a
    // new one) and shows its window. A file that cannot be read is named
    // in a message with the reason, and nothing else changes; nullptr then.
    WorkbookWindow* Open(const QString& file, QWidget* parent = nullptr);
    // Asks for a workbook and opens it.
    void ChooseAndOpen(QWidget* parent);
    // Closes every window, asking for each modified workbook, then ends the
    // instance. False when the user kept a workbook open.
    bool Quit();

    // The instance the windows show; nullptr before the first Open and
    // after Quit.
    std::shared_ptr<embedded::ExcelApplication> Application() const { return excel_; }
    std::vector<WorkbookWindow*> Windows() const;
    WorkbookWindow* WindowOf(const excel::Workbook& workbook) const;
    // Brings the windows in line with the instance now: a window for every
    // open workbook, none for a closed one, each showing what it holds.
    void Sync();

private:
    std::shared_ptr<embedded::ExcelApplication> Instance();
    void Adopt(std::shared_ptr<embedded::ExcelApplication> excel);
    void ScheduleSync();
    std::vector<excel::Ref<excel::Workbook>> OpenWorkbooks(bool& ended) const;
    WorkbookWindow* ShowWindowFor(excel::Ref<excel::Workbook> workbook);
    void WindowClosed(WorkbookWindow* window);
    void UpdateRegistration();
    void RaiseActiveWindow();

    WorkbookDialogs dialogs_;
    std::shared_ptr<embedded::ExcelApplication> excel_;
    std::vector<QPointer<WorkbookWindow>> windows_;
    const excel::Workbook* lastActive_ = nullptr;
    bool syncPending_ = false;
};

// The message for a workbook that could not be opened.
QString OpenFailureMessage(const QString& file, const std::exception& error);

}  // namespace dorvane::shell
