#include "automation/embedded/excel/CellAddress.h"

#include <algorithm>
#include <cctype>

namespace dorvane::embedded::excel {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::optional<int> RowFromDigits(std::string_view digits) {
    if (digits.empty() || digits.size() > 7) return std::nullopt;
    int row = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return std::nullopt;
        row = row * 10 + (c - '0');
    }
    if (row < 1 || row > kMaxRows) return std::nullopt;
    return row;
}

// One end of an area: letters and/or digits, each optionally after '$'.
struct EndPoint {
    std::optional<int> row;
    std::optional<int> column;
};

std::optional<EndPoint> ParseEndPoint(std::string_view text) {
    EndPoint point;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '$') ++i;
    std::size_t letters = i;
    while (i < text.size() && IsLetter(text[i])) ++i;
    if (i > letters) {
        point.column = ColumnFromLetters(text.substr(letters, i - letters));
        if (!point.column) return std::nullopt;
    }
    if (i < text.size() && text[i] == '$') {
        if (!point.column) return std::nullopt;
        ++i;
    }
    if (i < text.size()) {
        point.row = RowFromDigits(text.substr(i));
        if (!point.row) return std::nullopt;
    }
    if (!point.row && !point.column) return std::nullopt;
    return point;
}

}  // namespace

std::optional<int> ColumnFromLetters(std::string_view letters) {
    if (letters.empty() || letters.size() > 3) return std::nullopt;
    int column = 0;
    for (char c : letters) {
        if (!IsLetter(c)) return std::nullopt;
        column = column * 26 + (std::toupper(static_cast<unsigned char>(c)) - 'A' + 1);
    }
    if (column > kMaxColumns) return std::nullopt;
    return column;
}

std::string ColumnLetters(int column) {
    std::string letters;
    while (column > 0) {
        int rest = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + rest));
        column = (column - 1) / 26;
    }
    return letters;
}

std::optional<CellPosition> ParseCellReference(std::string_view text) {
    auto point = ParseEndPoint(Trim(text));
    if (!point || !point->row || !point->column) return std::nullopt;
    return CellPosition{*point->row, *point->column};
}

std::optional<CellArea> ParseArea(std::string_view text) {
    text = Trim(text);
    auto colon = text.find(':');
    auto first = ParseEndPoint(text.substr(0, colon));
    if (!first) return std::nullopt;
    auto second = colon == std::string_view::npos ? first : ParseEndPoint(text.substr(colon + 1));
    if (!second) return std::nullopt;
    // Both ends must be of the same kind: cells, whole columns or whole rows.
    bool firstCell = first->row && first->column;
    bool secondCell = second->row && second->column;
    if (firstCell != secondCell || first->row.has_value() != second->row.has_value()) return std::nullopt;
    CellArea area;
    if (first->column) {
        area.left = std::min(*first->column, *second->column);
        area.right = std::max(*first->column, *second->column);
    } else {
        area.left = 1;
        area.right = kMaxColumns;
    }
    if (first->row) {
        area.top = std::min(*first->row, *second->row);
        area.bottom = std::max(*first->row, *second->row);
    } else {
        area.top = 1;
        area.bottom = kMaxRows;
    }
    return area;
}

std::vector<CellArea> ParseAreas(std::string_view text) {
    std::vector<CellArea> areas;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(", ", start);
        if (end == std::string_view::npos) end = text.size();
        auto piece = text.substr(start, end - start);
        if (!piece.empty()) {
            auto area = ParseArea(piece);
            if (!area) return {};
            areas.push_back(*area);
        }
        start = end + 1;
    }
    return areas;
}

std::string CellReference(int row, int column) {
    return ColumnLetters(column) + std::to_string(row);
}

std::string AreaReference(const CellArea& area) {
    std::string first = CellReference(area.top, area.left);
    if (area.top == area.bottom && area.left == area.right) return first;
    return first + ":" + CellReference(area.bottom, area.right);
}

std::string AreaAddress(const CellArea& area) {
    auto absolute = [](int row, int column) {
        return "$" + ColumnLetters(column) + "$" + std::to_string(row);
    };
    // Whole columns and whole rows are written as Excel writes them.
    if (area.top == 1 && area.bottom == kMaxRows)
        return "$" + ColumnLetters(area.left) + ":$" + ColumnLetters(area.right);
    if (area.left == 1 && area.right == kMaxColumns)
        return "$" + std::to_string(area.top) + ":$" + std::to_string(area.bottom);
    std::string first = absolute(area.top, area.left);
    if (area.top == area.bottom && area.left == area.right) return first;
    return first + ":" + absolute(area.bottom, area.right);
}

}  // namespace dorvane::embedded::excel
