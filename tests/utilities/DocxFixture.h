#pragma once

// Small .docx and .xlsx files written from XML strings, for tests that
// need a document shaped just so: tables with empty or merged rows,
// fields, section breaks, embedded worksheets and pictures.

#include <filesystem>
#include <string>
#include <vector>

namespace dorvane::testing {

// A paragraph of one run; "\t" in the text becomes a tab. pPr is the raw
// content of w:pPr (e.g. "<w:jc w:val=\"center\"/>").
std::string Para(const std::string& text, const std::string& pPr = {});
// A table cell holding `content` (paragraphs); an empty content gets one
// empty paragraph. tcPr is the raw content of w:tcPr besides its width.
std::string Cell(const std::string& content = {}, const std::string& tcPr = {});
std::string Row(const std::vector<std::string>& cells);
// A row whose every cell is one paragraph of the given text.
std::string TextRow(const std::vector<std::string>& texts);
// A table of `columns` grid columns (each 1500 twips) with single borders.
std::string Table(int columns, const std::vector<std::string>& rows);
// A table whose every cell is one paragraph of the given text.
std::string TextTable(const std::vector<std::vector<std::string>>& texts);

// An embedded OLE object (w:object) of the given ProgID whose data is the
// part behind `objectRelId`, shown as the picture behind `imageRelId`.
std::string EmbeddedObject(const std::string& progId, const std::string& objectRelId,
                           const std::string& imageRelId);
// An inline picture (w:drawing) of the picture behind `imageRelId`.
std::string InlinePicture(const std::string& imageRelId, int id);

struct Relationship {
    std::string id;
    std::string type;    // the last segment: "image", "package", ...
    std::string target;  // relative to word/
};

struct DocxParts {
    std::string body;  // content of w:body before its final w:sectPr
    std::vector<Relationship> relationships;
    std::vector<std::pair<std::string, std::string>> parts;  // name, bytes
};

void WriteDocx(const std::filesystem::path& file, const DocxParts& parts);
// A document whose body is `body`.
void WriteDocx(const std::filesystem::path& file, const std::string& body);

// The bytes of an .xlsx workbook with one worksheet "Sheet1" whose rows
// start at A1; a text that reads as a number is stored as a number.
std::string XlsxBytes(const std::vector<std::vector<std::string>>& rows);
// A 1 x 1 pixel PNG picture.
std::string PngBytes();

}  // namespace dorvane::testing
