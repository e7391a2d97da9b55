#include "tests/summary/XlsxWriter.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "automation/embedded/package/Package.h"

namespace dorvane::testing {
namespace {

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kPkgRel = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string Escape(const std::string& text) {
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

std::string Number(double n) {
    std::ostringstream s;
    s.precision(17);
    s << n;
    return s.str();
}

// Style index per number format: 0 General, 1 dates, 2.. custom formats.
class StyleTable {
public:
    int Index(const FixtureCell& cell) {
        if (!cell.numberFormat.empty()) {
            auto [it, added] = custom_.try_emplace(cell.numberFormat, static_cast<int>(custom_.size()));
            if (added) order_.push_back(cell.numberFormat);
            return 2 + it->second;
        }
        return cell.value.kind() == excel::CellValue::Kind::Date ? 1 : 0;
    }
    std::string Xml() const {
        std::string numFmts, xfs;
        for (std::size_t i = 0; i < order_.size(); ++i) {
            std::string id = std::to_string(164 + i);
            numFmts += "<numFmt numFmtId=\"" + id + "\" formatCode=\"" + Escape(order_[i]) + "\"/>";
            xfs += "<xf numFmtId=\"" + id + "\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>";
        }
        return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<styleSheet xmlns=\"") +
               kMain + "\">" +
               (order_.empty() ? "" : "<numFmts count=\"" + std::to_string(order_.size()) + "\">" + numFmts + "</numFmts>") +
               "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
               "<fills count=\"1\"><fill><patternFill patternType=\"none\"/></fill></fills>"
               "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
               "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
               "<cellXfs count=\"" + std::to_string(2 + order_.size()) + "\">"
               "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
               "<xf numFmtId=\"14\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>" +
               xfs + "</cellXfs></styleSheet>";
    }

private:
    std::map<std::string, int> custom_;
    std::vector<std::string> order_;
};

std::pair<int, std::string> RowOf(const std::string& address) {
    auto digits = address.find_first_of("0123456789");
    return {std::stoi(address.substr(digits)), address.substr(0, digits)};
}

std::string CellXml(const FixtureCell& cell, StyleTable& styles) {
    using Kind = excel::CellValue::Kind;
    std::string head = "<c r=\"" + cell.address + "\"";
    if (int s = styles.Index(cell)) head += " s=\"" + std::to_string(s) + "\"";
    const auto& v = cell.value;
    switch (v.kind()) {
    case Kind::Empty: return head + "/>";
    case Kind::Number:
    case Kind::Date: return head + "><v>" + Number(v.AsNumber()) + "</v></c>";
    case Kind::Boolean: return head + " t=\"b\"><v>" + (v.AsBoolean() ? "1" : "0") + "</v></c>";
    case Kind::Error: return head + " t=\"e\"><v>" + Escape(v.AsText()) + "</v></c>";
    case Kind::Text:
        return head + " t=\"inlineStr\"><is><t xml:space=\"preserve\">" + Escape(v.AsText()) + "</t></is></c>";
    }
    return head + "/>";
}

// Cells grouped into rows in ascending order, as the format requires.
std::string SheetXml(const FixtureSheet& sheet, StyleTable& styles) {
    std::map<int, std::vector<const FixtureCell*>> rows;
    for (const auto& cell : sheet.cells) rows[RowOf(cell.address).first].push_back(&cell);
    std::string data;
    for (auto& [row, cells] : rows) {
        std::sort(cells.begin(), cells.end(), [](const FixtureCell* a, const FixtureCell* b) {
            auto ca = RowOf(a->address).second, cb = RowOf(b->address).second;
            return ca.size() != cb.size() ? ca.size() < cb.size() : ca < cb;
        });
        data += "<row r=\"" + std::to_string(row) + "\">";
        for (const auto* cell : cells) data += CellXml(*cell, styles);
        data += "</row>";
    }
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet xmlns=\"") +
           kMain + "\" xmlns:r=\"" + kRel + "\"><sheetData>" + data + "</sheetData></worksheet>";
}

}  // namespace

void WriteXlsx(const std::filesystem::path& file, const std::vector<FixtureSheet>& sheets) {
    auto package = embedded::Package::Create();
    StyleTable styles;
    std::string overrides, sheetList, rels;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        std::string n = std::to_string(i + 1);
        std::string part = "xl/worksheets/sheet" + n + ".xml";
        package->SetRawPart(part, SheetXml(sheets[i], styles));
        overrides += "<Override PartName=\"/" + part +
                     "\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
        sheetList += "<sheet name=\"" + Escape(sheets[i].name) + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n +
                "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                "Target=\"worksheets/sheet" + n + ".xml\"/>";
    }
    rels += "<Relationship Id=\"rIdStyles\" "
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>";
    const std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    package->SetRawPart("xl/styles.xml", styles.Xml());
    package->SetRawPart(
        "[Content_Types].xml",
        decl + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
               "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
               "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
               "<Override PartName=\"/xl/workbook.xml\" "
               "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
               "<Override PartName=\"/xl/styles.xml\" "
               "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>" +
               overrides + "</Types>");
    package->SetRawPart("_rels/.rels",
                        decl + "<Relationships xmlns=\"" + kPkgRel +
                            "\"><Relationship Id=\"rId1\" "
                            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                            "Target=\"xl/workbook.xml\"/></Relationships>");
    package->SetRawPart("xl/workbook.xml", decl + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel +
                                               "\"><sheets>" + sheetList + "</sheets></workbook>");
    package->SetRawPart("xl/_rels/workbook.xml.rels",
                        decl + "<Relationships xmlns=\"" + kPkgRel + "\">" + rels + "</Relationships>");
    package->SaveAs(file);
}

FixtureSheet NumberSheet(const std::string& name, const std::vector<std::vector<double>>& rows) {
    FixtureSheet sheet{name};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            sheet.cells.push_back({std::string(1, static_cast<char>('A' + c)) + std::to_string(r + 1),
                                   excel::CellValue::Number(rows[r][c])});
    return sheet;
}

}  // namespace dorvane::testing
