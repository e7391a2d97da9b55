// bench-format: open a 500-table report, format every table with every
// option set, save; prints the time of each phase. Goal: under 1 second.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>

#include "automation/Instances.h"
#include "automation/embedded/package/XmlTreeMemory.h"
#include "automation/word/Word.h"
#include "bench/format/ReportGenerator.h"
#include "formatting/FormatTables.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

class QuietPort : public dorvane::UserPort {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }
};

dorvane::formatting::FormatSettings EveryOption() {
    dorvane::formatting::FormatSettings s;
    s.Combo2 = "宋体";
    s.Combo12 = "Times New Roman";
    s.Combo3 = "五号";
    s.Combo1 = "1.5";
    s.Combo8 = "0.60";
    s.Combo7 = "指定宽度";
    s.Combo13 = "16";
    s.Combo6 = "0.4";
    s.Combo4 = "0.5";
    s.Check4 = 1;  // thousands separators
    s.Combo9 = "居中 黑体";
    s.Combo10 = "居左";
    s.Combo11 = "数字居右,其他居中";
    s.Check5 = 1;
    s.Check6 = 1;
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    dorvane::bench::ReportShape shape;
    if (argc > 1) shape.tables = std::atoi(argv[1]);
    fs::path dir = fs::temp_directory_path() / ("bench-format-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path input = dir / "report.docx", output = dir / "formatted.docx";

    auto t0 = Clock::now();
    dorvane::bench::WriteReport(input, shape);
    auto t1 = Clock::now();
    auto app = dorvane::CreateWordApplication();
    auto document = app->Documents()->Open(input.string());
    auto t2 = Clock::now();
    QuietPort port;
    dorvane::formatting::FormatRunState state;
    auto report = dorvane::formatting::FormatTables(*app, EveryOption(), state, port);
    auto t3 = Clock::now();
    document->SaveAs(output.string());
    auto t4 = Clock::now();
    document->Close();
    app->Quit();

    std::printf("report: %d tables of %d x %d cells, %.1f KiB\n", shape.tables, shape.rows,
                shape.columns, fs::file_size(input) / 1024.0);
    std::printf("tables visited %d, formatted %d, skipped %d\n", report.visited, report.formatted,
                report.skipped);
    std::printf("generate %.3f s\nopen     %.3f s\nformat   %.3f s\nsave     %.3f s\n",
                Seconds(t0, t1), Seconds(t1, t2), Seconds(t2, t3), Seconds(t3, t4));
    std::printf("open + format + save: %.3f s (goal under 1 s)\n", Seconds(t1, t4));
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory %.1f MiB, of which XML trees %.1f MiB\n", usage.ru_maxrss / 1024.0,
                dorvane::embedded::XmlTreeMemoryReserved() / (1024.0 * 1024.0));
    if (!std::getenv("DORVANE_BENCH_KEEP")) fs::remove_all(dir);
    return 0;
}
