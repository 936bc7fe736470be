#include <gtest/gtest.h>

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"

TEST(ConfigDefaults, ResetGivesDocumentedValuesAndKeepsSpareElements)
{
    tConfig.iInputPreset[48] = 77;
    tConfig.iNodeIO[12] = 5;
    tStation[3].iInputType[8] = 9;
    bChanged = VbFalse;
    SetDefaultSettings();

    EXPECT_EQ(tConfig.sTimerName[47], "TIMER 48");
    EXPECT_EQ(tConfig.sPresetName[0], "PRESET 01");
    EXPECT_EQ(sPhoneNumber, "");
    EXPECT_EQ(sTCPAddress, "");
    EXPECT_EQ(iConnectionType, 0);
    EXPECT_EQ(tStation[64].sName, "TLINK 40");
    EXPECT_EQ(tStation[10].sName, "TLINK 0A");
    EXPECT_EQ(tConfig.iInputPilot[5], 5);
    EXPECT_EQ(tConfig.iDateOpenTime(12, 31), 100);
    EXPECT_EQ(tConfig.iComPort, 1);
    EXPECT_EQ(tConfig.bDSTEnabled, -1);
    EXPECT_EQ(bChanged, VbTrue);

    EXPECT_EQ(tConfig.iInputPreset[48], 77);
    EXPECT_EQ(tConfig.iNodeIO[12], 5);
    EXPECT_EQ(tStation[3].iInputType[8], 9);

    EXPECT_EQ(DimGetPowerOnLevel(11, 3), 100);
    EXPECT_EQ(DimGetWord(11 * 512 + 3 * 128 + 10), 127);
    EXPECT_EQ(DimGetPointCIn(0, 0), 255);
    EXPECT_EQ(DimGetDevEnabled(0), 0);
}

TEST(ConfigDefaults, IOPointCountSumsNodesZeroToElevenAndClamps)
{
    SetDefaultSettings();
    EXPECT_EQ(GetIOPointCount(), 4);
    tConfig.iNodeIO = {8, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(GetIOPointCount(), 48);
    tConfig.iNodeIO[4] = 4;
    EXPECT_EQ(GetIOPointCount(), 48);
    tConfig.iNodeIO = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30};
    EXPECT_EQ(GetIOPointCount(), 0);
    tConfig.iNodeIO = {32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 0};
    EXPECT_EQ(GetIOPointCount(), 48);
    tConfig.iNodeIO = {-32768, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(GetIOPointCount(), 0);
}
