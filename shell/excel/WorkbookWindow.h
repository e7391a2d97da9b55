#pragma once

// The window of one workbook of the embedded Excel: its sheet grid, its
// sheet tabs, a status line with the selection's address, and the File
// menu (Open, Save, Save As, Close, Quit). The title names the workbook
// and marks it while it has unsaved changes. Closing the window closes the
// workbook, asking first whether to save a modified one.

#include <QMainWindow>
#include <string>
#include <vector>

#include "automation/excel/Excel.h"

class QAction;
class QLabel;
class QTabBar;

namespace dorvane::shell {

class ExcelWindows;
class SheetGrid;

class WorkbookWindow : public QMainWindow {
    Q_OBJECT
public:
    WorkbookWindow(ExcelWindows& owner, excel::Ref<excel::Workbook> workbook);

    const excel::Ref<excel::Workbook>& Workbook() const { return workbook_; }
    SheetGrid* Grid = nullptr;
    QTabBar* SheetTabs = nullptr;
    QLabel* SelectionLabel = nullptr;
    QAction* OpenAction = nullptr;
    QAction* SaveAction = nullptr;
    QAction* SaveAsAction = nullptr;
    QAction* CloseAction = nullptr;
    QAction* QuitAction = nullptr;

    // Shows the workbook as it is now: title, modified mark, tabs, the
    // active sheet, cells and selection.
    void Refresh();
    // Saves in place; a workbook that cannot be saved there (read from
    // .xls, read-only, never saved) goes to Save As. False when it was not
    // saved (cancelled or refused; a refusal is shown).
    bool Save();
    // Saves as an .xlsx workbook under a name the user chooses.
    bool SaveAs();
    // Asks whether to save a modified workbook, then closes it. False when
    // the user kept it open.
    bool CloseWorkbook();
    // The workbook is already gone: the window closes without asking.
    void CloseWithoutAsking();
    // The tab of each shown sheet: its position among all sheets (1-based).
    int SheetPositionOfTab(int tab) const;

signals:
    // The window has closed (its workbook is closed or gone).
    void closed(WorkbookWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenu();
    void RebuildTabs();
    void ShowActiveSheet();
    void ActivateTab(int tab);
    void ShowRefusal(const QString& what, const QString& reason);
    QString SuggestedXlsxName() const;

    ExcelWindows& owner_;
    excel::Ref<excel::Workbook> workbook_;
    std::vector<std::string> tabNames_;
    std::vector<int> tabSheets_;  // sheet position of each tab
    bool workbookGone_ = false;
    bool refreshing_ = false;
};

// `file` with the suffix .xlsx: .xls becomes .xlsx, any other name gets
// .xlsx added.
QString WithXlsxSuffix(const QString& file);

}  // namespace dorvane::shell
