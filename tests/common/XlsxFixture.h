#pragma once

// Small .xlsx workbooks for tests, written from XML strings: the sheets'
// <sheetData> content, shared strings, number formats. The zip is written
// here (stored, uncompressed), independently of the program's own package
// code, so that tests read files the program did not write itself.
//
//   XlsxFixture()
//       .Sheet("Data", R"(<row r="1"><c r="A1"><v>1.5</v></c></row>)")
//       .SharedStrings({"甲", "乙"})
//       .Write(dir / "book.xlsx");

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace dorvane::testing {

class XlsxFixture {
public:
    // A worksheet: `sheetData` is the inner XML of <sheetData>; `before`
    // goes between <worksheet> and <sheetData> (dimension, sheetViews,
    // cols), `after` after it (mergeCells...). State "hidden" hides it.
    XlsxFixture& Sheet(std::string name, std::string sheetData, std::string before = {}, std::string after = {},
                       std::string state = {});
    // A chart sheet (its drawing is left out: enough for sheet lists).
    XlsxFixture& ChartSheet(std::string name);
    XlsxFixture& SharedStrings(std::vector<std::string> strings);
    // Inner XML of <numFmts> and of <cellXfs> (the default xf 0 is added
    // first unless `cellXfs` is given).
    XlsxFixture& Styles(std::string numFmts, std::string cellXfs);
    XlsxFixture& Date1904();
    // Extra XML in <workbook> after <sheets> (definedNames, calcPr).
    XlsxFixture& WorkbookExtra(std::string xml);
    // The active sheet (0-based) recorded in the workbook view.
    XlsxFixture& ActiveTab(int index);

    // The parts, in zip order.
    std::vector<std::pair<std::string, std::string>> Parts() const;
    std::filesystem::path Write(const std::filesystem::path& file) const;

private:
    struct SheetEntry {
        std::string name, sheetData, before, after, state;
        bool chart = false;
    };
    std::vector<SheetEntry> sheets_;
    std::vector<std::string> strings_;
    bool hasStrings_ = false;
    std::string numFmts_, cellXfs_;
    bool date1904_ = false;
    std::string workbookExtra_;
    int activeTab_ = 0;
};

// Writes a zip of stored (uncompressed) entries.
void WriteZip(const std::filesystem::path& file, const std::vector<std::pair<std::string, std::string>>& entries);

// Escapes &, <, > and " for XML text and attributes.
std::string XmlEscape(const std::string& text);

}  // namespace dorvane::testing
