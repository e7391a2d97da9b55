#pragma once

// What the workbook window tests share: a set of workbook windows whose
// dialogs are answered by the test (messages recorded, the save question
// answered from a list, file choosers answered with given names), and
// clicks and typing on the real grid.

#include <QString>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "shell/excel/ExcelWindows.h"
#include "shell/excel/SheetGrid.h"
#include "shell/excel/WorkbookWindow.h"
#include "tests/common/TestSupport.h"

class QLineEdit;

namespace dorvane::shell::testing {

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ExcelWindows& windows() { return *windows_; }
    // Opens a workbook; fails the test when no window comes.
    WorkbookWindow& OpenWindow(const std::filesystem::path& file);

    dorvane::testing::TempDir temp;
    std::vector<QString> messages;
    std::vector<QString> askedAbout;      // workbooks the save question named
    std::deque<SaveAnswer> answers;       // the answers to it, in order
    QString fileToOpen;                   // what the open chooser answers
    QString fileToSave;                   // what the save chooser answers
    std::vector<QString> saveSuggestions; // what the save chooser was offered
    std::vector<QString> saveTitles;

private:
    std::unique_ptr<ExcelWindows> windows_;
};

// Quits every Excel registered as running, so the next test starts clean.
void QuitRunningExcel();
// Lets queued work (the windows following the instance) run.
void ProcessEvents();

// Grid cells, 1-based.
QPoint CellCentre(SheetGrid& grid, int row, int column);
void ClickCell(SheetGrid& grid, int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Presses on one cell and releases on another, holding the modifiers.
void DragCells(SheetGrid& grid, int fromRow, int fromColumn, int toRow, int toColumn,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks the cell and opens its editor with F2; nullptr when none opened.
QLineEdit* OpenEditor(SheetGrid& grid, int row, int column);
// Selects the editor's text and types over it, key by key.
void ReplaceEditorText(QLineEdit& editor, const QString& text);
// Opens the cell's editor, replaces the text and presses Enter.
void TypeIntoCell(SheetGrid& grid, int row, int column, const QString& text);
// The text the grid shows in a cell.
QString Shown(SheetGrid& grid, int row, int column);

}  // namespace dorvane::shell::testing
