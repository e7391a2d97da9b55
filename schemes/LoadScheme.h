#pragma once

// Putting a saved scheme back into the main window's options (the click of
// Command13, "使用已存设置"), and into the batch formatter's.

#include <stdexcept>
#include <string>
#include <string_view>

#include "formatting/FormatSettings.h"
#include "platform/UserPort.h"
#include "schemes/PrivateExcel.h"
#include "schemes/SchemeLayout.h"

namespace dorvane::schemes {

// A scheme row whose value cannot be loaded; the message names the file,
// the row and the value. Rows before it stay applied.
class SchemeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the workbook at `windowsPath` (a Windows path as the program
// writes it, or a path of this machine) into `settings`: the preview boxes
// and line fields from the identity rows, the 18 options row by row. Says
// "未保存过方案" and returns false when there is no file there. The
// workbook is closed without saving.
bool LoadScheme(std::string_view windowsPath, formatting::FormatSettings& settings, UserPort& port,
                const ExcelFactory& createExcel = DefaultExcelFactory());

// The button: the one scheme of the program, d:\paibanfangan.xls.
inline bool LoadScheme(formatting::FormatSettings& settings, UserPort& port) {
    return LoadScheme(kSchemePath, settings, port);
}

// For the batch tools: loads the scheme workbook at `path` as the button
// does, without any message box. A missing file, a workbook Excel cannot
// open and a row that cannot be loaded throw std::runtime_error naming the
// file (SchemeError for a row).
void LoadSchemeFile(const std::string& path, formatting::FormatSettings& settings,
                    const ExcelFactory& createExcel = DefaultExcelFactory());

}  // namespace dorvane::schemes
