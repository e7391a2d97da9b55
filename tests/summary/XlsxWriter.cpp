#include "tests/summary/XlsxWriter.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "tests/common/XlsxFixture.h"

namespace dorvane::testing {
namespace {

std::string NumberText(double n) {
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
            auto [it, added] = custom_.try_emplace(cell.numberFormat, static_cast<int>(order_.size()));
            if (added) order_.push_back(cell.numberFormat);
            return 2 + it->second;
        }
        return cell.value.kind() == excel::CellValue::Kind::Date ? 1 : 0;
    }
    void ApplyTo(XlsxFixture& book) const {
        std::string numFmts;
        std::string xfs = Xf(0) + Xf(14);
        for (std::size_t i = 0; i < order_.size(); ++i) {
            int id = 164 + static_cast<int>(i);
            numFmts += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\"" + XmlEscape(order_[i]) + "\"/>";
            xfs += Xf(id);
        }
        book.Styles(numFmts, xfs);
    }

private:
    static std::string Xf(int numFmtId) {
        return "<xf numFmtId=\"" + std::to_string(numFmtId) +
               "\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>";
    }
    std::map<std::string, int> custom_;
    std::vector<std::string> order_;
};

// Row number and column letters of an address such as "AB12".
std::pair<int, std::string> Split(const std::string& address) {
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
    case Kind::Date: return head + "><v>" + NumberText(v.AsNumber()) + "</v></c>";
    case Kind::Boolean: return head + " t=\"b\"><v>" + (v.AsBoolean() ? "1" : "0") + "</v></c>";
    case Kind::Error: return head + " t=\"e\"><v>" + XmlEscape(v.AsText()) + "</v></c>";
    case Kind::Text:
        return head + " t=\"inlineStr\"><is><t xml:space=\"preserve\">" + XmlEscape(v.AsText()) + "</t></is></c>";
    }
    return head + "/>";
}

// Cells grouped into rows, rows and cells in ascending order.
std::string SheetData(const FixtureSheet& sheet, StyleTable& styles) {
    std::map<int, std::vector<const FixtureCell*>> rows;
    for (const auto& cell : sheet.cells) rows[Split(cell.address).first].push_back(&cell);
    std::string data;
    for (auto& [row, cells] : rows) {
        std::sort(cells.begin(), cells.end(), [](const FixtureCell* a, const FixtureCell* b) {
            auto ca = Split(a->address).second, cb = Split(b->address).second;
            return ca.size() != cb.size() ? ca.size() < cb.size() : ca < cb;
        });
        data += "<row r=\"" + std::to_string(row) + "\">";
        for (const auto* cell : cells) data += CellXml(*cell, styles);
        data += "</row>";
    }
    return data;
}

}  // namespace

void WriteXlsx(const std::filesystem::path& file, const std::vector<FixtureSheet>& sheets) {
    XlsxFixture book;
    StyleTable styles;
    for (const auto& sheet : sheets) {
        if (sheet.chart)
            book.ChartSheet(sheet.name);
        else
            book.Sheet(sheet.name, SheetData(sheet, styles), {}, {}, sheet.hidden ? "hidden" : "");
    }
    styles.ApplyTo(book);
    book.Write(file);
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
