#pragma once

// One table-formatting run: every table of the active document (or the one
// table holding the selection while the single-table window is showing)
// gets the format the options describe.

#include <functional>

#include "automation/word/Word.h"
#include "formatting/FormatRunState.h"
#include "formatting/FormatSettings.h"
#include "platform/UserPort.h"

namespace dorvane::formatting {

struct FormatTablesReport {
    int visited = 0;    // tables visited (N)
    int formatted = 0;  // tables that received the steps
    int skipped = 0;    // special tables left alone
};

// The run. Parses the number fields first (NumberFieldError before
// anything changes), hides the main window, adds thousands separators when
// Check4 is ticked, formats the tables, shows "完成" and the main window
// again. A failure it does not handle stops it where it happens and goes
// through as an exception, with the main window still hidden: callers use
// RunReportingFailure.
FormatTablesReport FormatTables(word::Application& app, const FormatSettings& settings,
                                FormatRunState& state, UserPort& port);

// Runs an operation on behalf of the shell or a batch tool. When it throws,
// shows a message naming the failure, shows the main window again and
// returns false; the program keeps running.
bool RunReportingFailure(UserPort& port, const std::function<void()>& operation);

// The message RunReportingFailure shows for an exception.
std::string FailureMessage(const std::exception& failure);

}  // namespace dorvane::formatting
