#include "summary/Summation.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"
#include "platform/Paths.h"
#include "summary/CellNumber.h"
#include "summary/SummationMessages.h"

namespace dorvane::summary {
namespace {

using excel::Ref;

// The sources' folder beside the result workbook, and the names listed in it:
// every file whose extension begins with x (.xls, .xlsx, .xlsm, ...).
constexpr const char* kFolder = "\\自动汇总\\";
constexpr const char* kPattern = "*.x*";

// A cell of a source whose value cannot be added.
class DataFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SummationRun {
public:
    explicit SummationRun(UserPort& port) : port_(port) {}

    SumResult Run() {
        if (Prepare()) AddSources();
        return result_;
    }

private:
    bool Prepare();
    bool PrepareSteps();
    std::int16_t SheetPosition();
    void AddSources();
    bool AddSource(const std::string& name);
    void OpenSource(const std::string& fileName);
    void AddCells(excel::Sheet& source);
    double Number(const Ref<excel::Range>& cell, const char* which);

    void TooFewWorksheets(const std::string& fileName);
    void DataError(const std::string& fileName, const std::string& failure);
    void Unreadable(const std::string& name, const std::string& failure);
    void ReopenSource(const std::string& fileName);
    void ClearRegion();
    void SwitchDisplayOff();
    void RestoreDisplay();
    void Stop(SumOutcome outcome, std::string failure) {
        result_.outcome = outcome;
        result_.failure = std::move(failure);
    }

