#include <gtest/gtest.h>

#include <set>

#include "link/engine/panelImage.h"
#include "panelImageTestConfig.h"

namespace {

const PasswordDigits kPassword{1, 2, 3, 4, 5, 6};

std::string imageText(int first, int width)
{
    std::string text;
    for (int k = 0; k < width; ++k) text += static_cast<char>(iImage[static_cast<std::size_t>(first + k)]);
    return text;
}

int entry(int address) { return iImage[static_cast<std::size_t>(address)]; }

} // namespace

TEST(PanelImageLayout, BytesWordsFlagsAndLevelsAtTheirAddresses)
{
    SetDefaultSettings();
    PanelConfig& c = tConfig;
    c.iInputPreset[5] = 7;
    c.iTimerHolidayDate[47] = 31;
    c.iInputDisableTime[47] = 95;
    c.iNodeIO[11] = 4;
    c.iOpenTime[6] = 40;
    c.iDateOpenTime(11, 30) = 88;
    c.iDateCloseTime(0, 0) = 60;
    c.lInputTimedOnMinutes[47] = 999;
    c.iOverrideMinutes = 300;
    c.iRelayDMXChannel[47] = 512;
    c.bSweepRelay[0] = VbTrue;
    c.bSweepRelay[47] = 1;
    c.bSweepGroup[9] = VbTrue;
    c.bPhotocellFilter2Sec = 5;
    c.iModBusMode = 1;
    c.iModBusBaud = 2;
    c.iModBusParity = 2;
    iDimmerData[0] = 17;
    iDimmerData[6155] = 1;
    PackPanelImage(kPassword);

    EXPECT_EQ(entry(0x06C5), 7);
    EXPECT_EQ(entry(0x1EEF), 31);
    EXPECT_EQ(entry(0x1F4F), 95);
    EXPECT_EQ(entry(0x1FFB), 4);
    EXPECT_EQ(entry(0x1FF0), 1);
    EXPECT_EQ(entry(0x1116), 40);
    EXPECT_EQ(entry(0x1117), 84);
    EXPECT_EQ(entry(0x1291), 88);
    EXPECT_EQ(entry(0x1292), 60);
    EXPECT_EQ(entry(0x1FFF), 11);
    EXPECT_EQ(entry(0x0900 + 47), 47);  // default pilot of input 47

    EXPECT_EQ(entry(0x07DE), 3);
    EXPECT_EQ(entry(0x07DF), 231);
    EXPECT_EQ(entry(0x0780), 0);
    EXPECT_EQ(entry(0x0781), 10);
    EXPECT_EQ(entry(0x1F51), 1);
    EXPECT_EQ(entry(0x1F52), 44);
    EXPECT_EQ(entry(0x1FDE), 2);
    EXPECT_EQ(entry(0x1FDF), 0);

    EXPECT_EQ(entry(0x1F55), 0x01);
    EXPECT_EQ(entry(0x1F5A), 0x80);
    EXPECT_EQ(entry(0x1F5C), 0x02);
    EXPECT_EQ(entry(0x1F61), 1);   // daylight saving on by default
    EXPECT_EQ(entry(0x1F78), 1);
    EXPECT_EQ(entry(0x1F79), 0);

    EXPECT_EQ(entry(0x1FE0), 26);  // 10 %
    EXPECT_EQ(entry(0x1FE1), 230); // 90 %
    EXPECT_EQ(entry(0x1FE3), 21);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(entry(0x1F7A + k), k + 1);

    EXPECT_EQ(entry(0x8400), 17);
    EXPECT_EQ(entry(0x8401), 255);  // power-on level 100 %
    EXPECT_EQ(entry(0x9C0B), 1);
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

    EXPECT_EQ(entry(0x011F), 0x80);
    EXPECT_EQ(entry(0x023F), 0x00);
    EXPECT_EQ(entry(0x035F), 0x80);
    EXPECT_EQ(entry(0x0000), 0x01);
    EXPECT_EQ(entry(0x0120), 0x00);
    EXPECT_EQ(entry(0x0240), 0x00);
    EXPECT_EQ(entry(0x04BD), 0x02);
    EXPECT_EQ(entry(0x03BD), 0x00);
    EXPECT_EQ(entry(0x07F4), 0x70);
    EXPECT_EQ(entry(0x0DB7), 0x01);
    EXPECT_EQ(entry(0x110A), 0x01);
    EXPECT_EQ(entry(0x0FEA), 0x00);

    EXPECT_EQ(entry(0x822F), 0x80);  // station 64 starts at 0x8200
    EXPECT_EQ(entry(0x825F), 0x80);
    EXPECT_EQ(entry(0x828F), 0x80);
    EXPECT_EQ(entry(0x8327), 33);
    EXPECT_EQ(entry(0x3430), 0x01);  // station 1 starts at 0x3340
    EXPECT_EQ(entry(0x3340 + 0x90), 0x00);

    // A bit cleared since the last pack is clear in the next one.
    tStation[64].iRelayAction(7, 47) = 0;
    PackPanelImage(kPassword);
    EXPECT_EQ(entry(0x822F), 0x00);
    EXPECT_EQ(entry(0x828F), 0x00);
}

