// bench-sum: the whole summation of 100 source workbooks over a region of
// 100 x 100 cells, through the embedded Excel, as the toolbar runs it.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"
#include "platform/RunningObjectTable.h"
#include "platform/UserPort.h"
#include "summary/Summation.h"

namespace {

using namespace dorvane;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kSources = 100;
constexpr int kRows = 100;
constexpr int kColumns = 100;

class CountingPort : public UserPort {
public:
    void ShowMessage(const std::string& text, const std::string&) override {
        ++messages;
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }
    int messages = 0;
};

double SourceValue(int source, int row, int column) {
    return source + row * 0.25 + column * 0.5;
}

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void WriteSources(const fs::path& folder) {
    auto app = CreateExcelApplication();
    for (int s = 1; s <= kSources; ++s) {
        auto book = app->Workbooks()->Add();
        auto sheet = book->Worksheets()->Item(1);
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= kColumns; ++c)
                sheet->Cells(r, c)->SetValue(excel::CellValue::Number(SourceValue(s, r, c)));
        char name[32];
        std::snprintf(name, sizeof name, "source%03d.xlsx", s);
        book->SaveAs((folder / "自动汇总" / name).string());
        book->Close(false);
    }
    auto result = app->Workbooks()->Add();
    result->SaveAs((folder / "result.xlsx").string());
    result->Close(false);
    app->Quit();
}

// Checks a few sums against the values written.
bool Verify(excel::Sheet& sheet) {
    for (int r : {1, 50, kRows})
        for (int c : {1, 37, kColumns}) {
            double expected = 0;
            for (int s = 1; s <= kSources; ++s) expected += SourceValue(s, r, c);
            auto value = sheet.Cells(r, c)->Value();
            if (value.kind() != excel::CellValue::Kind::Number ||
                std::fabs(value.AsNumber() - expected) > 1e-9)
                return false;
        }
    return true;
}

}  // namespace

int main() {
    fs::path folder = fs::temp_directory_path() / ("dorvane-bench-sum-" + std::to_string(::getpid()));
    fs::create_directories(folder / "自动汇总");

    auto start = Clock::now();
    WriteSources(folder);
    std::printf("writing %d sources of %d x %d cells: %.3f s\n", kSources, kRows, kColumns,
                Seconds(start));

    auto app = CreateExcelApplication();
    platform::RunningObjectTable::Register("Excel.Application", app);
    auto result = app->Workbooks()->Open((folder / "result.xlsx").string());
    auto sheet = result->Worksheets()->Item(1);
    sheet->Range("A1:CV100")->Select();

    CountingPort port;
    start = Clock::now();
    std::clock_t cpuStart = std::clock();
    summary::SumResult outcome = summary::SumWorkbooks(port);
    double seconds = Seconds(start);
    double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    bool correct = outcome.outcome == summary::SumOutcome::Done && port.messages == 0 &&
                   outcome.sourcesAdded == kSources && Verify(*sheet);

    std::printf("summation of %d sources x %d x %d cells: %.3f s elapsed, %.3f s CPU "
                "(goal: under 2 s)%s\n",
                kSources, kRows, kColumns, seconds, cpuSeconds, correct ? "" : "  WRONG RESULT");
    platform::RunningObjectTable::Revoke("Excel.Application", app.get());
    app->Quit();
    std::error_code ec;
    fs::remove_all(folder, ec);
    return correct ? 0 : 1;
}
