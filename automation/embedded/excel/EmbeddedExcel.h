#pragma once

// The embedded Excel beyond the abstract object model: registering a
// visible instance as the running "Excel.Application", and what a sheet
// grid window reads and sets.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/excel/Excel.h"
#include "automation/embedded/excel/CellAddress.h"

namespace dorvane::embedded {

class ExcelApplication : public dorvane::excel::Application {
public:
    // Registers this instance in the running-object table under
    // "Excel.Application" (as a std::shared_ptr<excel::Application>), so
    // that GetRunningExcelApplication finds it; a visible instance does so
    // while its window is open. Registering twice is harmless.
    virtual void RegisterAsRunning() = 0;
    // Removes the registration (also done by Quit).
    virtual void RevokeRunning() = 0;
    virtual bool RegisteredAsRunning() const = 0;
    // Called after every change that a window of this instance shows: a
    // workbook opened, closed or activated, cells written or cleared, a
    // selection or active sheet set, a workbook saved under its name or
    // another, screen updating switched, the instance quit. It is called
    // synchronously and often (once per cell written), so a window only
    // notes it and redraws later. One listener; an empty one removes it.
    virtual void SetChangeListener(std::function<void()> listener) = 0;
};

// A new, invisible embedded Excel instance.
std::shared_ptr<ExcelApplication> CreateEmbeddedExcelApplication();

// For a sheet grid window; each throws AutomationError for a sheet or
// workbook of another implementation, or one that has been closed.
namespace grid {

using excel::CellArea;

std::vector<std::string> SheetNames(dorvane::excel::Workbook& workbook);
// The workbook's active sheet, whether or not the workbook is the active one.
dorvane::excel::Ref<dorvane::excel::Sheet> ActiveSheet(dorvane::excel::Workbook& workbook);
dorvane::excel::CellValue Value(dorvane::excel::Sheet& sheet, int row, int column);
// The value as its number format displays it.
std::string DisplayText(dorvane::excel::Sheet& sheet, int row, int column);
// The cells present; nothing for an empty sheet.
std::vector<CellArea> UsedArea(dorvane::excel::Sheet& sheet);
std::vector<CellArea> Selection(dorvane::excel::Sheet& sheet);
// Sets the sheet's selection (areas inside the sheet, at least one).
void SetSelection(dorvane::excel::Sheet& sheet, const std::vector<CellArea>& areas);
// Column width in points.
double ColumnWidth(dorvane::excel::Sheet& sheet, int column);
// The merged areas of more than one cell.
std::vector<CellArea> MergedAreas(dorvane::excel::Sheet& sheet);

}  // namespace grid

}  // namespace dorvane::embedded
