#pragma once

#include <string>

#include "automation/excel/ExcelTypes.h"

namespace dorvane::excel {

class Workbooks {
public:
    virtual ~Workbooks() = default;
    virtual int Count() const = 0;
    virtual Ref<Workbook> Item(int index) = 0;  // 1-based, oldest first
    // A new workbook with one empty worksheet; it becomes active.
    virtual Ref<Workbook> Add() = 0;
    // Opens a workbook (.xlsx or .xls, told apart by the file's first
    // bytes); it becomes active and the newest item.
    virtual Ref<Workbook> Open(const std::string& fileName) = 0;
};

class Application {
public:
    virtual ~Application() = default;

    virtual Ref<excel::Workbooks> Workbooks() = 0;
    // Throw when no workbook is open.
    virtual Ref<Workbook> ActiveWorkbook() = 0;
    virtual Ref<Sheet> ActiveSheet() = 0;
    virtual Ref<excel::Sheets> Sheets() = 0;  // of the active workbook
    // The selected range of the active sheet; throws when none.
    virtual Ref<Range> Selection() = 0;

    virtual bool ScreenUpdating() const = 0;
    virtual void SetScreenUpdating(bool on) = 0;
    virtual bool DisplayAlerts() const = 0;
    virtual void SetDisplayAlerts(bool on) = 0;
    virtual bool ShowWindowsInTaskbar() const = 0;
    virtual void SetShowWindowsInTaskbar(bool on) = 0;
    virtual bool DisplayStatusBar() const = 0;
    virtual void SetDisplayStatusBar(bool on) = 0;
    virtual double MaxChange() const = 0;
    virtual void SetMaxChange(double change) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;

    // Closes every workbook without saving and ends the instance.
    virtual void Quit() = 0;
};

}  // namespace dorvane::excel
