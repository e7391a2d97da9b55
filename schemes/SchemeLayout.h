#pragma once

// The scheme workbook: one row per setting on its first sheet, with the
// key in column 1, the value in column 2 and a description in column 3.
// Settings are identified by row number alone; keys and descriptions are
// written once, when the workbook is created, and never read back.

#include <array>
#include <string_view>
#include <vector>

namespace dorvane::schemes {

// Where the one scheme of the program lives.
inline constexpr std::string_view kSchemePath = "d:\\paibanfangan.xls";

inline constexpr int kKeyColumn = 1;
inline constexpr int kValueColumn = 2;
inline constexpr int kDescriptionColumn = 3;

// Row 1: the header.
inline constexpr int kHeaderRow = 1;
inline constexpr std::string_view kHeaderKey = "变量";
inline constexpr std::string_view kHeaderValue = "值";
inline constexpr std::string_view kHeaderDescription = "说明";

// What column 2 of a row holds.
enum class SchemeValue {
    Identity,  // identity text of the library picture a preview box shows
    Style,     // style name of that picture (written, never read)
    Width,     // width name of that picture (written, never read)
    Check,     // a switch field as a whole number
    Combo,     // a list field as text
};

struct SchemeRow {
    int row;
    std::string_view key;
    std::string_view description;
    SchemeValue value;
    // Identity/Style/Width: the line group 1..3. Check: the switch number
    // (Check2..Check6). Combo: the list number (Combo1..Combo13).
    int field;
};

// The 27 setting rows in ascending row order. Rows 16-19 and 28-29 stay
// empty.
inline constexpr std::array<SchemeRow, 27> SchemeLayout = {{
    {2, "Form4.Picture21.Picture", "上线边框图片", SchemeValue::Identity, 1},
    {3, "Form4.Picture22.Picture", "左右边框图片", SchemeValue::Identity, 2},
    {4, "Form4.Picture23.Picture", "内外边框图片", SchemeValue::Identity, 3},
    {5, "LineStyle1", "上下边框线形", SchemeValue::Style, 1},
    {6, "LineStyle2", "左右线形", SchemeValue::Style, 2},
    {7, "LineStyle3", "内外线形", SchemeValue::Style, 3},
    {8, "LineWidth1", "上下线宽", SchemeValue::Width, 1},
    {9, "LineWidth2", "左右线宽", SchemeValue::Width, 2},
    {10, "LineWidth3", "内外线宽", SchemeValue::Width, 3},
    {11, "check3", "是否包括特殊表格", SchemeValue::Check, 3},
    {12, "combo8", "行高", SchemeValue::Combo, 8},
    {13, "combo7", "表格宽度", SchemeValue::Combo, 7},
    {14, "combo13", "指定宽度等", SchemeValue::Combo, 13},
    {15, "combo6", "指定的宽度值或缩进", SchemeValue::Combo, 6},
    {20, "combo1", "行距", SchemeValue::Combo, 1},
    {21, "combo2", "文字字体", SchemeValue::Combo, 2},
    {22, "combo12", "数字字体", SchemeValue::Combo, 12},
    {23, "check5", "是否删除表格中的空格", SchemeValue::Check, 5},
    {24, "combo3", "字号", SchemeValue::Combo, 3},
    {25, "combo4", "首先缩进", SchemeValue::Combo, 4},
    {26, "combo5", "单元格右边距", SchemeValue::Combo, 5},
    {27, "check4", "数字加千分位", SchemeValue::Check, 4},
    {30, "combo9", "标题行 对齐方式", SchemeValue::Combo, 9},
    {31, "combo10", "标题列", SchemeValue::Combo, 10},
    {32, "combo11", "其他区域", SchemeValue::Combo, 11},
    {33, "check2", "跨页显示标题行", SchemeValue::Check, 2},
    {34, "ckeck6", "首列末行为合计时居中", SchemeValue::Check, 6},
}};

// The rows of line group 1..3.
struct LineGroupRows {
    int identity;
    int style;
    int width;
};
LineGroupRows RowsOfLineGroup(int group);

// The 18 option rows (checks and combos) in ascending row order.
std::vector<SchemeRow> OptionRows();

}  // namespace dorvane::schemes
