#include "schemes/SaveScheme.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "automation/excel/Excel.h"
#include "formatting/LinePreviewTable.h"
#include "platform/Paths.h"
#include "schemes/SchemeFields.h"
#include "schemes/SchemeLayout.h"
#include "schemes/SchemeMessages.h"

namespace dorvane::schemes {
using excel::CellValue;
using formatting::FormatSettings;
using formatting::LinePicture;

namespace {

void SetText(excel::Sheet& sheet, int row, int column, std::string_view text) {
    sheet.Cells(row, column)->SetValue(CellValue::Text(std::string(text)));
}

void WriteHeaderAndKeys(excel::Sheet& sheet) {
    SetText(sheet, kHeaderRow, kKeyColumn, kHeaderKey);
    SetText(sheet, kHeaderRow, kValueColumn, kHeaderValue);
    SetText(sheet, kHeaderRow, kDescriptionColumn, kHeaderDescription);
    for (const SchemeRow& row : SchemeLayout) {
        SetText(sheet, row.row, kKeyColumn, row.key);
        SetText(sheet, row.row, kDescriptionColumn, row.description);
    }
}

// A new workbook under the path with header, keys and descriptions. SaveAs
// names the file first; should anything fail before it is closed with
// those texts, the file it made is removed again, so that a later save
// never finds a scheme file without its keys.
void CreateSchemeWorkbook(excel::Application& app, const std::filesystem::path& file) {
    app.SetScreenUpdating(true);
    excel::Ref<excel::Workbook> workbook = app.Workbooks()->Add();
    app.SetDisplayAlerts(false);
    workbook->SaveAs(file.string());
    try {
        WriteHeaderAndKeys(*workbook->Sheets()->Item(1));
        workbook->Close(true);
    } catch (...) {
        try {
            workbook->Close(false);
        } catch (...) {
        }
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        throw;
    }
}

// The library picture a preview box shows: the one that is the very same
// object. The box's own design-time picture (nullptr) matches none.
const LinePicture* ShownLibraryPicture(const LinePicture* box) {
    for (const LinePicture& picture : formatting::LinePreviewTable())
        if (&picture == box) return &picture;
    return nullptr;
}

void WriteLineGroup(excel::Sheet& sheet, int group, const LinePicture* box) {
    const LinePicture* picture = ShownLibraryPicture(box);
    if (!picture) return;  // the group's cells keep what they held
    LineGroupRows rows = RowsOfLineGroup(group);
    SetText(sheet, rows.identity, kValueColumn, picture->identity);
    SetText(sheet, rows.style, kValueColumn, picture->styleName);
    // The no-line picture has no width: its width row is emptied, in
    // every group, so that no stale width name stands beside it.
    SetText(sheet, rows.width, kValueColumn, picture->widthName);
}

void WriteOptions(excel::Sheet& sheet, const FormatSettings& settings) {
    for (const SchemeRow& row : OptionRows()) {
        auto cell = sheet.Cells(row.row, kValueColumn);
        if (row.value == SchemeValue::Check)
            cell->SetValue(CellValue::Number(static_cast<std::int16_t>(CheckField(settings, row.field))));
        else
            cell->SetValue(CellValue::Text(ComboField(settings, row.field)));
    }
}

void WriteValues(excel::Application& app, const std::filesystem::path& file,
                 const FormatSettings& settings, UserPort& port) {
    app.SetScreenUpdating(true);
    app.Workbooks()->Open(file.string());
    excel::Ref<excel::Workbook> workbook = app.ActiveWorkbook();
    if (workbook->ReadOnly()) {
        workbook->Close(false);
        port.ShowMessage(SchemeReadOnlyMessage(kSchemeDisplayPath));
        return;
    }
    excel::Ref<excel::Sheet> sheet = workbook->Sheets()->Item(1);
    for (int group = 1; group <= 3; ++group)
        WriteLineGroup(*sheet, group, settings.PreviewBox(group));
    WriteOptions(*sheet, settings);
    workbook->Close(true);
    app.SetScreenUpdating(true);
}

}  // namespace

void SaveScheme(const FormatSettings& settings, UserPort& port, const ExcelFactory& createExcel) {
    PrivateExcel app(createExcel);
    const std::filesystem::path file = platform::MapPath(kSchemePath);
    if (!platform::FileExists(kSchemePath)) {
        CreateSchemeWorkbook(*app, file);
        // Said before the values are written, which follow once the user
        // has closed the message.
        port.ShowMessage(std::string(kSchemeCreatedMessage));
    }
    if (!platform::FileExists(kSchemePath)) {
        port.ShowMessage(std::string(kSchemeFileNotCreatedMessage));
        return;
    }
    WriteValues(*app, file, settings, port);
}

}  // namespace dorvane::schemes