TEST(PanelImageLayout, NamesAreCutOrPaddedToTheirWidth)
{
    SetDefaultSettings();
    tConfig.sPresetName[47] = "ABCDEFGHIJKL";
    tStation[64].iDeviceType = 9;
    PackPanelImage(kPassword);
    EXPECT_EQ(imageText(0x1420, 10), "RELAY 01  ");
    EXPECT_EQ(imageText(0x15F6, 10), "RELAY 48  ");
    EXPECT_EQ(imageText(0x1600, 10), "GROUP 01  ");
    EXPECT_EQ(imageText(0x1BA0, 10), "PRESET 01 ");
    EXPECT_EQ(imageText(0x1D76, 10), "ABCDEFGHIJ");
    EXPECT_EQ(imageText(0x2041, 10), "TLINK 01  ");
    EXPECT_EQ(imageText(0x3001, 10), "TLINK 40  ");
    EXPECT_EQ(entry(0x3000), 9);
    EXPECT_EQ(imageText(0x1F65, 18), "OVK BREVANTINE 3  ");

    tConfig.sPanelName = "ABCDEFGHIJKLMNOPQRST";
    PackPanelImage(kPassword);
    EXPECT_EQ(imageText(0x1F65, 18), "ABCDEFGHIJKLMNOPQR");
    tConfig.sPanelName = "SHOP5";
    PackPanelImage(kPassword);
    EXPECT_EQ(imageText(0x1F65, 18), "SHOP5             ");
}

TEST(PanelImageLayout, GapsKeepWhatTheImageHeldAndNothingElseDoes)
{
    std::set<int> gaps;
    auto addRange = [&](int first, int last) {
        for (int a = first; a <= last; ++a) gaps.insert(a);
    };
    addRange(0x1406, 0x141F);
    addRange(0x1D80, 0x1DFF);
    addRange(0x1FE4, 0x1FEF);
    addRange(0x2000, 0x203F);
    addRange(0x3040, 0x333F);
    addRange(0x8340, 0x83FF);
    addRange(0x9C0C, 0x9FFF);
    for (int s = 1; s <= 64; ++s) {
        addRange(0x2000 + 64 * s + 0x3B, 0x2000 + 64 * s + 0x3F);
        addRange(0x3200 + 320 * s + 0x128, 0x3200 + 320 * s + 0x13F);
    }
    ASSERT_EQ(gaps.size(), 4058U);

    SetDefaultSettings();
    fillCarriedFields(7);
    iImage.fill(0x55);
    PackPanelImage(kPassword);
    const PanelImageArray first = iImage;
    iImage.fill(0xAA);
    PackPanelImage(kPassword);
    for (int a = 0; a < kImageSize; ++a) {
        const auto i = static_cast<std::size_t>(a);
        if (gaps.count(a)) {
            EXPECT_EQ(first[i], 0x55) << std::hex << a;
            EXPECT_EQ(iImage[i], 0xAA) << std::hex << a;
        } else {
            EXPECT_EQ(first[i], iImage[i]) << std::hex << a;
        }
    }
}

TEST(PanelImageLayout, HostOnlyFieldsNeverReachTheImage)
{
    SetDefaultSettings();
    fillCarriedFields(3);
    PackPanelImage(kPassword);
    const PanelImageArray before = iImage;
    markHostOnlyFields();
    PackPanelImage(kPassword);
    EXPECT_TRUE(before == iImage);
}

TEST(PanelImageLayout, EveryEntryIsStoredAsTheByteTheWireCarries)
{
    SetDefaultSettings();
    PanelConfig& c = tConfig;
    c.iInputPreset[0] = 300;
    c.iRelayTimerType[1] = -1;
    c.lInputTimedOnMinutes[0] = 70000;
    c.iOverrideMinutes = -1;
    c.iDMXOnLevel = 100;
    c.iDMXOffLevel = -5;
    c.iModBusParity = 40;
    iDimmerData[3] = 1000;
    PackPanelImage({12, 0, 0, 0, 0, -1});

    EXPECT_EQ(entry(0x06C0), 44);
    EXPECT_EQ(entry(0x06F1), 255);
    EXPECT_EQ(entry(0x0780), 0x11);
    EXPECT_EQ(entry(0x0781), 0x70);
    EXPECT_EQ(entry(0x1F51), 0xFF);
    EXPECT_EQ(entry(0x1F52), 0xFF);
    EXPECT_EQ(entry(0x1FE1), 0);     // 256, the low byte of 100 %
    EXPECT_EQ(entry(0x1FE0), 244);   // Int(-11.47) = -12
    EXPECT_EQ(entry(0x1FE3), 64);    // 320
    EXPECT_EQ(entry(0x8403), 0xE8);
    EXPECT_EQ(entry(0x1F7A), 12);
    EXPECT_EQ(entry(0x1F7F), 255);

    for (int16_t& word : iDimmerData) word = -1234;
    c.sRelayName[0] = "\xE9t\xE9";
    PackPanelImage(kPassword);
    for (const int16_t value : iImage) ASSERT_TRUE(value >= 0 && value <= 255) << value;
    EXPECT_EQ(entry(0x1420), 0xE9);
}

TEST(PanelImageLayout, PasswordDigitIsTheNumberTheBoxStartsWith)
{
    EXPECT_EQ(PasswordDigit("7"), 7);
    EXPECT_EQ(PasswordDigit(""), 0);
    EXPECT_EQ(PasswordDigit("x"), 0);
    EXPECT_EQ(PasswordDigit(" 4a"), 4);
    EXPECT_EQ(PasswordDigit("2.5"), 2);
    EXPECT_EQ(PasswordDigit("99999999"), 32767);
}
