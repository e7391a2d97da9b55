#include "tests/sheetwindow/SheetWindowTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QTest>
#include <stdexcept>

#include "automation/excel/Application.h"
#include "platform/RunningObjectTable.h"
#include "shell/excel/SheetModel.h"

namespace dorvane::shell::testing {

void QuitRunningExcel() {
    while (auto running = platform::RunningObjectTable::Lookup("Excel.Application"))
        std::static_pointer_cast<excel::Application>(running)->Quit();
}

void ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void WindowsTest::SetUp() {
    QuitRunningExcel();
    WorkbookDialogs dialogs;
    dialogs.showMessage = [this](QWidget*, const QString& text, const QString&) { messages.push_back(text); };
    dialogs.askToSave = [this](QWidget*, const QString& name) {
        askedAbout.push_back(name);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question about " << name.toStdString();
            return SaveAnswer::Cancel;
        }
        SaveAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    };
    dialogs.chooseFileToOpen = [this](QWidget*) { return fileToOpen; };
    dialogs.chooseFileToSave = [this](QWidget*, const QString& title, const QString& suggested) {
        saveTitles.push_back(title);
        saveSuggestions.push_back(suggested);
        return fileToSave;
    };
    windows_ = std::make_unique<ExcelWindows>(std::move(dialogs));
}

void WindowsTest::TearDown() {
    windows_.reset();
    QuitRunningExcel();
    ProcessEvents();
}

WorkbookWindow& WindowsTest::OpenWindow(const std::filesystem::path& file) {
    WorkbookWindow* window = windows_->Open(QString::fromStdString(file.string()));
    if (!window) {
        ADD_FAILURE() << "no window for " << file << (messages.empty() ? "" : ": " + messages.back().toStdString());
        throw std::runtime_error("no window");
    }
    ProcessEvents();
    return *window;
}

QPoint CellCentre(SheetGrid& grid, int row, int column) {
    const QModelIndex index = grid.Model().index(row - 1, column - 1);
    grid.scrollTo(index);
    return grid.visualRect(index).center();
}

void ClickCell(SheetGrid& grid, int row, int column, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, CellCentre(grid, row, column));
}

void DragCells(SheetGrid& grid, int fromRow, int fromColumn, int toRow, int toColumn,
               Qt::KeyboardModifiers modifiers) {
    const QPoint from = CellCentre(grid, fromRow, fromColumn);
    const QPoint to = CellCentre(grid, toRow, toColumn);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, modifiers, from);
    // QTest's move carries no modifiers; a user holds Ctrl through the drag.
    QMouseEvent move(QEvent::MouseMove, to, grid.viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     modifiers);
    QApplication::sendEvent(grid.viewport(), &move);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, modifiers, to);
}

QLineEdit* OpenEditor(SheetGrid& grid, int row, int column) {
    ClickCell(grid, row, column);
    QTest::keyClick(&grid, Qt::Key_F2);
    QLineEdit* editor = nullptr;
    for (QLineEdit* candidate : grid.viewport()->findChildren<QLineEdit*>())
        if (candidate->isVisible()) editor = candidate;
    return editor;
}

void ReplaceEditorText(QLineEdit& editor, const QString& text) {
    editor.selectAll();
    QTest::keyClick(&editor, Qt::Key_Delete);
    // Key by key; characters beyond ASCII come as typed text, the way an
    // input method delivers them.
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(&editor, ch.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&editor, &press);
    }
}

void TypeIntoCell(SheetGrid& grid, int row, int column, const QString& text) {
    QLineEdit* editor = OpenEditor(grid, row, column);
    ASSERT_NE(editor, nullptr) << "no editor opened";
    ReplaceEditorText(*editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    ProcessEvents();  // the editor hands its text over from the event loop
}

QString Shown(SheetGrid& grid, int row, int column) {
    return grid.Model().index(row - 1, column - 1).data(Qt::DisplayRole).toString();
}

}  // namespace dorvane::shell::testing
