#pragma once

// The embedded Excel's object model: handles over a WorkbookDocument.
// Sheets and ranges keep no cell state of their own; a closed workbook
// makes every handle into it refuse further calls.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "automation/embedded/excel/EmbeddedExcel.h"
#include "automation/embedded/excel/WorkbookDocument.h"

namespace dorvane::embedded::excel {

namespace x = dorvane::excel;

class WorkbookImpl;
class SheetImpl;

class ApplicationImpl : public ExcelApplication, public std::enable_shared_from_this<ApplicationImpl> {
public:
    x::Ref<x::Workbooks> Workbooks() override;
    x::Ref<x::Workbook> ActiveWorkbook() override;
    x::Ref<x::Sheet> ActiveSheet() override;
    x::Ref<x::Sheets> Sheets() override;
    x::Ref<x::Range> Selection() override;

    bool ScreenUpdating() const override { return screenUpdating_; }
    void SetScreenUpdating(bool on) override;
    bool DisplayAlerts() const override { return displayAlerts_; }
    void SetDisplayAlerts(bool on) override { displayAlerts_ = on; }
    bool ShowWindowsInTaskbar() const override { return showWindowsInTaskbar_; }
    void SetShowWindowsInTaskbar(bool on) override { showWindowsInTaskbar_ = on; }
    bool DisplayStatusBar() const override { return displayStatusBar_; }
    void SetDisplayStatusBar(bool on) override { displayStatusBar_ = on; }
    double MaxChange() const override { return maxChange_; }
    void SetMaxChange(double change) override { maxChange_ = change; }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }
    void Quit() override;

    void RegisterAsRunning() override;
    void RevokeRunning() override;
    bool RegisteredAsRunning() const override { return registered_; }
    void SetChangeListener(std::function<void()> listener) override { changeListener_ = std::move(listener); }
    // Tells the listener that something a window shows has changed.
    void NotifyChanged() const {
        if (changeListener_) changeListener_();
    }

    // For the workbooks collection and the workbooks.
    int Count() const { return static_cast<int>(workbooks_.size()); }
    std::shared_ptr<WorkbookImpl> Item(int index);
    std::shared_ptr<WorkbookImpl> Add();
    std::shared_ptr<WorkbookImpl> Open(const std::string& fileName);
    void Activate(const WorkbookImpl* workbook);
    void Closed(const WorkbookImpl* workbook);
    // Another open workbook saved under that file, if any.
    bool OtherHoldsFile(const WorkbookImpl* workbook, const std::filesystem::path& file) const;

private:
    void CheckRunning(const char* member) const;
    std::shared_ptr<WorkbookImpl> Adopt(std::shared_ptr<WorkbookImpl> workbook);

    std::vector<std::shared_ptr<WorkbookImpl>> workbooks_;
    std::weak_ptr<WorkbookImpl> active_;
    int newBooks_ = 0;
    bool screenUpdating_ = true, displayAlerts_ = true, showWindowsInTaskbar_ = true, displayStatusBar_ = true;
    bool visible_ = false, registered_ = false, quit_ = false;
    double maxChange_ = 0.001;
    std::function<void()> changeListener_;
};

class WorkbookImpl : public x::Workbook, public std::enable_shared_from_this<WorkbookImpl> {
public:
    WorkbookImpl(std::weak_ptr<ApplicationImpl> app, std::unique_ptr<WorkbookDocument> document,
                 std::filesystem::path file, std::string newName, bool fromXls);

    std::string Name() const override;
    std::string Path() const override;
    std::string FullName() const override;
    x::Ref<x::Sheets> Sheets() override;
    x::Ref<x::Sheets> Worksheets() override;
    bool PrecisionAsDisplayed() const override;
    void SetPrecisionAsDisplayed(bool on) override;
    bool Saved() const override { return saved_; }
    bool ReadOnly() const override;
    void Activate() override;
    void Save() override;
    void SaveAs(const std::string& fileName) override;
    void Close(bool saveChanges) override;

