#include "schemes/CellConversion.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/TextNumber.h"

namespace dorvane::schemes {
using excel::CellValue;

namespace {

std::optional<double> CellNumber(const CellValue& value) {
    switch (value.kind()) {
        case CellValue::Kind::Empty: return 0.0;
        case CellValue::Kind::Number:
        case CellValue::Kind::Date: return value.AsNumber();
        case CellValue::Kind::Boolean: return value.AsBoolean() ? -1.0 : 0.0;
        case CellValue::Kind::Text: return platform::ParseNumber(value.AsText());
        case CellValue::Kind::Error: return std::nullopt;
    }
    return std::nullopt;
}

std::string ToChars(double number, std::chars_format format) {
    char buffer[400];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number, format);
    if (error != std::errc()) return "?";
    return std::string(buffer, end);
}

}  // namespace

std::optional<std::int16_t> CellToInt16(const CellValue& value) {
    std::optional<double> number = CellNumber(value);
    if (!number || !std::isfinite(*number)) return std::nullopt;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    double whole = std::nearbyint(*number);
    if (whole < -32768.0 || whole > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

std::string NumberText(double number) {
    if (number == 0.0) return "0";  // also for -0
    double magnitude = std::fabs(number);
    if (magnitude >= 1e-5 && magnitude < 1e15) return ToChars(number, std::chars_format::fixed);
    return ToChars(number, std::chars_format::scientific);
}

std::string CellToText(const CellValue& value) {
    switch (value.kind()) {
        case CellValue::Kind::Empty: return "";
        case CellValue::Kind::Number:
        case CellValue::Kind::Date: return NumberText(value.AsNumber());
        case CellValue::Kind::Boolean: return value.AsBoolean() ? "TRUE" : "FALSE";
        case CellValue::Kind::Text:
        case CellValue::Kind::Error: return value.AsText();
    }
    return "";
}

std::string DescribeCellValue(const CellValue& value) {
    if (value.kind() == CellValue::Kind::Text) return "\"" + value.AsText() + "\"";
    return CellToText(value);
}

}  // namespace dorvane::schemes
