// Displayed texts and displayed precision of number format codes.

#include <gtest/gtest.h>

#include "automation/embedded/excel/NumberFormat.h"

using dorvane::embedded::excel::BuiltinFormatCode;
using dorvane::embedded::excel::FormatGeneral;
using dorvane::embedded::excel::NumberFormat;

namespace {

std::string Show(const std::string& code, double value) { return NumberFormat::Parse(code)->Format(value); }
double Round(const std::string& code, double value) { return NumberFormat::Parse(code)->RoundAsDisplayed(value); }

}  // namespace

TEST(NumberFormat, GeneralShowsElevenCharactersAtMost) {
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(12), "12");
    EXPECT_EQ(FormatGeneral(-3.5), "-3.5");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333333");
    EXPECT_EQ(FormatGeneral(123456.789012), "123456.789");
    EXPECT_EQ(FormatGeneral(12345678901), "12345678901");
    EXPECT_EQ(FormatGeneral(123456789012), "1.23457E+11");
    EXPECT_EQ(FormatGeneral(0.000123456789), "0.000123457");
    EXPECT_EQ(FormatGeneral(0.00001), "1E-05");
    EXPECT_EQ(FormatGeneral(9.99999999999), "10");
}

TEST(NumberFormat, FixedDecimalsThousandsAndRounding) {
    EXPECT_EQ(Show("0.00", 3.14159), "3.14");
    EXPECT_EQ(Show("0.00", 2.675), "2.68");  // half away from zero at 15 digits
    EXPECT_EQ(Show("0.00", -2.675), "-2.68");
    EXPECT_EQ(Show("0", 0.5), "1");
    EXPECT_EQ(Show("#,##0", 1234567.8), "1,234,568");
    EXPECT_EQ(Show("#,##0.00", 0), "0.00");
    EXPECT_EQ(Show("#,##0", 999.5), "1,000");
    EXPECT_EQ(Show("#.##", 0.5), ".5");
    EXPECT_EQ(Show("0.0#", 2), "2.0");
    EXPECT_EQ(Show("000", 7), "007");
    EXPECT_EQ(Show("#,##0,", 1234567), "1,235");  // scaled by a thousand
    EXPECT_EQ(Show("0.00?", 1.5), "1.50 ");
}

TEST(NumberFormat, PercentScientificAndFractions) {
    EXPECT_EQ(Show("0%", 0.256), "26%");
    EXPECT_EQ(Show("0.00%", 0.12345), "12.35%");
    EXPECT_EQ(Show("0.00E+00", 12345), "1.23E+04");
    EXPECT_EQ(Show("0.00E+00", 0.00012), "1.20E-04");
    EXPECT_EQ(Show("0.0E+00", 9.96), "1.0E+01");
    EXPECT_EQ(Show("##0.0E+0", 12345), "12.3E+3");
    EXPECT_EQ(Show("# ?/?", 1.5), "1 1/2");
    EXPECT_EQ(Show("# ?/?", 0.75), "3/4");
}

TEST(NumberFormat, SectionsLiteralsAndText) {
    const std::string accounting = "#,##0.00;[Red](#,##0.00);\"-\"";
    EXPECT_EQ(Show(accounting, 1234.5), "1,234.50");
    EXPECT_EQ(Show(accounting, -1234.5), "(1,234.50)");
    EXPECT_EQ(Show(accounting, 0), "-");
    EXPECT_EQ(Show("0.00\" 元\"", 12), "12.00 元");
    EXPECT_EQ(Show("[$¥-804]#,##0", 5000), "¥5,000");
    EXPECT_EQ(Show("0_);(0)", 5), "5 ");
    EXPECT_EQ(Show("[>=100]\"big\";\"small\"", 150), "big");
    EXPECT_EQ(Show("[>=100]\"big\";\"small\"", 50), "small");
    EXPECT_EQ(NumberFormat::Parse("@")->FormatText("abc"), "abc");
    EXPECT_EQ(NumberFormat::Parse("0;-0;0;\"<\"@\">\"")->FormatText("x"), "<x>");
    EXPECT_EQ(NumberFormat::Parse("0.00")->FormatText("text"), "text");
}

TEST(NumberFormat, DatesAndTimes) {
    const double serial = 45356.5208333333;  // 2024-03-05 12:30
    EXPECT_TRUE(NumberFormat::Parse("yyyy-mm-dd")->IsDate());
    EXPECT_FALSE(NumberFormat::Parse("0.00")->IsDate());
    EXPECT_FALSE(NumberFormat::Parse("\"d\"0")->IsDate());
    EXPECT_EQ(Show("yyyy-mm-dd", serial), "2024-03-05");
    EXPECT_EQ(Show("yyyy\"年\"m\"月\"d\"日\"", serial), "2024年3月5日");
    EXPECT_EQ(Show("d-mmm-yy", serial), "5-Mar-24");
    EXPECT_EQ(Show("dddd, mmmm d", serial), "Tuesday, March 5");
    EXPECT_EQ(Show("h:mm AM/PM", serial), "12:30 PM");
    EXPECT_EQ(Show("hh:mm:ss", 0.25), "06:00:00");
    EXPECT_EQ(Show("[h]:mm", 1.5), "36:00");
    EXPECT_EQ(Show("mm:ss.0", 1.25 / 86400), "00:01.3");
    EXPECT_EQ(Show("上午/下午h\"时\"mm\"分\"", 0.75), "下午6时00分");
    EXPECT_EQ(Show("aaaa", serial), "星期二");
    EXPECT_EQ(Show("yyyy-mm-dd", 60), "1900-02-29");
    EXPECT_EQ(Show("yyyy-mm-dd", 61), "1900-03-01");
    EXPECT_EQ(Show(BuiltinFormatCode(14), serial), "2024/3/5");
}

TEST(NumberFormat, PrecisionAsDisplayed) {
    EXPECT_DOUBLE_EQ(Round("0.00", 3.14159), 3.14);
    EXPECT_DOUBLE_EQ(Round("0%", 0.2567), 0.26);
    EXPECT_DOUBLE_EQ(Round("#,##0", 1234.56), 1235);
    EXPECT_DOUBLE_EQ(Round("#,##0,", 1234567), 1235000);
    EXPECT_DOUBLE_EQ(Round("0.0E+00", 12345), 12000);
    EXPECT_EQ(Round("General", 1.0 / 3), 1.0 / 3);  // General is not rounded
    EXPECT_DOUBLE_EQ(Round("0.00;(0.0)", -1.26), -1.3);  // the negative section decides
    EXPECT_DOUBLE_EQ(Round("yyyy-mm-dd", 45356.52), 45356.52);
    EXPECT_DOUBLE_EQ(Round("\"fixed\"", 2.5), 2.5);
}

TEST(NumberFormat, BuiltinCodes) {
    EXPECT_EQ(BuiltinFormatCode(0), "General");
    EXPECT_EQ(BuiltinFormatCode(4), "#,##0.00");
    EXPECT_TRUE(NumberFormat::Parse(BuiltinFormatCode(22))->IsDate());
    EXPECT_TRUE(NumberFormat::Parse(BuiltinFormatCode(31))->IsDate());
    EXPECT_TRUE(NumberFormat::Parse(BuiltinFormatCode(46))->IsDate());
    EXPECT_FALSE(NumberFormat::Parse(BuiltinFormatCode(49))->IsDate());
    EXPECT_EQ(BuiltinFormatCode(163), "");
}
