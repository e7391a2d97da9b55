// The parts of a new workbook: what a spreadsheet program needs to open
// it, and nothing more.

#include "automation/embedded/excel/WorkbookDocument.h"

#include "automation/AutomationError.h"

namespace dorvane::embedded::excel {

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
constexpr const char* kMainContentType = "application/vnd.openxmlformats-officedocument.spreadsheetml";
constexpr const char* kRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::string EscapeAttribute(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string ContentTypes(std::size_t sheets) {
    std::string xml = std::string(kDeclaration) +
                      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                      "<Override PartName=\"/xl/workbook.xml\" ContentType=\"" +
                      kMainContentType + ".sheet.main+xml\"/>";
    for (std::size_t i = 1; i <= sheets; ++i)
        xml += "<Override PartName=\"/xl/worksheets/sheet" + std::to_string(i) + ".xml\" ContentType=\"" +
               kMainContentType + ".worksheet+xml\"/>";
    xml += "<Override PartName=\"/xl/styles.xml\" ContentType=\"" + std::string(kMainContentType) +
           ".styles+xml\"/></Types>";
    return xml;
}

std::string RootRelationships() {
    return std::string(kDeclaration) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"" +
           kRelType + "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
}

std::string WorkbookPart(const std::vector<std::string>& names, const std::vector<bool>& hidden,
                         std::size_t active) {
    std::string xml = std::string(kDeclaration) +
                      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                      "<bookViews><workbookView activeTab=\"" + std::to_string(active) + "\"/></bookViews><sheets>";
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string n = std::to_string(i + 1);
        bool isHidden = i < hidden.size() && hidden[i] && i != active;
        xml += "<sheet name=\"" + EscapeAttribute(names[i]) + "\" sheetId=\"" + n + "\"" +
               (isHidden ? " state=\"hidden\"" : "") + " r:id=\"rId" + n + "\"/>";
    }
    return xml + "</sheets></workbook>";
}

std::string WorkbookRelationships(std::size_t sheets) {
    std::string xml = std::string(kDeclaration) +
                      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (std::size_t i = 1; i <= sheets; ++i) {
        std::string n = std::to_string(i);
        xml += "<Relationship Id=\"rId" + n + "\" Type=\"" + kRelType + "worksheet\" Target=\"worksheets/sheet" + n +
               ".xml\"/>";
    }
    return xml + "<Relationship Id=\"rId" + std::to_string(sheets + 1) + "\" Type=\"" + kRelType +
           "styles\" Target=\"styles.xml\"/></Relationships>";
}

std::string WorksheetPart(bool selected) {
    return std::string(kDeclaration) +
           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
           "<dimension ref=\"A1\"/><sheetViews><sheetView " +
           (selected ? "tabSelected=\"1\" " : "") +
           "workbookViewId=\"0\"/></sheetViews><sheetFormatPr defaultRowHeight=\"15\"/><sheetData/>"
           "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
           "</worksheet>";
}

}  // namespace

std::unique_ptr<WorkbookDocument> WorkbookDocument::Create(const std::vector<std::string>& sheetNames,
                                                          const std::vector<bool>& hidden) {
    std::size_t active = 0;
    while (active + 1 < sheetNames.size() && active < hidden.size() && hidden[active]) ++active;
    auto document = std::unique_ptr<WorkbookDocument>(new WorkbookDocument());
    document->package_ = Package::Create();
    Package& package = *document->package_;
    package.SetRawPart("[Content_Types].xml", ContentTypes(sheetNames.size()));
    package.SetRawPart("_rels/.rels", RootRelationships());
    package.SetRawPart("xl/workbook.xml", WorkbookPart(sheetNames, hidden, active));
    package.SetRawPart("xl/_rels/workbook.xml.rels", WorkbookRelationships(sheetNames.size()));
    for (std::size_t i = 1; i <= sheetNames.size(); ++i)
        package.SetRawPart("xl/worksheets/sheet" + std::to_string(i) + ".xml", WorksheetPart(i == active + 1));
    package.SetRawPart("xl/styles.xml", Styles::MinimalPartXml());
    document->Load("Workbooks.Add");
    return document;
}

}  // namespace dorvane::embedded::excel