    UserPort& port_;
    SumResult result_;
    Ref<excel::Application> app_;
    Ref<excel::Workbook> resultBook_;
    Ref<excel::Sheet> resultSheet_;
    Ref<excel::Range> region_;
    std::vector<std::pair<int, int>> cells_;  // (row, column) in the region's order
    std::int16_t k_ = 0;                      // position of the result sheet
    std::string folder_;                      // Path + "\自动汇总\"
    Ref<excel::Workbook> source_;             // the source being added
    bool displayOff_ = false;
};

// Steps up to clearing the region. Any failure among them means there is no
// usable workbook or selection, and the user is told to prepare one.
bool SummationRun::Prepare() {
    try {
        return PrepareSteps();
    } catch (const std::exception& e) {
        if (displayOff_) RestoreDisplay();
        port_.ShowMessage(NoWorkbookMessage());
        Stop(SumOutcome::NoWorkbook, e.what());
        return false;
    }
}

bool SummationRun::PrepareSteps() {
    app_ = GetRunningExcelApplication();
    if (!app_) throw AutomationError("GetObject", "Excel is not running");
    // Hidden workbooks count too: the user must close them first.
    if (app_->Workbooks()->Count() > 1) {
        port_.ShowMessage(OtherWorkbooksOpenMessage());
        Stop(SumOutcome::OtherWorkbooksOpen, "more than one workbook is open");
        return false;
    }
    app_->SetMaxChange(0);
    SwitchDisplayOff();
    resultBook_ = app_->Workbooks()->Item(1);
    resultBook_->SetPrecisionAsDisplayed(false);
    resultSheet_ = app_->ActiveSheet();
    k_ = SheetPosition();
    result_.sheetPosition = k_;

    folder_ = resultBook_->Path() + kFolder;
    if (!platform::DirectoryExists(folder_)) {
        port_.ShowMessage(FolderMissingMessage());
        RestoreDisplay();
        Stop(SumOutcome::FolderMissing, "folder not found: " + platform::MapPath(folder_).string());
        return false;
    }
    region_ = app_->Selection();
    region_->ClearContents();
    // A cell that two areas of the selection share is added once: visiting
    // it twice would add every source into it twice.
    std::set<std::pair<int, int>> seen;
    for (const auto& cell : region_->Cells()) {
        std::pair<int, int> position{cell->Row(), cell->Column()};
        if (seen.insert(position).second) cells_.push_back(position);
    }
    return true;
}

// The 1-based position, among all sheets of the active workbook (chart
// sheets count), of the first sheet named as the result sheet.
std::int16_t SummationRun::SheetPosition() {
    const std::string name = resultSheet_->Name();
    auto sheets = app_->Sheets();
    const int count = sheets->Count();
    int position = 1;
    while (position <= count && sheets->Item(position)->Name() != name) ++position;
    if (position > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("sheet position exceeds 32767");
    return static_cast<std::int16_t>(position);
}

void SummationRun::AddSources() {
    std::vector<std::string> names;
    try {
        names = platform::ListFiles(folder_ + kPattern);
    } catch (const std::exception& e) {
        Unreadable("自动汇总", e.what());
        return;
    }
    for (const auto& name : names) {
        if (!AddSource(name)) return;
        ++result_.sourcesAdded;
    }
    RestoreDisplay();
    result_.file.clear();
    Stop(SumOutcome::Done, {});
}

// Adds one source into the region; false when the run ended on it.
bool SummationRun::AddSource(const std::string& name) {
    result_.file = name;
    const std::string fileName = folder_ + name;
    Ref<excel::Sheet> sheet;
    try {
        OpenSource(fileName);
        if (source_->Worksheets()->Count() < k_) {
            TooFewWorksheets(fileName);
            return false;
        }
        sheet = source_->Worksheets()->Item(k_);
    } catch (const std::exception& e) {
        Unreadable(name, e.what());
        return false;
    }
    try {
        AddCells(*sheet);
    } catch (const std::exception& e) {
        DataError(fileName, e.what());
        return false;
    }
    try {
        source_->Close(false);
        source_.reset();
    } catch (const std::exception& e) {
        Unreadable(name, e.what());
        return false;
    }
    return true;
}

void SummationRun::OpenSource(const std::string& fileName) {
    auto workbooks = app_->Workbooks();
    source_ = workbooks->Open(platform::MapPath(fileName).string());
    // The result workbook is item 1, so the source is item 2.
    source_ = workbooks->Item(2);
    // Values are added at the precision their cells display.
    source_->SetPrecisionAsDisplayed(true);
}

// Each cell: the result's value plus the source's value, written back as a
// plain number; the result sheet itself holds the running sums.
void SummationRun::AddCells(excel::Sheet& source) {
    for (const auto& [row, column] : cells_) {
        result_.row = row;
        result_.column = column;
        auto target = resultSheet_->Cells(row, column);
        const double a = Number(target, "result");
        const double b = Number(source.Cells(row, column), "source");
        const double sum = b + a;
        if (!std::isfinite(sum)) throw DataFailure("the sum exceeds the range of numbers");
        target->SetValue(excel::CellValue::Number(sum));
    }
}

double SummationRun::Number(const Ref<excel::Range>& cell, const char* which) {
    const excel::CellValue value = cell->Value();
    if (auto number = CellNumber(value)) return *number;
    using Kind = excel::CellValue::Kind;
    const bool hasText = value.kind() == Kind::Text || value.kind() == Kind::Error;
    throw DataFailure(std::string("the ") + which + " value " +
                      (hasText ? "\"" + value.AsText() + "\"" : std::string("there")) +
                      " is not a number");
}

void SummationRun::TooFewWorksheets(const std::string& fileName) {
    // No partial sums may stay behind that look like a result.
    ClearRegion();
    port_.ShowMessage(TooFewWorksheetsMessage(k_));
    RestoreDisplay();
    ReopenSource(fileName);
    Stop(SumOutcome::TooFewWorksheets, "fewer than " + std::to_string(k_) + " worksheets");
}

void SummationRun::DataError(const std::string& fileName, const std::string& failure) {
    ClearRegion();
    port_.ShowMessage(DataErrorMessage(result_.row, result_.column), kInterruptedTitle);
    RestoreDisplay();
    ReopenSource(fileName);
    // Show the user where to look. A courtesy: the run has ended anyway.
    try {
        auto sheet = source_->Worksheets()->Item(k_);
        sheet->Activate();
        sheet->Cells(result_.row, result_.column)->Select();
    } catch (const std::exception&) {
    }
    Stop(SumOutcome::DataError, "row " + std::to_string(result_.row) + ", column " +
                                    std::to_string(result_.column) + ": " + failure);
}

// A source that failed outside its cells: there is no place to show, so it
// is closed and named in the message.
void SummationRun::Unreadable(const std::string& name, const std::string& failure) {
    ClearRegion();
    if (source_) {
        try {
            source_->Close(false);
        } catch (const std::exception&) {
        }
        source_.reset();
    }
    port_.ShowMessage(SourceUnreadableMessage(name), kInterruptedTitle);
    RestoreDisplay();
    Stop(SumOutcome::SourceUnreadable, name + ": " + failure);
}

// The source left open for the user holds values rounded by precision as
// displayed; saving it would overwrite the user's file with them. It is
// closed without saving and opened again as it is on disk.
void SummationRun::ReopenSource(const std::string& fileName) {
    try {
        source_->Close(false);
        source_ = app_->Workbooks()->Open(platform::MapPath(fileName).string());
    } catch (const std::exception&) {
    }
}

void SummationRun::ClearRegion() {
    try {
        region_->ClearContents();
    } catch (const std::exception&) {
    }
}

void SummationRun::SwitchDisplayOff() {
    displayOff_ = true;
    app_->SetScreenUpdating(false);
    app_->SetShowWindowsInTaskbar(false);
    app_->SetDisplayStatusBar(false);
}

// Each setting on its own, so that one refusal does not keep the others off.
void SummationRun::RestoreDisplay() {
    try { app_->SetScreenUpdating(true); } catch (const std::exception&) {}
    try { app_->SetShowWindowsInTaskbar(true); } catch (const std::exception&) {}
    try { app_->SetDisplayStatusBar(true); } catch (const std::exception&) {}
}

}  // namespace

SumResult SumWorkbooks(UserPort& port) {
    return SummationRun(port).Run();
}

}  // namespace dorvane::summary
