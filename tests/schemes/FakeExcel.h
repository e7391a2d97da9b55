#pragma once

// A small Excel of the tests' own for what the embedded one cannot show:
// the order of the member calls, and a failure at a chosen call. Each
// workbook is one sheet of cells; saving writes it as a text file (one
// line per cell) to the real path, atomically, so that the operations'
// existence tests see it. Every call is logged as a short text.

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "automation/excel/Excel.h"
#include "platform/UserPort.h"

namespace dorvane::testing {

using FakeCells = std::map<std::pair<int, int>, excel::CellValue>;

struct FakeOffice {
    std::vector<std::string> log;
    // The call whose log text starts with `failOn` fails (AutomationError)
    // the `failOnCount`-th time it is made.
    std::string failOn;
    int failOnCount = 1;
    // Saves report success but write nothing.
    bool savesWriteNothing = false;
    // Workbooks opened from these paths are read-only.
    std::vector<std::string> readOnlyFiles;
    int quits = 0;

    // Logs a call, failing it when it is the chosen one.
    void Call(const std::string& text);
    std::shared_ptr<excel::Application> NewApplication();
    // How many log entries start with `prefix`; the index of the first
    // one at or after `from`, or -1.
    int Count(const std::string& prefix) const;
    int Find(const std::string& prefix, int from = 0) const;
};

// The cells of a file the fake saved.
FakeCells ReadFakeFile(const std::string& path);
void WriteFakeFile(const std::string& path, const FakeCells& cells);

// A user port that logs each message into the office's log.
class LoggingPort : public UserPort {
public:
    explicit LoggingPort(FakeOffice& office) : office_(office) {}
    void ShowMessage(const std::string& text, const std::string& title) override {
        office_.log.push_back("Message:" + text);
    }
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }

private:
    FakeOffice& office_;
};

}  // namespace dorvane::testing
