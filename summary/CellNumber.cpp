#include "summary/CellNumber.h"

#include <cmath>

#include "platform/TextNumber.h"

namespace dorvane::summary {

std::optional<double> CellNumber(const excel::CellValue& value) {
    using Kind = excel::CellValue::Kind;
    std::optional<double> number;
    switch (value.kind()) {
    case Kind::Empty: number = 0.0; break;
    case Kind::Number:
    case Kind::Date: number = value.AsNumber(); break;
    case Kind::Boolean: number = value.AsBoolean() ? -1.0 : 0.0; break;
    case Kind::Text: number = platform::ParseNumber(value.AsText()); break;
    case Kind::Error: break;
    }
    // "1e999" reads as infinity: a value no cell can hold is no number.
    if (number && !std::isfinite(*number)) return std::nullopt;
    return number;
}

}  // namespace dorvane::summary
