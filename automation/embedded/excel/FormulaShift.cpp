#include "automation/embedded/excel/FormulaShift.h"

#include <cctype>
#include <optional>

#include "automation/embedded/excel/CellAddress.h"

namespace dorvane::embedded::excel {

namespace {

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) {
    return IsLetter(c) || IsDigit(c) || c == '_' || c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

// One side of a reference: [$]letters, [$]digits, or both.
struct Part {
    bool columnAbsolute = false, rowAbsolute = false;
    std::optional<int> column, row;
    std::size_t end = 0;
};

std::optional<Part> ReadPart(std::string_view s, std::size_t i) {
    Part part;
    std::size_t j = i;
    bool dollar = j < s.size() && s[j] == '$';
    if (dollar) ++j;
    std::size_t letters = j;
    while (j < s.size() && IsLetter(s[j])) ++j;
    if (j > letters) {
        part.column = ColumnFromLetters(s.substr(letters, j - letters));
        if (!part.column) return std::nullopt;
        part.columnAbsolute = dollar;
        dollar = j < s.size() && s[j] == '$';
        if (dollar) ++j;
    }
    std::size_t digits = j;
    while (j < s.size() && IsDigit(s[j])) ++j;
    if (j > digits) {
        if (j - digits > 7) return std::nullopt;
        part.row = std::stoi(std::string(s.substr(digits, j - digits)));
        if (*part.row < 1 || *part.row > kMaxRows) return std::nullopt;
        part.rowAbsolute = dollar;
    } else if (dollar) {
        return std::nullopt;  // "$A$" without a row
    }
    if (!part.column && !part.row) return std::nullopt;
    part.end = j;
    return part;
}

// Writes a part shifted; false when it leaves the sheet.
bool WritePart(const Part& part, int rows, int columns, std::string& out) {
    if (part.column) {
        int column = *part.column + (part.columnAbsolute ? 0 : columns);
        if (column < 1 || column > kMaxColumns) return false;
        out += (part.columnAbsolute ? "$" : "") + ColumnLetters(column);
    }
    if (part.row) {
        int row = *part.row + (part.rowAbsolute ? 0 : rows);
        if (row < 1 || row > kMaxRows) return false;
        out += (part.rowAbsolute ? "$" : "") + std::to_string(row);
    }
    return true;
}

// A reference starting at i: a cell, a cell range, a column range or a row
// range. Returns the position after it, or nothing when none starts there.
std::optional<std::size_t> ShiftReference(std::string_view s, std::size_t i, int rows, int columns, std::string& out) {
    auto first = ReadPart(s, i);
    if (!first) return std::nullopt;
    std::optional<Part> second;
    std::size_t end = first->end;
    if (end < s.size() && s[end] == ':') {
        second = ReadPart(s, end + 1);
        if (second && second->column.has_value() == first->column.has_value() &&
            second->row.has_value() == first->row.has_value())
            end = second->end;
        else
            second.reset();
    }
    bool cell = first->column && first->row;
    if (!cell && !second) return std::nullopt;  // a lone "A" or "12" is no reference
    // A name or function continues with name characters or '('.
    if (end < s.size() && (IsNameChar(s[end]) || s[end] == '(' || s[end] == '!')) return std::nullopt;
    std::string shifted;
    bool inside = WritePart(*first, rows, columns, shifted);
    if (second) {
        shifted += ':';
        inside = WritePart(*second, rows, columns, shifted) && inside;
    }
    out += inside ? shifted : "#REF!";
    return end;
}

std::size_t SkipQuoted(std::string_view s, std::size_t i, char quote, std::string& out) {
    out += s[i++];
    while (i < s.size()) {
        out += s[i];
        if (s[i] == quote) {
            if (i + 1 < s.size() && s[i + 1] == quote) {
                out += s[++i];
            } else {
                return i + 1;
            }
        }
        ++i;
    }
    return i;
}

}  // namespace

std::string ShiftFormula(std::string_view s, int rows, int columns) {
    std::string out;
    std::size_t i = 0;
    int brackets = 0;
    while (i < s.size()) {
        char c = s[i];
        if (c == '"' || (c == '\'' && brackets == 0)) {
            i = SkipQuoted(s, i, c, out);
            continue;
        }
        if (c == '[') ++brackets;
        if (c == ']' && brackets > 0) --brackets;
        bool boundary = i == 0 || !IsNameChar(s[i - 1]);
        if (brackets == 0 && boundary && (c == '$' || IsLetter(c) || IsDigit(c))) {
            if (auto end = ShiftReference(s, i, rows, columns, out)) {
                i = *end;
                continue;
            }
            // Not a reference: copy the whole word.
            std::size_t j = i + 1;
            while (j < s.size() && (IsNameChar(s[j]) || s[j] == '$')) ++j;
            out.append(s.substr(i, j - i));
            i = j;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

}  // namespace dorvane::embedded::excel
