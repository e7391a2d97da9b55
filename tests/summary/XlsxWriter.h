#pragma once

// Small multi-sheet .xlsx workbooks from typed cells, for the summation's
// sources and result workbooks (written through XlsxFixture).

#include <filesystem>
#include <string>
#include <vector>

#include "automation/excel/CellValue.h"

namespace dorvane::testing {

struct FixtureCell {
    std::string address;         // "B2"
    excel::CellValue value;      // Number, Text, Boolean, Error or Date
    std::string numberFormat{};  // e.g. "0.0"; empty: General (dates: yyyy-mm-dd)
};

struct FixtureSheet {
    std::string name;
    std::vector<FixtureCell> cells{};
    bool chart = false;   // a chart sheet (no cells)
    bool hidden = false;
};

void WriteXlsx(const std::filesystem::path& file, const std::vector<FixtureSheet>& sheets);

// A sheet whose cells A1.. hold the numbers of `rows`, row by row.
FixtureSheet NumberSheet(const std::string& name, const std::vector<std::vector<double>>& rows);

}  // namespace dorvane::testing
