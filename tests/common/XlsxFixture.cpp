#include "tests/common/XlsxFixture.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace dorvane::testing {

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kPackageRel = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kType = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

std::uint32_t Crc32(const std::string& data) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : data) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::string XmlEscape(const std::string& text) {
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

void WriteZip(const std::filesystem::path& file, const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string out, directory;
    for (const auto& [name, data] : entries) {
        std::uint32_t offset = static_cast<std::uint32_t>(out.size());
        std::uint32_t crc = Crc32(data);
        auto size = static_cast<std::uint32_t>(data.size());
        // Local header: version 20, no flags, stored, fixed time.
        Put32(out, 0x04034b50);
        Put16(out, 20);
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, 0x21);
        Put32(out, crc);
        Put32(out, size);
        Put32(out, size);
        Put16(out, static_cast<unsigned>(name.size()));
        Put16(out, 0);
        out += name;
        out += data;
        Put32(directory, 0x02014b50);
        Put16(directory, 20);
        Put16(directory, 20);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0x21);
        Put32(directory, crc);
        Put32(directory, size);
        Put32(directory, size);
        Put16(directory, static_cast<unsigned>(name.size()));
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put32(directory, 0);
        Put32(directory, offset);
        directory += name;
    }
    std::uint32_t directoryOffset = static_cast<std::uint32_t>(out.size());
    out += directory;
    Put32(out, 0x06054b50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(entries.size()));
    Put16(out, static_cast<unsigned>(entries.size()));
    Put32(out, static_cast<std::uint32_t>(directory.size()));
    Put32(out, directoryOffset);
    Put16(out, 0);
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!stream) throw std::runtime_error("cannot write " + file.string());
}

XlsxFixture& XlsxFixture::Sheet(std::string name, std::string sheetData, std::string before, std::string after,
                                std::string state) {
    sheets_.push_back({std::move(name), std::move(sheetData), std::move(before), std::move(after), std::move(state)});
    return *this;
}

XlsxFixture& XlsxFixture::ChartSheet(std::string name) {
    SheetEntry entry;
    entry.name = std::move(name);
    entry.chart = true;
    sheets_.push_back(std::move(entry));
    return *this;
}

XlsxFixture& XlsxFixture::SharedStrings(std::vector<std::string> strings) {
    strings_ = std::move(strings);
    hasStrings_ = true;
    return *this;
}

XlsxFixture& XlsxFixture::Styles(std::string numFmts, std::string cellXfs) {
    numFmts_ = std::move(numFmts);
    cellXfs_ = std::move(cellXfs);
    return *this;
}

XlsxFixture& XlsxFixture::Date1904() {
    date1904_ = true;
    return *this;
}

XlsxFixture& XlsxFixture::WorkbookExtra(std::string xml) {
    workbookExtra_ = std::move(xml);
    return *this;
}

XlsxFixture& XlsxFixture::ActiveTab(int index) {
    activeTab_ = index;
    return *this;
}

std::vector<std::pair<std::string, std::string>> XlsxFixture::Parts() const {
    std::vector<std::pair<std::string, std::string>> parts;
    std::string types = std::string(kDeclaration) +
                        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                        "<Override PartName=\"/xl/workbook.xml\" ContentType=\"" + kType + "sheet.main+xml\"/>"
                        "<Override PartName=\"/xl/styles.xml\" ContentType=\"" + kType + "styles+xml\"/>";
    if (hasStrings_) types += "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"" + std::string(kType) + "sharedStrings+xml\"/>";
    std::string workbook = std::string(kDeclaration) + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\">";
    if (date1904_) workbook += "<workbookPr date1904=\"1\"/>";
    workbook += "<bookViews><workbookView activeTab=\"" + std::to_string(activeTab_) + "\"/></bookViews><sheets>";
    std::string rels = std::string(kDeclaration) + "<Relationships xmlns=\"" + kPackageRel + "\">";
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        const SheetEntry& s = sheets_[i];
        std::string n = std::to_string(i + 1);
        std::string folder = s.chart ? "chartsheets" : "worksheets";
        std::string part = "xl/" + folder + "/sheet" + n + ".xml";
        types += "<Override PartName=\"/" + part + "\" ContentType=\"" + kType + (s.chart ? "chartsheet" : "worksheet") + "+xml\"/>";
        workbook += "<sheet name=\"" + XmlEscape(s.name) + "\" sheetId=\"" + n + "\"" +
                    (s.state.empty() ? "" : " state=\"" + s.state + "\"") + " r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + kRel + "/" + (s.chart ? "chartsheet" : "worksheet") +
                "\" Target=\"" + folder + "/sheet" + n + ".xml\"/>";
        std::string xml = std::string(kDeclaration);
        if (s.chart)
            xml += "<chartsheet xmlns=\"" + std::string(kMain) + "\" xmlns:r=\"" + kRel + "\"><sheetViews><sheetView workbookViewId=\"0\"/></sheetViews></chartsheet>";
        else
            xml += "<worksheet xmlns=\"" + std::string(kMain) + "\" xmlns:r=\"" + kRel + "\">" + s.before +
                   "<sheetData>" + s.sheetData + "</sheetData>" + s.after + "</worksheet>";
        parts.emplace_back(part, xml);
    }
    workbook += "</sheets>" + workbookExtra_ + "</workbook>";
    std::size_t next = sheets_.size() + 1;
    rels += "<Relationship Id=\"rId" + std::to_string(next) + "\" Type=\"" + kRel + "/styles\" Target=\"styles.xml\"/>";
    if (hasStrings_)
        rels += "<Relationship Id=\"rId" + std::to_string(next + 1) + "\" Type=\"" + kRel +
                "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    rels += "</Relationships>";
    types += "</Types>";

    std::string styles = std::string(kDeclaration) + "<styleSheet xmlns=\"" + kMain + "\">";
    if (!numFmts_.empty()) styles += "<numFmts>" + numFmts_ + "</numFmts>";
    styles += "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
              "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill><fill><patternFill patternType=\"gray125\"/></fill></fills>"
              "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
              "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs><cellXfs>";
    styles += cellXfs_.empty() ? "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>" : cellXfs_;
    styles += "</cellXfs></styleSheet>";

    std::vector<std::pair<std::string, std::string>> ordered;
    ordered.emplace_back("[Content_Types].xml", types);
    ordered.emplace_back("_rels/.rels", std::string(kDeclaration) + "<Relationships xmlns=\"" + kPackageRel +
                                            "\"><Relationship Id=\"rId1\" Type=\"" + kRel +
                                            "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    ordered.emplace_back("xl/workbook.xml", workbook);
    ordered.emplace_back("xl/_rels/workbook.xml.rels", rels);
    ordered.emplace_back("xl/styles.xml", styles);
    if (hasStrings_) {
        std::string sst = std::string(kDeclaration) + "<sst xmlns=\"" + kMain + "\" count=\"" +
                          std::to_string(strings_.size()) + "\" uniqueCount=\"" + std::to_string(strings_.size()) + "\">";
        for (const auto& s : strings_) sst += "<si><t xml:space=\"preserve\">" + XmlEscape(s) + "</t></si>";
        ordered.emplace_back("xl/sharedStrings.xml", sst + "</sst>");
    }
    for (auto& part : parts) ordered.push_back(std::move(part));
    return ordered;
}

std::filesystem::path XlsxFixture::Write(const std::filesystem::path& file) const {
    WriteZip(file, Parts());
    return file;
}

}  // namespace dorvane::testing
