#pragma once

// A result workbook and its folder "自动汇总" in a temporary folder, opened
// in an embedded Excel registered as the running one, as the user leaves
// things before pressing the summary button.

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "automation/embedded/excel/EmbeddedExcel.h"
#include "summary/Summation.h"
#include "tests/common/TestSupport.h"
#include "tests/summary/RecordingPort.h"
#include "tests/summary/XlsxWriter.h"

namespace dorvane::excel {

// Readable cell values in test failures.
inline void PrintTo(const CellValue& value, std::ostream* out) {
    switch (value.kind()) {
    case CellValue::Kind::Empty: *out << "(empty)"; break;
    case CellValue::Kind::Number: *out << "number " << value.AsNumber(); break;
    case CellValue::Kind::Date: *out << "date " << value.AsNumber(); break;
    case CellValue::Kind::Boolean: *out << (value.AsBoolean() ? "TRUE" : "FALSE"); break;
    case CellValue::Kind::Text: *out << "text \"" << value.AsText() << "\""; break;
    case CellValue::Kind::Error: *out << "error " << value.AsText(); break;
    }
}

}  // namespace dorvane::excel

namespace dorvane::testing {

class SumWorkspace {
public:
    SumWorkspace();
    ~SumWorkspace();

    std::filesystem::path Folder() const { return dir_ / "自动汇总"; }
    std::filesystem::path ResultFile() const { return dir_ / "result.xlsx"; }
    const std::filesystem::path& Dir() const { return dir_.path(); }

    void Source(const std::string& name, const std::vector<FixtureSheet>& sheets) const {
        WriteXlsx(Folder() / name, sheets);
    }
    void Result(const std::vector<FixtureSheet>& sheets) const { WriteXlsx(ResultFile(), sheets); }

    // Opens the result workbook in a new registered Excel, activates the
    // sheet and selects the range on it.
    excel::Application& Open(const std::string& sheet, const std::string& range);
    summary::SumResult Run() { return summary::SumWorkbooks(port); }

    excel::Workbook& ResultBook() { return *app->Workbooks()->Item(1); }
    excel::CellValue Value(const std::string& sheet, const std::string& address);
    // The number in that cell of the result; fails the test for anything else.
    double Number(const std::string& sheet, const std::string& address);
    void ExpectDisplayOn();

    RecordingPort port;
    std::shared_ptr<embedded::ExcelApplication> app;

private:
    TempDir dir_;
};

}  // namespace dorvane::testing
