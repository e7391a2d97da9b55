#include "schemes/LoadScheme.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "automation/AutomationError.h"
#include "automation/excel/Excel.h"
#include "formatting/LinePreviewTable.h"
#include "platform/Paths.h"
#include "schemes/CellConversion.h"
#include "schemes/SchemeFields.h"
#include "schemes/SchemeMessages.h"

namespace dorvane::schemes {
using excel::CellValue;
using formatting::FormatSettings;

namespace {

CellValue ValueOfRow(excel::Sheet& sheet, int row) {
    return sheet.Cells(row, kValueColumn)->Value();
}

// A group whose identity row names one of the library pictures shows that
// very picture and takes its line codes; any other value, empty or not,
// leaves the group as it was.
void LoadLineGroup(excel::Sheet& sheet, int group, FormatSettings& settings) {
    CellValue value = ValueOfRow(sheet, RowsOfLineGroup(group).identity);
    if (value.kind() != CellValue::Kind::Text) return;
    if (const auto* picture = formatting::FindLinePictureByIdentity(value.AsText()))
        formatting::ApplyLinePicture(settings, group, *picture);
}

// A check box takes 0 (clear), 1 (ticked) and 2 (greyed); nothing else.
int SwitchValue(const CellValue& value, std::string_view file, int row) {
    std::optional<std::int16_t> number = CellToInt16(value);
    if (!number || *number < 0 || *number > 2)
        throw SchemeError(BadSwitchValueMessage(file, row, DescribeCellValue(value)));
    return *number;
}

// Row by row in ascending order, each applied before the next is read.
void LoadOptions(excel::Sheet& sheet, FormatSettings& settings, std::string_view file) {
    for (const SchemeRow& row : OptionRows()) {
        CellValue value = ValueOfRow(sheet, row.row);
        if (row.value == SchemeValue::Check)
            CheckField(settings, row.field) = SwitchValue(value, file, row.row);
        else
            ComboField(settings, row.field) = CellToText(value);
    }
}

// The only message loading shows is that there is no file.
class NoFilePort : public UserPort {
public:
    explicit NoFilePort(std::string path) : path_(std::move(path)) {}
    void ShowMessage(const std::string& text, const std::string&) override {
        throw std::runtime_error(path_ + ": " + text + " (no such file)");
    }
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }

private:
    std::string path_;
};

}  // namespace

bool LoadScheme(std::string_view windowsPath, FormatSettings& settings, UserPort& port,
                const ExcelFactory& createExcel) {
    PrivateExcel app(createExcel);
    if (!platform::FileExists(windowsPath)) {
        port.ShowMessage(std::string(kNoSchemeSavedMessage));
        return false;
    }
    app->SetScreenUpdating(true);
    app->Workbooks()->Open(platform::MapPath(windowsPath).string());
    excel::Ref<excel::Workbook> workbook = app->ActiveWorkbook();
    excel::Ref<excel::Sheet> sheet = workbook->Sheets()->Item(1);
    for (int group = 1; group <= 3; ++group) LoadLineGroup(*sheet, group, settings);
    LoadOptions(*sheet, settings, windowsPath);
    workbook->Close(false);
    app->SetScreenUpdating(true);
    return true;
}

void LoadSchemeFile(const std::string& path, FormatSettings& settings,
                    const ExcelFactory& createExcel) {
    NoFilePort port(path);
    try {
        LoadScheme(path, settings, port, createExcel);
    } catch (const AutomationError& error) {
        throw std::runtime_error(path + ": cannot be read as a scheme workbook: " + error.what());
    }
}

}  // namespace dorvane::schemes
