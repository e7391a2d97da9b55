#pragma once

// Reading an Excel 97-2003 (.xls) workbook through freexl into a new
// in-memory .xlsx workbook holding its sheet names and values: numbers,
// texts and dates (as freexl types them). Saving goes to .xlsx content.

#include <filesystem>
#include <memory>
#include <string>

#include "automation/embedded/excel/WorkbookDocument.h"

namespace dorvane::embedded::excel {

// Throws AutomationError(member, ...) naming the file and the reason.
std::unique_ptr<WorkbookDocument> ImportXls(const std::filesystem::path& file, const std::string& member);

}  // namespace dorvane::embedded::excel
