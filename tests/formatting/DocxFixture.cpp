#include "tests/formatting/DocxFixture.h"

#include <sstream>
#include <vector>

#include "automation/embedded/package/Package.h"

namespace dorvane::formatting::testing {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.push_back("");
    return parts;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

std::string CellParagraphs(const std::string& text, const TableOptions& o) {
    // "\n" inside a cell's text starts a second paragraph.
    std::string xml;
    for (const auto& line : Split(text.empty() ? std::string(" ") : text, '\n')) {
        xml += "<w:p>";
        if (!o.paragraphProps.empty()) xml += "<w:pPr>" + o.paragraphProps + "</w:pPr>";
        std::string t = text.empty() ? "" : line;
        xml += "<w:r>";
        if (!o.runProps.empty()) xml += "<w:rPr>" + o.runProps + "</w:rPr>";
        xml += "<w:t xml:space=\"preserve\">" + Escape(t) + "</w:t></w:r></w:p>";
    }
    return xml;
}

}  // namespace

std::string ParagraphXml(const std::string& text) {
    return "<w:p><w:r><w:t xml:space=\"preserve\">" + Escape(text) + "</w:t></w:r></w:p>";
}

std::string TableXml(const std::string& grid, const TableOptions& o) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : Split(grid, ';')) rows.push_back(Split(row, '|'));
    std::size_t columns = 0;
    for (const auto& row : rows) columns = std::max(columns, row.size());

    std::string xml = "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/>";
    if (o.borders) {
        xml += "<w:tblBorders>";
        for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
            xml += std::string("<w:") + side + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
        xml += "</w:tblBorders>";
    }
    xml += o.extraTblPr + "</w:tblPr><w:tblGrid>";
    for (std::size_t c = 0; c < columns; ++c) xml += "<w:gridCol w:w=\"1500\"/>";
    xml += "</w:tblGrid>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        xml += "<w:tr>";
        const auto& row = rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (row[c] == "<") continue;
            int span = 1;
            while (c + span < row.size() && row[c + span] == "<") ++span;
            bool continues = row[c] == "^";
            bool restarts = !continues && r + 1 < rows.size() && c < rows[r + 1].size() &&
                            rows[r + 1][c] == "^";
            xml += "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(1500 * span) + "\" w:type=\"dxa\"/>";
            if (span > 1) xml += "<w:gridSpan w:val=\"" + std::to_string(span) + "\"/>";
            if (restarts) xml += "<w:vMerge w:val=\"restart\"/>";
            if (continues) xml += "<w:vMerge/>";
            xml += "</w:tcPr>" + CellParagraphs(continues ? "" : row[c], o) + "</w:tc>";
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

void WriteDocx(const std::filesystem::path& file, const std::string& bodyXml) {
    auto package = embedded::Package::Create();
    package->SetRawPart(
        "[Content_Types].xml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>");
    package->SetRawPart(
        "_rels/.rels",
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/officeDocument\" Target=\"word/document.xml\"/></Relationships>");
    package->SetRawPart(
        "word/document.xml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:body>" + bodyXml +
        "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1440\" w:right=\"1800\" "
        "w:bottom=\"1440\" w:left=\"1800\"/></w:sectPr></w:body></w:document>");
    package->SaveAs(file);
}

std::string ReadPart(const std::filesystem::path& file, const std::string& part) {
    auto package = embedded::Package::Open(file, "test");
    return package->RawPart(part);
}

}  // namespace dorvane::formatting::testing
