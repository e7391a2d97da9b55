#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "schemes/CellConversion.h"
#include "schemes/SchemeLayout.h"

namespace dorvane::schemes {
namespace {

using excel::CellValue;

TEST(CellToInt16, WholeNumbersFractionsAndText) {
    struct Case {
        CellValue value;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {CellValue(), 0},
        {CellValue::Number(1), 1},
        {CellValue::Number(2), 2},
        {CellValue::Number(-7), -7},
        {CellValue::Number(0.5), 0},  // halves go to the even neighbour
        {CellValue::Number(1.5), 2},
        {CellValue::Number(2.5), 2},
        {CellValue::Number(-0.5), 0},
        {CellValue::Number(-1.5), -2},
        {CellValue::Number(0.51), 1},
        {CellValue::Number(32767), 32767},
        {CellValue::Number(32767.5), std::nullopt},  // rounds to 32768
        {CellValue::Number(-32768.5), -32768},
        {CellValue::Number(-32769), std::nullopt},
        {CellValue::Number(std::numeric_limits<double>::quiet_NaN()), std::nullopt},
        {CellValue::Text("1"), 1},
        {CellValue::Text(" 2 "), 2},
        {CellValue::Text("1.5"), 2},
        {CellValue::Text("abc"), std::nullopt},
        {CellValue::Text(""), std::nullopt},
        {CellValue::Text("1 pt"), std::nullopt},
        {CellValue::Boolean(true), -1},
        {CellValue::Boolean(false), 0},
        {CellValue::Error("#N/A"), std::nullopt},
    };
    for (const Case& c : cases) {
        auto got = CellToInt16(c.value);
        SCOPED_TRACE(CellToText(c.value));
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) EXPECT_EQ(*got, *c.expected);
    }
}

TEST(CellToText, EmptyTextAndShortestNumbers) {
    EXPECT_EQ(CellToText(CellValue()), "");
    EXPECT_EQ(CellToText(CellValue::Text("1.00")), "1.00");  // text stays as it is
    EXPECT_EQ(CellToText(CellValue::Text(" 宋体 ")), " 宋体 ");
    EXPECT_EQ(CellToText(CellValue::Number(0.5)), "0.5");
    EXPECT_EQ(CellToText(CellValue::Number(1)), "1");
    EXPECT_EQ(CellToText(CellValue::Number(-0.0)), "0");
    EXPECT_EQ(CellToText(CellValue::Number(-2.25)), "-2.25");
    EXPECT_EQ(CellToText(CellValue::Number(100000)), "100000");
    EXPECT_EQ(CellToText(CellValue::Number(0.1 + 0.2)), "0.30000000000000004");
    EXPECT_EQ(CellToText(CellValue::Number(123456789012345)), "123456789012345");
    EXPECT_EQ(CellToText(CellValue::Number(1e20)), "1e+20");
    EXPECT_EQ(CellToText(CellValue::Number(1e-7)), "1e-07");
    EXPECT_EQ(CellToText(CellValue::Boolean(true)), "TRUE");
    EXPECT_EQ(CellToText(CellValue::Error("#DIV/0!")), "#DIV/0!");
}

TEST(SchemeLayout, RowsAreAscendingAndCoverEveryFieldOnce) {
    int previous = 1;
    std::vector<int> checks, combos;
    for (const SchemeRow& row : SchemeLayout) {
        EXPECT_GT(row.row, previous);
        EXPECT_FALSE((row.row >= 16 && row.row <= 19) || row.row == 28 || row.row == 29);
        previous = row.row;
        if (row.value == SchemeValue::Check) checks.push_back(row.field);
        if (row.value == SchemeValue::Combo) combos.push_back(row.field);
    }
    std::sort(checks.begin(), checks.end());
    std::sort(combos.begin(), combos.end());
    EXPECT_EQ(checks, (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(combos, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(OptionRows().size(), 18u);
    for (int group = 1; group <= 3; ++group) {
        LineGroupRows rows = RowsOfLineGroup(group);
        EXPECT_EQ(rows.identity, 1 + group);
        EXPECT_EQ(rows.style, 4 + group);
        EXPECT_EQ(rows.width, 7 + group);
    }
}

}  // namespace
}  // namespace dorvane::schemes
