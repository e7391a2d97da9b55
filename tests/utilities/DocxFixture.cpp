#include "tests/utilities/DocxFixture.h"

#include <algorithm>

#include "automation/embedded/package/Package.h"
#include "platform/TextNumber.h"
#include "tests/common/XlsxFixture.h"

namespace dorvane::testing {
namespace {

const char* const kWordNamespaces =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:v=\"urn:schemas-microsoft-com:vml\" "
    "xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"";

const char* const kRelationshipsNs =
    "http://schemas.openxmlformats.org/package/2006/relationships";
const char* const kOfficeRelTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
const char* const kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

std::string TextRun(const std::string& text) {
    return "<w:r><w:t xml:space=\"preserve\">" + XmlEscape(text) + "</w:t></w:r>";
}

std::string Relationships(const std::vector<Relationship>& relationships) {
    std::string xml = std::string(kXmlDeclaration) + "<Relationships xmlns=\"" +
                      kRelationshipsNs + "\">";
    for (const auto& rel : relationships) {
        std::string type = rel.type.find(':') == std::string::npos
                               ? kOfficeRelTypes + rel.type
                               : rel.type;
        xml += "<Relationship Id=\"" + rel.id + "\" Type=\"" + type + "\" Target=\"" +
               rel.target + "\"/>";
    }
    return xml + "</Relationships>";
}

std::string ColumnName(int column) {  // 1-based
    std::string name;
    for (; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

}  // namespace

std::string Para(const std::string& text, const std::string& pPr) {
    std::string xml = "<w:p>";
    if (!pPr.empty()) xml += "<w:pPr>" + pPr + "</w:pPr>";
    std::size_t from = 0;
    for (;;) {
        std::size_t tab = text.find('\t', from);
        std::string piece = text.substr(from, tab == std::string::npos ? tab : tab - from);
        if (!piece.empty()) xml += TextRun(piece);
        if (tab == std::string::npos) break;
        xml += "<w:r><w:tab/></w:r>";
        from = tab + 1;
    }
    return xml + "</w:p>";
}

std::string Cell(const std::string& content, const std::string& tcPr) {
    return "<w:tc><w:tcPr><w:tcW w:w=\"1500\" w:type=\"dxa\"/>" + tcPr + "</w:tcPr>" +
           (content.empty() ? "<w:p/>" : content) + "</w:tc>";
}

std::string Row(const std::vector<std::string>& cells) {
    std::string xml = "<w:tr>";
    for (const auto& cell : cells) xml += cell;
    return xml + "</w:tr>";
}

std::string TextRow(const std::vector<std::string>& texts) {
    std::vector<std::string> cells;
    for (const auto& text : texts) cells.push_back(Cell(Para(text)));
    return Row(cells);
}

std::string Table(int columns, const std::vector<std::string>& rows) {
    std::string xml =
        "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/><w:tblBorders>"
        "<w:top w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
        "<w:left w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
        "<w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
        "<w:right w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
        "<w:insideH w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
        "<w:insideV w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
        "</w:tblBorders></w:tblPr><w:tblGrid>";
    for (int c = 0; c < columns; ++c) xml += "<w:gridCol w:w=\"1500\"/>";
    xml += "</w:tblGrid>";
    for (const auto& row : rows) xml += row;
    return xml + "</w:tbl><w:p/>";
}

std::string TextTable(const std::vector<std::vector<std::string>>& texts) {
    std::vector<std::string> rows;
    std::size_t columns = 0;
    for (const auto& rowTexts : texts) {
        rows.push_back(TextRow(rowTexts));
        columns = std::max(columns, rowTexts.size());
    }
    return Table(static_cast<int>(columns), rows);
}

std::string EmbeddedObject(const std::string& progId, const std::string& objectRelId,
                           const std::string& imageRelId) {
    static int shape = 1025;
    std::string shapeId = "_x0000_i" + std::to_string(shape++);
    return "<w:p><w:r><w:object w:dxaOrig=\"2880\" w:dyaOrig=\"1440\">"
           "<v:shape id=\"" + shapeId + "\" type=\"#_x0000_t75\" "
           "style=\"width:144pt;height:72pt\" o:ole=\"\">"
           "<v:imagedata r:id=\"" + imageRelId + "\" o:title=\"\"/></v:shape>"
           "<o:OLEObject Type=\"Embed\" ProgID=\"" + progId + "\" ShapeID=\"" + shapeId +
           "\" DrawAspect=\"Content\" ObjectID=\"_15000" + std::to_string(shape) +
           "\" r:id=\"" + objectRelId + "\"/></w:object></w:r></w:p>";
}

std::string InlinePicture(const std::string& imageRelId, int id) {
    std::string ids = std::to_string(id);
    return "<w:p><w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
           "<wp:extent cx=\"914400\" cy=\"914400\"/><wp:docPr id=\"" + ids +
           "\" name=\"Picture " + ids + "\"/>"
           "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
           "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"" + ids + "\" name=\"p" + ids +
           ".png\"/><pic:cNvPicPr/></pic:nvPicPr>"
           "<pic:blipFill><a:blip r:embed=\"" + imageRelId +
           "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
           "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"914400\" cy=\"914400\"/></a:xfrm>"
           "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic>"
           "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>";
}

void WriteDocx(const std::filesystem::path& file, const DocxParts& parts) {
    auto package = embedded::Package::Create();
    package->SetRawPart(
        "[Content_Types].xml",
        std::string(kXmlDeclaration) +
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Default Extension=\"png\" ContentType=\"image/png\"/>"
            "<Default Extension=\"xlsx\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet\"/>"
            "<Override PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
            "</Types>");
    package->SetRawPart("_rels/.rels",
                        Relationships({{"rId1", "officeDocument", "word/document.xml"}}));
    package->SetRawPart("word/document.xml",
                        std::string(kXmlDeclaration) + "<w:document " + kWordNamespaces +
                            "><w:body>" + parts.body +
                            "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
                            "<w:pgMar w:top=\"1440\" w:right=\"1800\" w:bottom=\"1440\" "
                            "w:left=\"1800\" w:header=\"851\" w:footer=\"992\" w:gutter=\"0\"/>"
                            "</w:sectPr></w:body></w:document>");
    package->SetRawPart("word/_rels/document.xml.rels", Relationships(parts.relationships));
    for (const auto& [name, bytes] : parts.parts) package->SetRawPart(name, bytes);
    package->SaveAs(file);
}

void WriteDocx(const std::filesystem::path& file, const std::string& body) {
    WriteDocx(file, DocxParts{body, {}, {}});
}

std::string XlsxBytes(const std::vector<std::vector<std::string>>& rows) {
    std::string sheetData;
    std::vector<std::string> strings;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        sheetData += "<row r=\"" + std::to_string(r + 1) + "\">";
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const std::string& text = rows[r][c];
            if (text.empty()) continue;
            std::string ref = ColumnName(static_cast<int>(c + 1)) + std::to_string(r + 1);
            if (platform::ParseNumber(text) && text.find(',') == std::string::npos) {
                sheetData += "<c r=\"" + ref + "\"><v>" + text + "</v></c>";
            } else {
                sheetData += "<c r=\"" + ref + "\" t=\"s\"><v>" + std::to_string(strings.size()) +
                             "</v></c>";
                strings.push_back(text);
            }
        }
        sheetData += "</row>";
    }
    auto package = embedded::Package::Create();
    for (auto& [name, bytes] : XlsxFixture().Sheet("Sheet1", sheetData).SharedStrings(strings).Parts())
        package->SetRawPart(name, bytes);
    return package->ToBytes();
}

std::string PngBytes() {
    static const unsigned char png[] = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
        0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
        0x00, 0x90, 0x77, 0x53, 0xde, 0x00, 0x00, 0x00, 0x0c, 0x49, 0x44, 0x41, 0x54, 0x78,
        0x9c, 0x63, 0xf8, 0xff, 0xff, 0x3f, 0x00, 0x05, 0xfe, 0x02, 0xfe, 0x0d, 0xef, 0x46,
        0xb8, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    return std::string(reinterpret_cast<const char*>(png), sizeof png);
}

}  // namespace dorvane::testing
