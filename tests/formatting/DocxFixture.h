#pragma once

// Small .docx files written by the tests, and a compact way to describe
// their tables: rows separated by ';', cells by '|'. A cell reading "<"
// continues the cell on its left (a horizontal merge); "^" continues the
// cell above (a vertical merge).

#include <filesystem>
#include <string>

namespace dorvane::formatting::testing {

struct TableOptions {
    bool borders = true;          // single lines all round and inside
    std::string extraTblPr;       // appended inside w:tblPr
    std::string paragraphProps;   // w:pPr content of every cell paragraph
    std::string runProps;         // w:rPr content of every run
};

// "a|b;1|2" as table XML.
std::string TableXml(const std::string& grid, const TableOptions& options = {});
// One paragraph of body text.
std::string ParagraphXml(const std::string& text);
// Writes a document whose body holds `bodyXml`.
void WriteDocx(const std::filesystem::path& file, const std::string& bodyXml);
// The XML of one part of a saved package, for checks a reader would make.
std::string ReadPart(const std::filesystem::path& file, const std::string& part);

}  // namespace dorvane::formatting::testing
