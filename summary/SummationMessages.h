#pragma once

// The texts the summation shows the user, character for character.

#include <string>

namespace dorvane::summary {

// Title of the messages that interrupt the adding up of the sources.
inline constexpr const char* kInterruptedTitle = "计算中断";

// More than the result workbook is open (hidden workbooks count).
std::string OtherWorkbooksOpenMessage();
// No running Excel, no workbook, no range selected, or any other failure
// while preparing the run.
std::string NoWorkbookMessage();
// The folder "自动汇总" beside the result workbook does not exist.
std::string FolderMissingMessage();
// A source has fewer worksheets than the position of the result sheet.
std::string TooFewWorksheetsMessage(int sheetPosition);
// A cell of a source could not be added; shown under kInterruptedTitle.
std::string DataErrorMessage(int row, int column);
// A source could not be opened or read before any of its cells was
// visited; shown under kInterruptedTitle.
std::string SourceUnreadableMessage(const std::string& fileName);

}  // namespace dorvane::summary
