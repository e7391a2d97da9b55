#include <gtest/gtest.h>

#include "summary/CellNumber.h"

namespace dorvane::summary {
namespace {

using excel::CellValue;

TEST(CellNumber, ValuesThatCountAsNumbers) {
    EXPECT_EQ(CellNumber(CellValue()), 0.0);
    EXPECT_EQ(CellNumber(CellValue::Number(-2.5)), -2.5);
    EXPECT_EQ(CellNumber(CellValue::Boolean(true)), -1.0);
    EXPECT_EQ(CellNumber(CellValue::Boolean(false)), 0.0);
    EXPECT_EQ(CellNumber(CellValue::Date(45292.5)), 45292.5);
    EXPECT_EQ(CellNumber(CellValue::Text("12")), 12.0);
    EXPECT_EQ(CellNumber(CellValue::Text(" 1,234.5 ")), 1234.5);
    EXPECT_EQ(CellNumber(CellValue::Text("-3e2")), -300.0);
}

TEST(CellNumber, ValuesThatStopTheSummation) {
    EXPECT_FALSE(CellNumber(CellValue::Text("abc")));
    EXPECT_FALSE(CellNumber(CellValue::Text("")));
    EXPECT_FALSE(CellNumber(CellValue::Text("12%")));
    EXPECT_FALSE(CellNumber(CellValue::Text("１２")));  // full-width digits
    EXPECT_FALSE(CellNumber(CellValue::Text("1e999")));  // beyond the double range
    EXPECT_FALSE(CellNumber(CellValue::Error("#DIV/0!")));
    EXPECT_FALSE(CellNumber(CellValue::Error("#N/A")));
}

}  // namespace
}  // namespace dorvane::summary
