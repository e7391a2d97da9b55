#include <algorithm>
#include <cctype>

#include "automation/AutomationError.h"
#include "automation/Instances.h"
#include "automation/embedded/excel/ExcelObjects.h"
#include "platform/Paths.h"
#include "platform/RunningObjectTable.h"

namespace dorvane::embedded::excel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kClassName = "Excel.Application";

class WorkbooksImpl : public x::Workbooks {
public:
    explicit WorkbooksImpl(std::shared_ptr<ApplicationImpl> app) : app_(std::move(app)) {}
    int Count() const override { return app_->Count(); }
    x::Ref<x::Workbook> Item(int index) override { return app_->Item(index); }
    x::Ref<x::Workbook> Add() override { return app_->Add(); }
    x::Ref<x::Workbook> Open(const std::string& fileName) override { return app_->Open(fileName); }

private:
    std::shared_ptr<ApplicationImpl> app_;
};

}  // namespace

void ApplicationImpl::CheckRunning(const char* member) const {
    if (quit_) throw AutomationError(member, "the Excel instance has quit");
}

x::Ref<x::Workbooks> ApplicationImpl::Workbooks() {
    CheckRunning("Application.Workbooks");
    return std::make_shared<WorkbooksImpl>(shared_from_this());
}

x::Ref<x::Workbook> ApplicationImpl::ActiveWorkbook() {
    CheckRunning("Application.ActiveWorkbook");
    auto active = active_.lock();
    if (!active || active->IsClosed()) throw AutomationError("Application.ActiveWorkbook", "no workbook is open");
    return active;
}

x::Ref<x::Sheet> ApplicationImpl::ActiveSheet() {
    auto workbook = std::static_pointer_cast<WorkbookImpl>(ActiveWorkbook());
    return workbook->ActiveSheet();
}

x::Ref<x::Sheets> ApplicationImpl::Sheets() { return ActiveWorkbook()->Sheets(); }

x::Ref<x::Range> ApplicationImpl::Selection() {
    auto workbook = std::static_pointer_cast<WorkbookImpl>(ActiveWorkbook());
    auto sheet = workbook->ActiveSheet();
    if (!sheet->IsWorksheet() || sheet->Selection().empty())
        throw AutomationError("Application.Selection", "the active sheet \"" + sheet->Name() + "\" has no selected range");
    return sheet->MakeRange(sheet->Selection());
}

void ApplicationImpl::Quit() {
    for (auto& workbook : workbooks_) workbook->MarkClosed();
    workbooks_.clear();
    active_.reset();
    RevokeRunning();
    quit_ = true;
    NotifyChanged();
}

void ApplicationImpl::SetScreenUpdating(bool on) {
    if (on == screenUpdating_) return;
    screenUpdating_ = on;
    NotifyChanged();
}

void ApplicationImpl::RegisterAsRunning() {
    CheckRunning("Application.RegisterAsRunning");
    if (registered_) return;
    std::shared_ptr<x::Application> self = shared_from_this();
    platform::RunningObjectTable::Register(kClassName, self);
    registered_ = true;
}

void ApplicationImpl::RevokeRunning() {
    if (!registered_) return;
    const x::Application* self = this;
    platform::RunningObjectTable::Revoke(kClassName, self);
    registered_ = false;
}

std::shared_ptr<WorkbookImpl> ApplicationImpl::Item(int index) {
    CheckRunning("Workbooks.Item");
    if (index < 1 || index > Count())
        throw AutomationError("Workbooks.Item", "there is no workbook " + std::to_string(index) + " (" +
                                                    std::to_string(Count()) + " open)");
    return workbooks_[static_cast<std::size_t>(index - 1)];
}

std::shared_ptr<WorkbookImpl> ApplicationImpl::Adopt(std::shared_ptr<WorkbookImpl> workbook) {
    workbooks_.push_back(workbook);
    active_ = workbook;
    NotifyChanged();
    return workbook;
}

std::shared_ptr<WorkbookImpl> ApplicationImpl::Add() {
    CheckRunning("Workbooks.Add");
    auto document = WorkbookDocument::Create({"Sheet1"});
    std::string name = "Book" + std::to_string(++newBooks_);
    return Adopt(std::make_shared<WorkbookImpl>(weak_from_this(), std::move(document), fs::path(), name, false));
}

std::shared_ptr<WorkbookImpl> ApplicationImpl::Open(const std::string& fileName) {
    CheckRunning("Workbooks.Open");
    std::error_code ec;
    fs::path file = fs::absolute(platform::MapPath(fileName), ec).lexically_normal();
    for (const auto& open : workbooks_) {
        if (open->File() == file) {  // already open: it becomes the active one
            active_ = open;
            NotifyChanged();
            return open;
        }
    }
    if (!fs::is_regular_file(file, ec))
        throw AutomationError("Workbooks.Open", file.string() + ": the file could not be found");
    bool fromXls = false;
    auto document = OpenWorkbookFile(file, fromXls);
    return Adopt(std::make_shared<WorkbookImpl>(weak_from_this(), std::move(document), file, "", fromXls));
}

void ApplicationImpl::Activate(const WorkbookImpl* workbook) {
    for (const auto& open : workbooks_)
        if (open.get() == workbook) active_ = open;
    NotifyChanged();
}

void ApplicationImpl::Closed(const WorkbookImpl* workbook) {
    workbooks_.erase(std::remove_if(workbooks_.begin(), workbooks_.end(),
                                    [&](const auto& open) { return open.get() == workbook; }),
                     workbooks_.end());
    auto active = active_.lock();
    if (!active || active.get() == workbook) {
        // The most recent of the others takes its place.
        active_.reset();
        if (!workbooks_.empty()) active_ = workbooks_.back();
    }
    NotifyChanged();
}

bool ApplicationImpl::OtherHoldsFile(const WorkbookImpl* workbook, const fs::path& file) const {
    return std::any_of(workbooks_.begin(), workbooks_.end(),
                       [&](const auto& open) { return open.get() != workbook && open->File() == file; });
}

}  // namespace dorvane::embedded::excel

namespace dorvane {

namespace embedded {
std::shared_ptr<ExcelApplication> CreateEmbeddedExcelApplication() {
    return std::make_shared<excel::ApplicationImpl>();
}
}  // namespace embedded

std::shared_ptr<excel::Application> CreateExcelApplication() { return embedded::CreateEmbeddedExcelApplication(); }

std::shared_ptr<excel::Application> GetRunningExcelApplication() {
    auto object = platform::RunningObjectTable::Lookup("Excel.Application");
    if (!object) throw AutomationError("GetObject", "no running instance of \"Excel.Application\" is registered");
    return std::static_pointer_cast<excel::Application>(object);
}

}  // namespace dorvane
