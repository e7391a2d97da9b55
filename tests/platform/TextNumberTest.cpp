#include <gtest/gtest.h>

#include "platform/TextNumber.h"

using dorvane::platform::ParseNumber;
using dorvane::platform::ParseSingle;

TEST(TextNumber, AcceptsNumbersAsWritten) {
    EXPECT_DOUBLE_EQ(*ParseNumber("1,234.56"), 1234.56);
    EXPECT_DOUBLE_EQ(*ParseNumber("-3"), -3);
    EXPECT_DOUBLE_EQ(*ParseNumber("  12.5 "), 12.5);
    EXPECT_DOUBLE_EQ(*ParseNumber("+0.50"), 0.5);
    EXPECT_DOUBLE_EQ(*ParseNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(*ParseNumber("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(*ParseNumber("5."), 5);
    EXPECT_DOUBLE_EQ(*ParseNumber("1e3"), 1000);
    EXPECT_DOUBLE_EQ(*ParseNumber("1,234,567"), 1234567);
    EXPECT_DOUBLE_EQ(*ParseNumber("12345"), 12345);
}

TEST(TextNumber, RefusesEverythingElse) {
    for (const char* text : {"", " ", "12%", "-", "+", ".", "1,23", "12345,678", ",123", "abc",
                             "1.2.3", "1e", "12 cm", "１２", "1 000", "0x10", "1e999", "不变",
                             "指定宽度", "1,234,56"})
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
}

TEST(TextNumber, SinglePrecisionKeepsTheFieldValue) {
    EXPECT_FLOAT_EQ(*ParseSingle("0.55"), 0.55f);
    EXPECT_FALSE(ParseSingle("1e300").has_value());
}
