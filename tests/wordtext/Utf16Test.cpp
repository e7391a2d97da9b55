#include <gtest/gtest.h>

#include "automation/embedded/wordtext/Utf16.h"

using namespace dorvane::wordtext;

TEST(Utf16, CountsCodeUnitsOfMixedText) {
    EXPECT_EQ(Utf16Length(""), 0u);
    EXPECT_EQ(Utf16Length("abc"), 3u);
    EXPECT_EQ(Utf16Length("合计"), 2u);           // 3 bytes each, one unit each
    EXPECT_EQ(Utf16Length("a\xF0\x9F\x98\x80"), 3u);  // U+1F600 is a surrogate pair
    EXPECT_EQ(Utf16Length("\xFF" "a"), 2u);         // an invalid byte counts as one
}

TEST(Utf16, ConvertsOffsetsBothWays) {
    const std::string s = "a合\xF0\x9F\x98\x80" "b";  // units: a=0 合=1 pair=2,3 b=4
    EXPECT_EQ(Utf8OffsetOf(s, 0), 0u);
    EXPECT_EQ(Utf8OffsetOf(s, 1), 1u);
    EXPECT_EQ(Utf8OffsetOf(s, 2), 4u);
    EXPECT_EQ(Utf8OffsetOf(s, 3), 4u);  // inside the pair: back to its start
    EXPECT_EQ(Utf8OffsetOf(s, 4), 8u);
    EXPECT_EQ(Utf8OffsetOf(s, 99), s.size());
    EXPECT_EQ(Utf16OffsetOf(s, 4), 2u);
    EXPECT_EQ(Utf16OffsetOf(s, 8), 4u);
    EXPECT_EQ(Utf16OffsetOf(s, 2), 1u);  // inside 合
    EXPECT_EQ(Utf16Slice(s, 1, 4), "合\xF0\x9F\x98\x80");
}

TEST(Utf16, RoundTripsThroughUtf16) {
    const std::string s = "x千\xF0\x9F\x98\x80y";
    const std::u16string u = ToUtf16(s);
    ASSERT_EQ(u.size(), 5u);
    EXPECT_EQ(u[2], 0xD83D);
    EXPECT_EQ(ToUtf8(u), s);
    EXPECT_EQ(EncodeUtf8(0x3000), "\xE3\x80\x80");
}
