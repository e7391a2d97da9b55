#include "bench/format/ReportGenerator.h"

#include <string>

#include "automation/embedded/package/Package.h"

namespace dorvane::bench {
namespace {

constexpr const char* kW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

std::string Paragraph(const std::string& text) {
    return "<w:p><w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r></w:p>";
}

std::string Cell(const std::string& text, int width, const std::string& extra = {}) {
    return "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(width) + "\" w:type=\"dxa\"/>" + extra +
           "</w:tcPr>" + Paragraph(text) + "</w:tc>";
}

// A figure such as 12345.67, sometimes a percentage or a dash.
std::string Figure(int t, int r, int c) {
    int n = (t * 7919 + r * 104729 + c * 1299709) % 9000000;
    if ((r + c) % 11 == 0) return std::to_string(n % 100) + ".5%";
    if ((r * c) % 17 == 0) return "—";
    return std::to_string(n / 100) + "." + std::to_string(10 + n % 90);
}

std::string Table(int t, const ReportShape& shape) {
    const int width = 9000 / shape.columns;
    std::string xml = "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/><w:tblBorders>";
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
        xml += std::string("<w:") + side + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
    xml += "</w:tblBorders></w:tblPr><w:tblGrid>";
    for (int c = 0; c < shape.columns; ++c)
        xml += "<w:gridCol w:w=\"" + std::to_string(width) + "\"/>";
    xml += "</w:tblGrid>";
    const bool headingSpan = t % 5 == 0;   // two heading cells merged across
    const bool verticalMerge = t % 7 == 0;  // rows 2 and 3 share their label
    for (int r = 1; r <= shape.rows; ++r) {
        xml += "<w:tr>";
        for (int c = 1; c <= shape.columns; ++c) {
            if (r == 1) {
                if (headingSpan && c == 2) {
                    xml += Cell("上半年 合计", width * 2, "<w:gridSpan w:val=\"2\"/>");
                    ++c;
                } else {
                    xml += Cell(c == 1 ? "项 目" : std::to_string(c - 1) + "月 金额", width);
                }
            } else if (c == 1) {
                std::string label = r == shape.rows ? "合  计" : "地区" + std::to_string(r - 1);
                std::string merge;
                if (verticalMerge && r == 2) merge = "<w:vMerge w:val=\"restart\"/>";
                if (verticalMerge && r == 3) merge = "<w:vMerge/>", label.clear();
                xml += Cell(label, width, merge);
            } else {
                xml += Cell(Figure(t, r, c), width);
            }
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

}  // namespace

void WriteReport(const std::filesystem::path& file, const ReportShape& shape) {
    std::string body;
    for (int t = 1; t <= shape.tables; ++t) {
        body += Paragraph("表" + std::to_string(t) + "  各地区月度收入情况（单位：万元，2019年为12345.6）");
        body += Table(t, shape);
    }
    std::string document = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>") +
                           "<w:document xmlns:w=\"" + kW + "\"><w:body>" + body +
                           "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1440\" "
                           "w:right=\"1800\" w:bottom=\"1440\" w:left=\"1800\"/></w:sectPr>"
                           "</w:body></w:document>";
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
    package->SetRawPart("word/document.xml", document);
    package->SaveAs(file);
}

}  // namespace dorvane::bench
