#pragma once

// Reading an Excel 97-2003 (.xls) workbook into a new
// in-memory .xlsx workbook holding its sheets and values. BIFF8 files are
// read here (values, stored formula results, number formats, hidden
// sheets); older ones through freexl (values only). Saving goes to .xlsx.

#include <filesystem>
#include <memory>
#include <string>

#include "automation/embedded/excel/WorkbookDocument.h"

namespace dorvane::embedded::excel {

// Throws AutomationError(member, ...) naming the file and the reason.
std::unique_ptr<WorkbookDocument> ImportXls(const std::filesystem::path& file, const std::string& member);

}  // namespace dorvane::embedded::excel
