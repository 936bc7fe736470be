#include <gtest/gtest.h>

#include "core/hexText.h"
#include "core/vbRuntime.h"

#include <utility>

TEST(HexText, FixedWidthDigitsOfTheLowBitsAndPrefixReading)
{
    EXPECT_EQ(Hex2(0), "00");
    EXPECT_EQ(Hex2(10), "0A");
    EXPECT_EQ(Hex2(256), "00");
    EXPECT_EQ(Hex2(300), "2C");
    EXPECT_EQ(Hex2(-1), "FF");
    EXPECT_EQ(Hex2(-2), "FE");
    EXPECT_EQ(Hex2(4095), "FF");
    EXPECT_EQ(Hex4(40959), "9FFF");
    EXPECT_EQ(Hex4(65536), "0000");
    EXPECT_EQ(Hex4(70000), "1170");
    EXPECT_EQ(Hex4(-1), "FFFF");

    EXPECT_EQ(HexByte("1F"), 31);
    EXPECT_EQ(HexByte("ff"), 255);
    EXPECT_EQ(HexByte("A"), 10);
    EXPECT_EQ(HexByte(""), 0);
    EXPECT_EQ(HexByte("GG"), 0);
    EXPECT_EQ(HexByte("1G"), 1);
    EXPECT_EQ(HexByte("7F00"), 127);
    EXPECT_EQ(HexByte(" F"), 15);
    EXPECT_EQ(HexWord("9FFF"), 40959);
    EXPECT_EQ(HexWord("FFFF"), 65535);
    EXPECT_EQ(HexWord("00FF"), 255);
    EXPECT_EQ(HexWord("8000"), 32768);
}

TEST(VbRuntime, FloorMidFormatAndQuarterHours)
{
    EXPECT_EQ(VbInt(-1.0 / 64), -1);
    EXPECT_EQ(VbInt(2.99), 2);
    EXPECT_EQ(VbIntDiv(-1, 64), -1);
    EXPECT_EQ(VbIntDiv(300, 256), 1);

    EXPECT_EQ(Mid("ABCDEF", 2, 3), "BCD");
    EXPECT_EQ(Mid("ABC", 4, 1), "");
    EXPECT_EQ(Mid("ABC", 2), "BC");
    EXPECT_EQ(Mid("ABC", 0, 1), "");
    EXPECT_EQ(Val("12ab"), 12);
    EXPECT_EQ(Val("  7"), 7);
    EXPECT_EQ(Val("x"), 0);

    EXPECT_EQ(Format00(5), "05");
    EXPECT_EQ(Format00(-5), "-05");
    EXPECT_EQ(Format00(123), "123");

    EXPECT_EQ(QuarterHourText(0), "12:00A");
    EXPECT_EQ(QuarterHourText(32), "8:00A");
    EXPECT_EQ(QuarterHourText(33), "8:15A");
    EXPECT_EQ(QuarterHourText(48), "12:00P");
    EXPECT_EQ(QuarterHourText(84), "9:00P");
    EXPECT_EQ(QuarterHourText(95), "11:45P");
    EXPECT_EQ(QuarterHourText(100), "1:00A");
    EXPECT_EQ(FixedWidth("AB", 4), "AB  ");
    EXPECT_EQ(FixedWidth("ABCDEF", 4), "ABCD");
}

TEST(VbRuntime, NearestGoesToEvenAndFormatRoundsHalvesAway)
{
    EXPECT_EQ(NearestEven(2.5), 2);
    EXPECT_EQ(NearestEven(3.5), 4);
    EXPECT_EQ(NearestEven(-2.5), -2);
    EXPECT_EQ(NearestEven(2.51), 3);
    const std::pair<double, const char*> whole[] = {{0, "0"}, {0.5, "1"}, {2.5, "3"}, {49.8, "50"}, {255 / 2.55, "100"}, {128 / 2.55, "50"}, {-1.5, "-2"}};
    for (const auto& [value, text] : whole) EXPECT_EQ(FormatFixed(value, 0), text) << value;
    const std::pair<double, const char*> tenths[] = {{0, "0.0"}, {0.25, "0.3"}, {5, "5.0"}, {9.96, "10.0"}, {10, "10.0"}, {0.04, "0.0"}};
    for (const auto& [value, text] : tenths) EXPECT_EQ(FormatFixed(value, 1), text) << value;
}
