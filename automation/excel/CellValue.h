#pragma once

#include <string>
#include <variant>

namespace dorvane::excel {

// The Value of a cell: empty, number, text, boolean, error or date.
class CellValue {
public:
    enum class Kind { Empty, Number, Text, Boolean, Error, Date };

    CellValue() = default;
    static CellValue Number(double n) { return CellValue(Kind::Number, n); }
    static CellValue Date(double serial) { return CellValue(Kind::Date, serial); }
    static CellValue Boolean(bool b) { return CellValue(Kind::Boolean, b); }
    static CellValue Text(std::string s) { return CellValue(Kind::Text, std::move(s)); }
    // code as Excel shows it: "#DIV/0!", "#N/A", "#NAME?", ...
    static CellValue Error(std::string code) { return CellValue(Kind::Error, std::move(code)); }

    Kind kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }
    // Number and Date: the number (a date's serial number).
    double AsNumber() const { return std::get<double>(data_); }
    bool AsBoolean() const { return std::get<bool>(data_); }
    // Text: the text; Error: the error code.
    const std::string& AsText() const { return std::get<std::string>(data_); }

    bool operator==(const CellValue&) const = default;

private:
    template <class T>
    CellValue(Kind kind, T value) : kind_(kind), data_(std::move(value)) {}

    Kind kind_ = Kind::Empty;
    std::variant<std::monostate, double, bool, std::string> data_;
};

}  // namespace dorvane::excel
