#include "tests/word/Docx.h"

#include <sstream>
#include <vector>

#include "automation/embedded/package/Package.h"

namespace dorvane::word_testing {

namespace {

const char* kNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:v=\"urn:schemas-microsoft-com:vml\""
    " xmlns:o=\"urn:schemas-microsoft-com:office:office\"";
const char* kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::stringstream stream(text);
    for (std::string item; std::getline(stream, item, sep);) out.push_back(item);
    if (!text.empty() && text.back() == sep) out.emplace_back();
    return out;
}

}  // namespace

std::string P(const std::string& text, const std::string& pPr) {
    std::string xml = "<w:p>";
    if (!pPr.empty()) xml += "<w:pPr>" + pPr + "</w:pPr>";
    if (!text.empty()) xml += "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
    return xml + "</w:p>";
}

std::string Tbl(const std::string& grid, const std::string& tblPr) {
    auto rows = Split(grid, ';');
    std::vector<std::vector<std::string>> cells;
    std::size_t columns = 0;
    for (const auto& row : rows) {
        cells.push_back(Split(row, '|'));
        columns = std::max(columns, cells.back().size());
    }
    std::string xml = "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/>" + tblPr + "</w:tblPr><w:tblGrid>";
    for (std::size_t c = 0; c < columns; ++c) xml += "<w:gridCol w:w=\"1200\"/>";
    xml += "</w:tblGrid>";
    for (std::size_t r = 0; r < cells.size(); ++r) {
        xml += "<w:tr>";
        const auto& row = cells[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (row[c] == "<") continue;
            int span = 1;
            while (c + span < row.size() && row[c + span] == "<") ++span;
            std::string tcPr = "<w:tcW w:w=\"" + std::to_string(1200 * span) + "\" w:type=\"dxa\"/>";
            if (span > 1) tcPr += "<w:gridSpan w:val=\"" + std::to_string(span) + "\"/>";
            bool continues = row[c] == "^";
            bool starts = !continues && r + 1 < cells.size() && c < cells[r + 1].size() && cells[r + 1][c] == "^";
            if (continues) tcPr += "<w:vMerge/>";
            if (starts) tcPr += "<w:vMerge w:val=\"restart\"/>";
            xml += "<w:tc><w:tcPr>" + tcPr + "</w:tcPr>" + P(continues ? "" : row[c]) + "</w:tc>";
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

std::filesystem::path WriteDocx(const std::filesystem::path& file, const std::string& body) {
    DocxParts parts;
    parts.body = body;
    return WriteDocx(file, parts);
}

std::filesystem::path WriteDocx(const std::filesystem::path& file, const DocxParts& parts) {
    auto package = embedded::Package::Create();
    std::string types;
    if (parts.contentTypes) {
        types = std::string(kDecl) +
                "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                "<Default Extension=\"xlsx\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet\"/>"
                "<Default Extension=\"png\" ContentType=\"image/png\"/>"
                "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
                "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>";
        if (!parts.styles.empty())
            types += "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
                     "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>";
        if (!parts.settings.empty())
            types += "<Override PartName=\"/word/settings.xml\" ContentType=\"application/"
                     "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>";
        types += "</Types>";
    }
    package->SetRawPart("[Content_Types].xml", types);
    package->SetRawPart("_rels/.rels", std::string(kDecl) +
                                           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                           "relationships\"><Relationship Id=\"rId1\" Type=\"" + kRelNs +
                                           "officeDocument\" Target=\"word/document.xml\"/></Relationships>");
    package->SetRawPart("word/document.xml", std::string(kDecl) + "<w:document" + kNamespaces + "><w:body>" +
                                                 parts.body + "</w:body></w:document>");
    std::string rels = std::string(kDecl) +
                       "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    if (!parts.styles.empty()) {
        package->SetRawPart("word/styles.xml",
                            std::string(kDecl) + "<w:styles" + kNamespaces + ">" + parts.styles + "</w:styles>");
        rels += std::string("<Relationship Id=\"rIdStyles\" Type=\"") + kRelNs + "styles\" Target=\"styles.xml\"/>";
    }
    if (!parts.settings.empty()) {
        package->SetRawPart("word/settings.xml",
                            std::string(kDecl) + "<w:settings" + kNamespaces + ">" + parts.settings + "</w:settings>");
        rels += std::string("<Relationship Id=\"rIdSettings\" Type=\"") + kRelNs +
                "settings\" Target=\"settings.xml\"/>";
    }
    for (const auto& [id, rel] : parts.relationships)
        rels += "<Relationship Id=\"" + id + "\" Type=\"" + kRelNs + rel.first + "\" Target=\"" + rel.second + "\"/>";
    rels += "</Relationships>";
    package->SetRawPart("word/_rels/document.xml.rels", rels);
    for (const auto& [name, bytes] : parts.extraParts) package->SetRawPart(name, bytes);
    package->SaveAs(file);
    return file;
}

std::string ReadPart(const std::filesystem::path& file, const std::string& part) {
    auto package = embedded::Package::Open(file, "test");
    return package->RawPart(part);
}

}  // namespace dorvane::word_testing
