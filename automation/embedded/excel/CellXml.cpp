#include "automation/embedded/excel/CellXml.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "automation/AutomationError.h"
#include "automation/embedded/excel/Styles.h"

namespace dorvane::embedded::excel {

using dorvane::excel::CellValue;

namespace {

constexpr std::size_t kMaxCellTextLength = 32767;

long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2;
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

void RemoveChildren(pugi::xml_node c, const Names& names, std::initializer_list<const char*> locals) {
    for (pugi::xml_node child = c.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        for (const char* local : locals)
            if (names.Is(child, local)) {
                c.remove_child(child);
                break;
            }
        child = next;
    }
}

void SetValueElement(pugi::xml_node c, const Names& names, const std::string& text) {
    pugi::xml_node v = c.append_child(names("v").c_str());
    v.text().set(text.c_str());
}

void SetType(pugi::xml_node c, const char* type) {
    if (!type) {
        c.remove_attribute("t");
        return;
    }
    pugi::xml_attribute t = c.attribute("t");
    if (!t) {
        // Keep the usual attribute order r, s, t.
        pugi::xml_attribute s = c.attribute("s");
        t = s ? c.insert_attribute_after("t", s) : c.insert_attribute_after("t", c.attribute("r"));
        if (!t) t = c.append_attribute("t");
    }
    t = type;
}

}  // namespace

std::optional<double> SerialFromIso(std::string_view text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    double s = 0;
    std::string copy(text);
    int fields = std::sscanf(copy.c_str(), "%d-%d-%dT%d:%d:%lf", &y, &mo, &d, &h, &mi, &s);
    if (fields < 3) {
        fields = std::sscanf(copy.c_str(), "%d:%d:%lf", &h, &mi, &s);
        if (fields < 2) return std::nullopt;
        return (h * 3600 + mi * 60 + s) / 86400.0;
    }
    if (mo < 1 || mo > 12 || d < 1 || d > 31) return std::nullopt;
    // Serial 1 is 1900-01-01; the system counts a 29 February 1900.
    long days = DaysFromCivil(y, mo, d) - DaysFromCivil(1899, 12, 30);
    if (days < 61) days -= 1;
    return static_cast<double>(days) + (h * 3600 + mi * 60 + s) / 86400.0;
}

std::string EscapeCellText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        bool looksEscaped = c == '_' && i + 6 < text.size() && text[i + 1] == 'x' && IsHex(text[i + 2]) &&
                            IsHex(text[i + 3]) && IsHex(text[i + 4]) && IsHex(text[i + 5]) && text[i + 6] == '_';
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || looksEscaped) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "_x%04X_", c);
            out += buffer;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int CellStyle(pugi::xml_node c) { return c.attribute("s").as_int(0); }

bool HasFormula(pugi::xml_node c, const Names& names) { return names.Child(c, "f"); }

CellValue ReadCell(pugi::xml_node c, const Names& names, const CellContext& context) {
    if (!c) return {};
    std::string_view type = c.attribute("t").value();
    if (type == "inlineStr") {
        if (pugi::xml_node is = names.Child(c, "is")) return CellValue::Text(StringItemText(is, names));
        return {};
    }
    pugi::xml_node v = names.Child(c, "v");
    if (!v) return {};
    const char* text = v.text().get();
    if (type.empty() || type == "n") {
        auto number = ParseNumberText(text);
        if (!number) return CellValue::Error("#VALUE!");
        if (context.styles && context.styles->IsDate(CellStyle(c)))
            return CellValue::Date(*number + (context.date1904 ? k1904Offset : 0));
        return CellValue::Number(*number);
    }
    if (type == "s") {
        long index = std::strtol(text, nullptr, 10);
        if (!context.sharedStrings || index < 0 || index >= static_cast<long>(context.sharedStrings->size()))
            return CellValue::Text("");
        return CellValue::Text((*context.sharedStrings)[static_cast<std::size_t>(index)]);
    }
    if (type == "str") return CellValue::Text(text);
    if (type == "b") return CellValue::Boolean(std::strcmp(text, "1") == 0 || std::strcmp(text, "true") == 0);
    if (type == "e") return CellValue::Error(text);
    if (type == "d") {
        auto serial = SerialFromIso(text);
        return serial ? CellValue::Date(*serial) : CellValue::Text(text);
    }
    return CellValue::Text(text);
}

bool WriteCell(pugi::xml_node c, const CellValue& value, const Names& names, CellContext& context) {
    bool hadFormula = HasFormula(c, names);
    RemoveChildren(c, names, {"f", "v", "is"});
    c.remove_attribute("cm");
    c.remove_attribute("vm");
    switch (value.kind()) {
        case CellValue::Kind::Empty:
            SetType(c, nullptr);
            break;
        case CellValue::Kind::Number:
        case CellValue::Kind::Date: {
            double number = value.AsNumber();
            if (!std::isfinite(number)) throw AutomationError("Range.Value", "the number is not finite");
            SetType(c, nullptr);
            if (value.kind() == CellValue::Kind::Date) {
                if (context.date1904) number -= k1904Offset;
                if (context.styles) {
                    int style = context.styles->DateFormatLike(CellStyle(c));
                    if (!c.attribute("s")) c.insert_attribute_after("s", c.attribute("r"));
                    c.attribute("s") = style;
                }
            }
            SetValueElement(c, names, NumberText(number));
            break;
        }
        case CellValue::Kind::Text: {
            if (value.AsText().size() > kMaxCellTextLength)
                throw AutomationError("Range.Value", "a cell holds at most 32767 characters");
            SetType(c, "inlineStr");
            pugi::xml_node is = c.append_child(names("is").c_str());
            SetStringItemText(is, names, EscapeCellText(value.AsText()));
            break;
        }
        case CellValue::Kind::Boolean:
            SetType(c, "b");
            SetValueElement(c, names, value.AsBoolean() ? "1" : "0");
            break;
        case CellValue::Kind::Error:
            SetType(c, "e");
            SetValueElement(c, names, value.AsText());
            break;
    }
    return hadFormula;
}

}  // namespace dorvane::embedded::excel
