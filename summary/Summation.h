#pragma once

// The workbook summation: adds up, cell by cell, the selected region of
// every workbook in the folder "自动汇总" beside the result workbook (the
// only workbook open in the running Excel) and writes the sums, as plain
// numbers, into the selected region.

#include <string>

#include "platform/UserPort.h"

namespace dorvane::summary {

enum class SumOutcome {
    Done,                // every source added; no message shown
    NoWorkbook,          // preparation failed (no Excel, no workbook, no range...)
    OtherWorkbooksOpen,  // more than one workbook open
    FolderMissing,       // no folder "自动汇总" beside the result workbook
    TooFewWorksheets,    // a source has fewer worksheets than the sheet position
    DataError,           // a cell of a source could not be added
    SourceUnreadable,    // a source failed outside its cells (cannot be opened...)
};

// How a run ended. Everything the user must know has already been shown
// through the UserPort; this is for callers that report in their own way.
struct SumResult {
    SumOutcome outcome = SumOutcome::Done;
    int sheetPosition = 0;    // k: position of the result sheet among all sheets
    int sourcesAdded = 0;     // sources added completely
    int row = 0, column = 0;  // the last cell visited
    std::string file;         // the source being added when the run stopped
    std::string failure;      // what failed, for logs; empty when Done
};

// Runs the summation on the running Excel instance. Failures are reported
// to the user through `port` and in the result; nothing is thrown.
SumResult SumWorkbooks(UserPort& port);

}  // namespace dorvane::summary
