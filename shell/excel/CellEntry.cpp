#include "shell/excel/CellEntry.h"

#include <QString>

#include "platform/TextNumber.h"

namespace dorvane::shell {

namespace {

bool SameLetters(const std::string& entry, const char* word) {
    return QString::fromStdString(entry).trimmed().compare(QString::fromLatin1(word), Qt::CaseInsensitive) == 0;
}

}  // namespace

excel::CellValue CellValueFromEntry(const std::string& entry) {
    if (entry.empty()) return {};
    if (entry.front() == '\'') return excel::CellValue::Text(entry.substr(1));
    if (auto number = platform::ParseNumber(entry)) return excel::CellValue::Number(*number);
    if (SameLetters(entry, "TRUE")) return excel::CellValue::Boolean(true);
    if (SameLetters(entry, "FALSE")) return excel::CellValue::Boolean(false);
    return excel::CellValue::Text(entry);
}

std::string EntryFromCellValue(const excel::CellValue& value, const std::string& displayed) {
    using Kind = excel::CellValue::Kind;
    switch (value.kind()) {
        case Kind::Empty: return {};
        case Kind::Number: return QString::number(value.AsNumber(), 'g', 15).toStdString();
        case Kind::Date: return displayed;
        case Kind::Boolean: return value.AsBoolean() ? "TRUE" : "FALSE";
        case Kind::Text:
        case Kind::Error: return value.AsText();
    }
    return {};
}

}  // namespace dorvane::shell
