#pragma once

// What the scheme tests share: drive D: in a temporary folder, a port that
// records messages, and reading or writing the first sheet of a workbook
// through the embedded Excel.

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "automation/excel/CellValue.h"
#include "platform/UserPort.h"
#include "tests/common/TestSupport.h"

namespace dorvane::testing {

class TemporaryDriveD {
public:
    TemporaryDriveD() { ::setenv("DORVANE_DRIVE_D", folder_.path().c_str(), 1); }
    ~TemporaryDriveD() { ::unsetenv("DORVANE_DRIVE_D"); }
    const std::filesystem::path& Folder() const { return folder_.path(); }
    // Where d:\paibanfangan.xls lives on this machine.
    std::filesystem::path SchemeFile() const { return folder_.path() / "paibanfangan.xls"; }

private:
    TempDir folder_;
};

// Records each message; runs `onMessage` (when set) while it is showing.
class MessagePort : public UserPort {
public:
    void ShowMessage(const std::string& text, const std::string& title) override {
        messages.push_back(text);
        if (onMessage) onMessage(text);
    }
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }

    std::vector<std::string> messages;
    std::function<void(const std::string&)> onMessage;
};

// The non-empty cells of a sheet, by (row, column).
using SheetCells = std::map<std::pair<int, int>, excel::CellValue>;

// The non-empty cells of the first sheet, rows 1-40 and columns 1-4, read
// through a fresh instance of the embedded Excel.
SheetCells ReadFirstSheet(const std::filesystem::path& file);
// A new workbook holding these cells on its first sheet, saved as `file`.
void WriteWorkbook(const std::filesystem::path& file, const SheetCells& cells);
// Changes cells of the first sheet of an existing workbook and saves it.
void EditWorkbook(const std::filesystem::path& file, const SheetCells& cells);

}  // namespace dorvane::testing
