#pragma once

// Writes a report-like .docx for the benchmark: many tables of Chinese
// labels and figures, some with merged cells, between short paragraphs.

#include <filesystem>

namespace dorvane::bench {

struct ReportShape {
    int tables = 500;
    int rows = 20;
    int columns = 8;
};

void WriteReport(const std::filesystem::path& file, const ReportShape& shape);

}  // namespace dorvane::bench