    // For sheets and ranges.
    WorkbookDocument& Document(const char* member);
    const WorkbookDocument& Document(const char* member) const;
    bool IsClosed() const { return closed_; }
    void Changed() {
        saved_ = false;
        Notify();
    }
    // Tells the application's change listener.
    void Notify() const;
    std::shared_ptr<SheetImpl> SheetAt(int index);  // 0-based, all sheets
    int SheetCount() const { return static_cast<int>(Document("Sheets.Count").Sheets().size()); }
    std::shared_ptr<SheetImpl> ActiveSheet();
    void SetActiveSheet(int index) {
        activeSheet_ = index;
        Notify();
    }
    void MarkClosed();
    const std::filesystem::path& File() const { return file_; }

private:
    std::weak_ptr<ApplicationImpl> app_;
    std::unique_ptr<WorkbookDocument> document_;
    std::filesystem::path file_;  // empty while never saved
    std::string newName_;
    bool fromXls_ = false;
    bool saved_ = true;
    bool closed_ = false;
    int activeSheet_ = 0;
    std::vector<std::shared_ptr<SheetImpl>> sheets_;
};

class SheetImpl : public x::Sheet, public std::enable_shared_from_this<SheetImpl> {
public:
    SheetImpl(std::weak_ptr<WorkbookImpl> workbook, int index);

    std::string Name() const override;
    bool IsWorksheet() const override;
    bool Visible() const override;
    x::Ref<x::Range> Cells(int row, int column) override;
    x::Ref<x::Range> Range(const std::string& address) override;
    x::Ref<x::Range> UsedRange() override;
    x::Ref<x::Range> Columns(const std::string& address) override;
    double ColumnWidth(int column) const override;
    void Activate() override;

    // Cell work for ranges (SheetCells.cpp).
    x::CellValue ReadValue(int row, int column) const;
    std::string DisplayText(int row, int column) const;
    void WriteValue(const std::vector<CellArea>& areas, const x::CellValue& value);
    void Clear(const std::vector<CellArea>& areas);
    void Copy(const std::vector<CellArea>& areas) const;
    void AutoFit(const std::vector<CellArea>& areas);
    std::optional<CellArea> Used() const;

    std::vector<CellArea> Selection() const { return selection_; }
    void Select(std::vector<CellArea> areas);
    std::shared_ptr<WorkbookImpl> Book(const char* member) const;
    WorksheetXml& Grid(const char* member) const;
    x::Ref<x::Range> MakeRange(std::vector<CellArea> areas);

private:
    std::weak_ptr<WorkbookImpl> workbook_;
    int index_;
    std::vector<CellArea> selection_;
};

class RangeImpl : public x::Range {
public:
    RangeImpl(std::shared_ptr<SheetImpl> sheet, std::vector<CellArea> areas)
        : sheet_(std::move(sheet)), areas_(std::move(areas)) {}

    x::CellValue Value() const override;
    void SetValue(const x::CellValue& value) override;
    std::string Text() const override;
    int Row() const override { return areas_.front().top; }
    int Column() const override { return areas_.front().left; }
    int Count() const override;
    std::string Address() const override;
    x::Ref<x::Sheet> Worksheet() override { return sheet_; }
    std::vector<x::Ref<x::Range>> Cells() override;
    void ClearContents() override;
    void Copy() override;
    void Select() override;
    x::Ref<x::Range> EntireColumn() override;
    void AutoFit() override;

    const std::vector<CellArea>& Areas() const { return areas_; }

private:
    std::shared_ptr<SheetImpl> sheet_;
    std::vector<CellArea> areas_;
};

// Opens a workbook file of either format (told apart by its first bytes).
std::unique_ptr<WorkbookDocument> OpenWorkbookFile(const std::filesystem::path& file, bool& fromXls);
// Rounds every number of the workbook to the precision it displays.
void RoundToDisplayedPrecision(WorkbookDocument& document);

}  // namespace dorvane::embedded::excel
