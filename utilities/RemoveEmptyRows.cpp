#include "utilities/RemoveEmptyRows.h"

#include <string>
#include <string_view>

#include "automation/word/Word.h"
#include "platform/UserPort.h"
#include "utilities/TolerantStep.h"
#include "utilities/WordText.h"

namespace dorvane::utilities {
namespace {

// The cell texts of row `row`, each trimmed of spaces, joined and trimmed
// again. A cell that does not exist in the row contributes nothing.
std::string RowText(word::Table& table, int row, int columns) {
    std::string text;
    for (int column = 1; column <= columns; ++column) {
        auto cellText = TryValue([&] { return table.Cell(row, column)->Range()->Text(); });
        if (cellText) text += TrimSpaces(*cellText);
    }
    return std::string(TrimSpaces(text));
}

// Each cell's text ends with the two-character end-of-cell mark, so a row
// of `columns` cells holding nothing but spaces is shorter than 2 × C + 1.
bool IsEmptyRow(word::Table& table, int row, int columns) {
    return Utf16Length(RowText(table, row, columns)) < 2L * columns + 1;
}

// Selects the row from the start of its first cell to the end of its
// last, and deletes it unless Word refuses to count the selection's
// columns (merged cells or mixed widths). Returns whether it was deleted.
bool DeleteRow(word::Application& word, word::Document& document, word::Table& table,
               int row, int columns) {
    return TryStep([&] {
        long start = table.Cell(row, 1)->Range()->Start();
        long end = table.Cell(row, columns)->Range()->End();
        document.Range(start, end)->Select();
        auto selection = word.Selection();
        selection->Columns()->Count();
        selection->Rows()->Delete();
    });
}

// Bottom-up from the last row to row 3: deleting a row leaves the numbers
// of the rows above it, still to be examined, unchanged.
int RemoveEmptyRowsOfTable(word::Application& word, word::Document& document, int index) {
    auto table = TryValue([&] { return document.Tables()->Item(index); });
    if (!table) return 0;
    auto rows = TryValue([&] { return (*table)->Rows()->Count(); });
    auto columns = TryValue([&] { return (*table)->Columns()->Count(); });
    if (!rows || !columns) return 0;
    int deleted = 0;
    for (int row = *rows; row >= 3; --row) {
        if (!IsEmptyRow(**table, row, *columns)) continue;
        if (DeleteRow(word, document, **table, row, *columns)) ++deleted;
    }
    return deleted;
}

}  // namespace

int RemoveEmptyRows(word::Application& word, UserPort& port) {
    port.HideMainWindow();
    int deleted = 0;
    auto document = TryValue([&] { return word.ActiveDocument(); });
    auto tables = document ? TryValue([&] { return (*document)->Tables()->Count(); })
                           : std::nullopt;
    for (int index = 1; tables && index <= *tables; ++index)
        deleted += RemoveEmptyRowsOfTable(word, **document, index);
    port.ShowMessage("完成!共删除" + std::to_string(deleted) + "行.");
    port.ShowMainWindow();
    return deleted;
}

}  // namespace dorvane::utilities
