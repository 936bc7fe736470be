#include <gtest/gtest.h>

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"

TEST(DimmerTable, PercentAndChannelEncodings)
{
    iDimmerData.fill(0);
    DimSetPowerOnLevel(0, 0, 100);
    EXPECT_EQ(iDimmerData[1], 255);
    EXPECT_EQ(DimGetPowerOnLevel(0, 0), 100);
    DimSetPowerOnLevel(0, 0, 50);
    EXPECT_EQ(iDimmerData[1], 127);
    EXPECT_EQ(DimGetPowerOnLevel(0, 0), 50);
    DimSetPowerOnLevel(0, 0, 1);
    EXPECT_EQ(iDimmerData[1], 2);
    EXPECT_EQ(DimGetPowerOnLevel(0, 0), 1);
    for (int16_t p = 0; p <= 100; ++p) {
        DimSetMaxLevel(2, 1, p);
        EXPECT_EQ(DimGetMaxLevel(2, 1), p);
    }

    DimSetDMXChan(1, 2, 300);
    EXPECT_EQ(iDimmerData[512 + 256 + 13], 1);
    EXPECT_EQ(iDimmerData[512 + 256 + 14], 44);
    EXPECT_EQ(DimGetDMXChan(1, 2), 300);
    DimSetDMXChan(1, 2, 512);
    EXPECT_EQ(iDimmerData[512 + 256 + 13], 2);
    EXPECT_EQ(iDimmerData[512 + 256 + 14], 0);
    EXPECT_EQ(DimGetDMXChan(1, 2), 512);
    DimSetDMXChan(1, 2, 65535);                           // both words of an upload's 255/255
    EXPECT_EQ(iDimmerData[512 + 256 + 13], 255);
    EXPECT_EQ(iDimmerData[512 + 256 + 14], 255);
    iDimmerData[512 + 256 + 13] = 200;                    // a damaged file's word
    iDimmerData[512 + 256 + 14] = 10;
    EXPECT_EQ(DimGetDMXChan(1, 2), 51210);
}

TEST(DimmerTable, BitFieldsAndChangedFlag)
{
    iDimmerData.fill(0);
    iDimmerData[0] = 264;
    DimSetBit(0, 3, 0);
    EXPECT_EQ(iDimmerData[0], 0);

    DimSetCOInstant(0, 0, 5, VbTrue);
    DimSetCOType(0, 0, 5, 4);
    EXPECT_EQ(DimGetCOType(0, 0, 5), 4);
    EXPECT_EQ(DimGetCOInstant(0, 0, 5), VbTrue);
    EXPECT_EQ(iDimmerData[16 + 5], 128 + 4);

    DimSetPCTrack(0, 1, 3);
    DimSetMaxPC(0, 1, VbTrue);
    EXPECT_EQ(DimGetPCTrack(0, 1), 3);
    EXPECT_EQ(DimGetMinPC(0, 1), VbFalse);
    EXPECT_EQ(DimGetMaxPC(0, 1), VbTrue);

    DimSetRelayIncluded(3, 3, 47, VbTrue);
    EXPECT_EQ(iDimmerData[3 * 512 + 3 * 128 + 119], 128);
    EXPECT_EQ(DimGetRelayIncluded(3, 3, 47), VbTrue);
    EXPECT_EQ(DimGetRelayIncluded(3, 3, 46), VbFalse);

    bChanged = VbFalse;
    DimSetFadeRate(0, 0, DimGetFadeRate(0, 0));
    EXPECT_EQ(bChanged, VbTrue);
}

TEST(DimmerTable, OutOfRangeIndexIsReportedAndTouchesNothing)
{
    int32_t reported = 0;
    SetDimmerIndexReporter([&](int32_t idx) { reported = idx; });
    iDimmerData.fill(7);
    EXPECT_EQ(DimGetWord(6156), 0);
    EXPECT_EQ(reported, 6156);
    DimSetWord(-1, 99);
    DimSetWord(6156, 99);
    for (int16_t w : iDimmerData) EXPECT_EQ(w, 7);
    SetDimmerIndexReporter(nullptr);
}

TEST(DimmerTable, PhotocellLevelToFootCandles)
{
    const std::pair<int16_t, int16_t> samples[] = {{0, 0},     {75, 3},     {76, 4},     {116, 10},
                                                   {117, 11},  {128, 14},   {170, 39},   {218, 213},
                                                   {228, 400}, {240, 1600}, {241, 1800}, {255, 1800},
                                                   {-1, 1800}};
    for (auto [code, fc] : samples) EXPECT_EQ(PCLevelToFC(code), fc) << code;
}
