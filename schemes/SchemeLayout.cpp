#include "schemes/SchemeLayout.h"

#include <stdexcept>
#include <string>

namespace dorvane::schemes {
namespace {

int RowOf(SchemeValue value, int group) {
    for (const SchemeRow& row : SchemeLayout)
        if (row.value == value && row.field == group) return row.row;
    throw std::out_of_range("line group " + std::to_string(group) + " does not exist");
}

}  // namespace

LineGroupRows RowsOfLineGroup(int group) {
    return {RowOf(SchemeValue::Identity, group), RowOf(SchemeValue::Style, group),
            RowOf(SchemeValue::Width, group)};
}

std::vector<SchemeRow> OptionRows() {
    std::vector<SchemeRow> rows;
    for (const SchemeRow& row : SchemeLayout)
        if (row.value == SchemeValue::Check || row.value == SchemeValue::Combo) rows.push_back(row);
    return rows;
}

}  // namespace dorvane::schemes
