#include "automation/AutomationError.h"
#include "automation/embedded/excel/ExcelObjects.h"
#include "platform/Paths.h"

#include <cerrno>
#include <unistd.h>

namespace dorvane::embedded::excel {

namespace fs = std::filesystem;

namespace {

class SheetsImpl : public x::Sheets {
public:
    SheetsImpl(std::shared_ptr<WorkbookImpl> workbook, bool worksheetsOnly)
        : workbook_(std::move(workbook)), worksheetsOnly_(worksheetsOnly) {}

    int Count() const override {
        if (!worksheetsOnly_) return workbook_->SheetCount();
        int count = 0;
        for (const auto& sheet : workbook_->Document("Sheets.Count").Sheets()) count += sheet.worksheet ? 1 : 0;
        return count;
    }

    x::Ref<x::Sheet> Item(int index) override {
        const char* member = worksheetsOnly_ ? "Worksheets.Item" : "Sheets.Item";
        const auto& sheets = workbook_->Document(member).Sheets();
        int seen = 0;
        for (int i = 0; i < static_cast<int>(sheets.size()); ++i) {
            if (worksheetsOnly_ && !sheets[static_cast<std::size_t>(i)].worksheet) continue;
            if (++seen == index) return workbook_->SheetAt(i);
        }
        throw AutomationError(member, "there is no sheet " + std::to_string(index) + " (the workbook has " +
                                          std::to_string(seen) + ")");
    }

private:
    std::shared_ptr<WorkbookImpl> workbook_;
    bool worksheetsOnly_;
};

}  // namespace

WorkbookImpl::WorkbookImpl(std::weak_ptr<ApplicationImpl> app, std::unique_ptr<WorkbookDocument> document,
                           fs::path file, std::string newName, bool fromXls)
    : app_(std::move(app)), document_(std::move(document)), file_(std::move(file)), newName_(std::move(newName)),
      fromXls_(fromXls) {
    activeSheet_ = document_->ActiveTab();
}

WorkbookDocument& WorkbookImpl::Document(const char* member) {
    if (closed_) throw AutomationError(member, "the workbook \"" + Name() + "\" has been closed");
    return *document_;
}

const WorkbookDocument& WorkbookImpl::Document(const char* member) const {
    return const_cast<WorkbookImpl*>(this)->Document(member);
}

std::string WorkbookImpl::Name() const { return file_.empty() ? newName_ : file_.filename().string(); }

std::string WorkbookImpl::Path() const { return file_.empty() ? std::string() : file_.parent_path().string(); }

std::string WorkbookImpl::FullName() const { return file_.empty() ? newName_ : file_.string(); }

x::Ref<x::Sheets> WorkbookImpl::Sheets() {
    Document("Workbook.Sheets");
    return std::make_shared<SheetsImpl>(shared_from_this(), false);
}

x::Ref<x::Sheets> WorkbookImpl::Worksheets() {
    Document("Workbook.Worksheets");
    return std::make_shared<SheetsImpl>(shared_from_this(), true);
}

std::shared_ptr<SheetImpl> WorkbookImpl::SheetAt(int index) {
    if (sheets_.empty()) {
        // One handle per sheet, so that a sheet's selection lives as long as
        // the workbook.
        int count = static_cast<int>(document_->Sheets().size());
        for (int i = 0; i < count; ++i) sheets_.push_back(std::make_shared<SheetImpl>(weak_from_this(), i));
    }
    return sheets_.at(static_cast<std::size_t>(index));
}

std::shared_ptr<SheetImpl> WorkbookImpl::ActiveSheet() {
    Document("Application.ActiveSheet");
    return SheetAt(activeSheet_);
}

bool WorkbookImpl::PrecisionAsDisplayed() const {
    return Document("Workbook.PrecisionAsDisplayed").PrecisionAsDisplayed();
}

void WorkbookImpl::SetPrecisionAsDisplayed(bool on) {
    WorkbookDocument& document = Document("Workbook.PrecisionAsDisplayed");
    if (on == document.PrecisionAsDisplayed()) return;
    if (on) RoundToDisplayedPrecision(document);
    document.SetPrecisionAsDisplayedFlag(on);
    Changed();
}

bool WorkbookImpl::ReadOnly() const {
    if (fromXls_) return true;
    return !file_.empty() && ::access(file_.c_str(), W_OK) != 0 && errno != ENOENT;
}

void WorkbookImpl::Activate() {
    Document("Workbook.Activate");
    if (auto app = app_.lock()) app->Activate(this);
}

void WorkbookImpl::Save() {
    WorkbookDocument& document = Document("Workbook.Save");
    if (fromXls_)
        throw AutomationError("Workbook.Save", file_.string() +
                                                   ": a workbook read from an Excel 97-2003 (.xls) file cannot be "
                                                   "saved in that format; save it as an .xlsx workbook with SaveAs");
    if (file_.empty())
        throw AutomationError("Workbook.Save", "the new workbook \"" + newName_ +
                                                   "\" has no file yet; save it with SaveAs first");
    if (ReadOnly())
        throw AutomationError("Workbook.Save", file_.string() + ": the file is read-only; save the workbook "
                                                                "under another name with SaveAs");
    document.SaveAs(file_);
    saved_ = true;
    Notify();
}

void WorkbookImpl::SaveAs(const std::string& fileName) {
    WorkbookDocument& document = Document("Workbook.SaveAs");
    if (fileName.empty()) throw AutomationError("Workbook.SaveAs", "no file name given");
    std::error_code ec;
    fs::path file = fs::absolute(platform::MapPath(fileName), ec).lexically_normal();
    if (auto app = app_.lock(); app && app->OtherHoldsFile(this, file))
        throw AutomationError("Workbook.SaveAs", file.string() + ": another open workbook has that file");
    if (fs::is_directory(file, ec)) throw AutomationError("Workbook.SaveAs", file.string() + ": is a folder");
    document.SaveAs(file);
    file_ = file;
    fromXls_ = false;
    saved_ = true;
    Notify();
}

void WorkbookImpl::Notify() const {
    if (auto app = app_.lock()) app->NotifyChanged();
}

void WorkbookImpl::Close(bool saveChanges) {
    Document("Workbook.Close");
    if (saveChanges) {
        if (file_.empty())
            throw AutomationError("Workbook.Close", "the new workbook \"" + newName_ +
                                                        "\" has never been saved: save it with SaveAs first");
        Save();
    }
    MarkClosed();
    if (auto app = app_.lock()) app->Closed(this);
}

void WorkbookImpl::MarkClosed() {
    closed_ = true;
    sheets_.clear();
    document_.reset();
}

}  // namespace dorvane::embedded::excel
