// Opens 100 workbooks of 100 x 100 numbers through new Excel instances and
// reads every cell one by one through Cells(r, c).Value, as the summation
// does; prints the time and the peak memory.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"

using namespace dorvane;
using dorvane::excel::CellValue;

namespace {

constexpr int kWorkbooks = 100;
constexpr int kRows = 100;
constexpr int kColumns = 100;

std::filesystem::path MakeFolder() {
    std::random_device rd;
    auto folder = std::filesystem::temp_directory_path() / ("dorvane-bench-excel-" + std::to_string(rd()));
    std::filesystem::create_directories(folder);
    return folder;
}

void Generate(const std::filesystem::path& folder) {
    auto app = CreateExcelApplication();
    for (int i = 0; i < kWorkbooks; ++i) {
        auto book = app->Workbooks()->Add();
        auto sheet = book->Sheets()->Item(1);
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= kColumns; ++c) sheet->Cells(r, c)->SetValue(CellValue::Number(i + r * 0.5 + c * 0.25));
        book->SaveAs((folder / ("book" + std::to_string(i) + ".xlsx")).string());
        book->Close(false);
    }
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main() {
    auto folder = MakeFolder();
    Generate(folder);
    long before = PeakKilobytes();

    auto start = std::chrono::steady_clock::now();
    double sum = 0;
    long cells = 0;
    for (int i = 0; i < kWorkbooks; ++i) {
        auto app = CreateExcelApplication();
        auto book = app->Workbooks()->Open((folder / ("book" + std::to_string(i) + ".xlsx")).string());
        auto sheet = book->Sheets()->Item(1);
        for (int r = 1; r <= kRows; ++r) {
            for (int c = 1; c <= kColumns; ++c) {
                CellValue value = sheet->Cells(r, c)->Value();
                sum += value.AsNumber();
                ++cells;
            }
        }
        book->Close(false);
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("workbooks: %d of %d x %d numbers\n", kWorkbooks, kRows, kColumns);
    std::printf("cells read: %ld (checksum %.2f)\n", cells, sum);
    std::printf("open + read + close: %.3f s total, %.1f ms per workbook (goal: under 2 s)\n", seconds,
                seconds * 1000 / kWorkbooks);
    std::printf("peak memory: %.1f MB (%.1f MB after generating)\n", PeakKilobytes() / 1024.0, before / 1024.0);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return 0;
}
