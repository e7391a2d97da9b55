#pragma once

// Saving the table-formatting choices of the main window into the scheme
// workbook (the click of Command12, "保存左页设置").

#include "formatting/FormatSettings.h"
#include "platform/UserPort.h"
#include "schemes/PrivateExcel.h"

namespace dorvane::schemes {

// Creates d:\paibanfangan.xls with header, keys and descriptions when it
// is missing (and says so), then writes column 2: the library picture each
// preview box shows and the 18 options. A workbook that cannot be written
// in place is left as it is, with a message. Failures not handled here
// propagate; the private Excel instance is quit on the way out and the
// scheme file is either untouched or whole.
void SaveScheme(const formatting::FormatSettings& settings, UserPort& port,
                const ExcelFactory& createExcel = DefaultExcelFactory());

}  // namespace dorvane::schemes
