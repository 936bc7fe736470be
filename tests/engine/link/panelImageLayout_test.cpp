#include "panelImageTestSupport.h"

namespace {
const PasswordDigits kPassword{1, 2, 3, 4, 5, 6};
}

TEST(PanelImageLayout, BytesWordsFlagsAndLevelsAtTheirAddresses)
{
    SetDefaultSettings();
    PanelConfig& c = tConfig;
    c.iInputPreset[5] = 7;
    c.iTimerHolidayDate[47] = 31;
    c.iNodeIO[11] = 4;
    c.iDateOpenTime(11, 30) = 88;
    c.lInputTimedOnMinutes[47] = 999;
    c.iOverrideMinutes = 300;
    c.iRelayDMXChannel[47] = 512;
    c.bSweepRelay[0] = VbTrue;
    c.bSweepRelay[47] = 1;
    c.bSweepGroup[9] = VbTrue;
    c.bPhotocellFilter2Sec = 5;
    c.iModBusMode = 1;
    c.iModBusBaud = c.iModBusParity = 2;
    iDimmerData[6155] = 1;
    PackPanelImage(kPassword);

    expectEntries({{0x06C5, 7}, {0x1EEF, 31}, {0x1FFB, 4}, {0x1FF0, 1}, {0x1117, 84}, {0x1291, 88},
                   {0x1292, 100}, {0x1FFF, 11}, {0x092F, 47}, {0x8401, 255}, {0x9C0B, 1}});
    expectEntries({{0x07DE, 3}, {0x07DF, 231}, {0x0780, 0}, {0x0781, 10}, {0x1F51, 1}, {0x1F52, 44},
                   {0x1FDE, 2}, {0x1FDF, 0}});
    expectEntries({{0x1F55, 0x01}, {0x1F5A, 0x80}, {0x1F5C, 0x02}, {0x1F61, 1}, {0x1F78, 1}, {0x1F79, 0}});
    expectEntries({{0x1FE0, 26}, {0x1FE1, 230}, {0x1FE3, 21}, {0x1F7A, 1}, {0x1F7F, 6}});
}

TEST(PanelImageLayout, BitPlanesOfPanelAndStationMatrices)
{
    SetDefaultSettings();
    PanelConfig& c = tConfig;
    c.iInputToRelayControl(47, 47) = 5;
    c.iInputToRelayControl(0, 0) = 9;  // bit 3 is not carried
    c.iInputToGroupControl(10, 9) = 2;
    c.bRelayInGroup(3, 20) = 1;
    c.bRelayInGroup(3, 21) = VbTrue;
    c.bRelayInGroup(3, 22) = 2;
    c.iTimerToPresetControl(1, 8) = 3;
    c.iPresetRelayState(47, 0) = 2;
    tStation[64].iRelayAction(7, 47) = 7;
    tStation[1].iGroupAction(0, 0) = 4;
    tStation[64].iPresetNumber[7] = 33;
    PackPanelImage(kPassword);

    expectEntries({{0x011F, 0x80}, {0x023F, 0}, {0x035F, 0x80}, {0x0000, 1}, {0x0120, 0}, {0x0240, 0},
                   {0x04BD, 2}, {0x03BD, 0}, {0x07F4, 0x70}, {0x0DB7, 1}, {0x110A, 1}, {0x0FEA, 0}});
    expectEntries({{0x822F, 0x80}, {0x825F, 0x80}, {0x828F, 0x80}, {0x8327, 33}, {0x3430, 1}, {0x33D0, 0}});

    // A bit cleared since the last pack is clear in the next one.
    tStation[64].iRelayAction(7, 47) = 0;
    PackPanelImage(kPassword);
    expectEntries({{0x822F, 0}, {0x828F, 0}});
}

TEST(PanelImageLayout, NamesAreCutOrPaddedToTheirWidth)
{
    SetDefaultSettings();
    tConfig.sPresetName[47] = "ABCDEFGHIJKL";
    PackPanelImage(kPassword);
    EXPECT_EQ(imageText(0x1420, 10), "RELAY 01  ");
    EXPECT_EQ(imageText(0x1600, 10), "GROUP 01  ");
    EXPECT_EQ(imageText(0x1D76, 10), "ABCDEFGHIJ");
    EXPECT_EQ(imageText(0x2041, 10), "TLINK 01  ");
    EXPECT_EQ(imageText(0x3001, 10), "TLINK 40  ");
    EXPECT_EQ(imageText(0x1F65, 18), "OVK BREVANTINE 3  ");

    tConfig.sPanelName = "ABCDEFGHIJKLMNOPQRST";
    PackPanelImage(kPassword);
    EXPECT_EQ(imageText(0x1F65, 18), "ABCDEFGHIJKLMNOPQR");
    tConfig.sPanelName = "SHOP5";
    PackPanelImage(kPassword);
    EXPECT_EQ(imageText(0x1F65, 18), "SHOP5             ");
}

TEST(PanelImageLayout, GapsBelow0x8000AreClearedTheOthersKeptAndHostOnlyFieldsStayOut)
{
    const std::set<int> gaps = imageGaps();
    ASSERT_EQ(gaps.size(), 4058U);

    SetDefaultSettings();
    iImage.fill(0x55);
    PackPanelImage(kPassword);
    const PanelImageArray first = iImage;
    iImage.fill(0xAA);
    markHostOnlyFields();  // none of them may show anywhere
    PackPanelImage(kPassword);
    for (std::size_t a = 0; a < kImageSize; ++a) {
        if (gaps.count(static_cast<int>(a)) == 0)
            ASSERT_EQ(first[a], iImage[a]) << std::hex << a;
        else if (a < 0x8000)
            ASSERT_TRUE(first[a] == 0 && iImage[a] == 0) << std::hex << a;
        else
            ASSERT_TRUE(first[a] == 0x55 && iImage[a] == 0xAA) << std::hex << a;
    }
}

TEST(PanelImageLayout, EveryEntryIsStoredAsTheByteTheWireCarries)
{
    SetDefaultSettings();
    PanelConfig& c = tConfig;
    c.iInputPreset[0] = 300;
    c.iRelayTimerType[1] = -1;
    c.lInputTimedOnMinutes[0] = 70000;
    c.iOverrideMinutes = -1;
    c.iDMXOnLevel = 100;   // 256 by the rounding rule: the panel's full level is 255
    c.iDMXOffLevel = -5;
    c.iModBusParity = 40;
    for (int16_t& word : iDimmerData) word = 1000;
    c.sRelayName[0] = "\xE9t\xE9";
    PackPanelImage({12, 0, 0, 0, 0, -1});

    expectEntries({{0x06C0, 44}, {0x06F1, 255}, {0x0780, 0x11}, {0x0781, 0x70}, {0x1F51, 0xFF}, {0x1F52, 0xFF},
                   {0x1FE1, 255}, {0x1FE0, 0}, {0x1FE3, 64}, {0x8403, 0xE8}, {0x1F7A, 12}, {0x1F7F, 255},
                   {0x1420, 0xE9}});
    for (const int16_t value : iImage) ASSERT_TRUE(value >= 0 && value <= 255) << value;
}

TEST(PanelImageLayout, PasswordDigitIsTheNumberTheBoxStartsWith)
{
    EXPECT_EQ(PasswordDigit("7"), 7);
    EXPECT_EQ(PasswordDigit(""), 0);
    EXPECT_EQ(PasswordDigit(" 4a"), 4);
    EXPECT_EQ(PasswordDigit("99999999"), 32767);
}
