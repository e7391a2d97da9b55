#include "tests/schemes/SchemeTestSupport.h"

#include "automation/Instances.h"
#include "automation/excel/Excel.h"

namespace dorvane::testing {
using excel::CellValue;

namespace {

void SetCells(excel::Sheet& sheet, const SheetCells& cells) {
    for (const auto& [at, value] : cells) sheet.Cells(at.first, at.second)->SetValue(value);
}

}  // namespace

SheetCells ReadFirstSheet(const std::filesystem::path& file) {
    auto app = CreateExcelApplication();
    auto workbook = app->Workbooks()->Open(file.string());
    auto sheet = workbook->Sheets()->Item(1);
    SheetCells cells;
    for (int row = 1; row <= 40; ++row)
        for (int column = 1; column <= 4; ++column) {
            CellValue value = sheet->Cells(row, column)->Value();
            if (!value.IsEmpty()) cells[{row, column}] = value;
        }
    app->Quit();
    return cells;
}

void WriteWorkbook(const std::filesystem::path& file, const SheetCells& cells) {
    auto app = CreateExcelApplication();
    auto workbook = app->Workbooks()->Add();
    SetCells(*workbook->Sheets()->Item(1), cells);
    workbook->SaveAs(file.string());
    workbook->Close(false);
    app->Quit();
}

void EditWorkbook(const std::filesystem::path& file, const SheetCells& cells) {
    auto app = CreateExcelApplication();
    auto workbook = app->Workbooks()->Open(file.string());
    SetCells(*workbook->Sheets()->Item(1), cells);
    workbook->Close(true);
    app->Quit();
}

}  // namespace dorvane::testing
