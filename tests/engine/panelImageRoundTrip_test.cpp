#include <gtest/gtest.h>

#include <random>

#include "link/engine/panelImage.h"
#include "panelImageTestConfig.h"

namespace {

const PasswordDigits kPassword{9, 0, 8, 1, 7, 2};

void setImageText(int first, std::string_view text)
{
    for (std::size_t k = 0; k < text.size(); ++k)
        iImage[static_cast<std::size_t>(first) + k] = static_cast<unsigned char>(text[k]);
}

} // namespace

TEST(PanelImageRoundTrip, PackUnpackPackGivesTheSameImageForAnyConfiguration)
{
    // Out-of-range values included: only the byte each field sends has to survive.
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> any(-32768, 32767);
    SetDefaultSettings();
    fillCarriedFields(5);
    for (ItemArray* list : {&tConfig.iInputPreset, &tConfig.iTimerDays, &tConfig.iInputPilot})
        for (int16_t& value : *list) value = static_cast<int16_t>(any(rng));
    for (int16_t& value : tConfig.iInputToRelayControl.v) value = static_cast<int16_t>(any(rng));
    for (int16_t& value : tConfig.bRelayInGroup.v) value = static_cast<int16_t>(any(rng) % 3);
    for (int16_t& value : tStation[30].iRelayAction.v) value = static_cast<int16_t>(any(rng));
    for (int16_t& word : iDimmerData) word = static_cast<int16_t>(any(rng));
    tConfig.lInputTimedOnMinutes[3] = 123456789;
    tConfig.bDSTEnabled = 3;
    tConfig.sRelayName[0] = "";
    tConfig.sGroupName[1] = "A much longer name than ten";

    iImage.fill(0);
    PackPanelImage(kPassword);
    const PanelImageArray first = iImage;
    bUnpackNames = VbTrue;
    UnpackPanelImage();
    PackPanelImage(kPassword);
    EXPECT_TRUE(first == iImage);
}

TEST(PanelImageRoundTrip, UnpackWithNamesRestoresEveryCarriedFieldAndNoHostOnlyOne)
{
    SetDefaultSettings();
    fillCarriedFields(1);
    markHostOnlyFields();
    const ConfigSnapshot expected;
    PackPanelImage(kPassword);

    fillCarriedFields(2);
    bChanged = VbFalse;
    bUnpackNames = VbTrue;
    UnpackPanelImage();
    EXPECT_TRUE(expected.matchesCurrent());
    EXPECT_EQ(bChanged, VbFalse);
}

TEST(PanelImageRoundTrip, UnpackWithoutNamesKeepsHostNamesButTakesThePanelName)
{
    SetDefaultSettings();
    tConfig.sRelayName[0] = "STAGE";
    tStation[5].sName = "LOBBY";
    tConfig.iInputType[3] = 12;
    PackPanelImage(kPassword);

    SetDefaultSettings();
    tConfig.sPanelName = "HOST NAME";
    bUnpackNames = VbFalse;
    UnpackPanelImage();
    EXPECT_EQ(tConfig.sRelayName[0], "RELAY 01");
    EXPECT_EQ(tStation[5].sName, "TLINK 05");
    EXPECT_EQ(tConfig.sPanelName, "OVK BREVANTINE 3  ");
    EXPECT_EQ(tConfig.iInputType[3], 12);

    bUnpackNames = VbTrue;
    UnpackPanelImage();
    EXPECT_EQ(tConfig.sRelayName[0], "STAGE     ");
    EXPECT_EQ(tConfig.sRelayName[1], "RELAY 02  ");
    EXPECT_EQ(tStation[5].sName, "LOBBY     ");
}

TEST(PanelImageRoundTrip, UnpackReadsForeignBytesToTheEnd)
{
    SetDefaultSettings();
    iImage.fill(0);
    iImage[0x1F51] = 0x80;  // override minutes with the high bit set
    iImage[0x1F52] = 0x01;
    iImage[0x0780] = 0xFF;  // input 0 timed-on minutes
    iImage[0x0781] = 0xFF;
    iImage[0x2040 + 0x13] = 0xC0;  // station 1, input 0 timed-on minutes
    iImage[0x1FDE] = 0x90;         // relay 47 DMX channel
    iImage[0x1F61] = 2;            // a flag other than 1 is false
    iImage[0x1F78] = 255;
    iImage[0x1F79] = 1;
    iImage[0x1FE3] = 0xFF;         // MODBUS settings: the top bits are not carried
    iImage[0x1FE0] = 2;
    iImage[0x1FE1] = 254;
    iImage[0x1F7A] = 9;            // the password never comes back
    iImage[0x9C0B] = 7;
    bUnpackNames = VbTrue;
    UnpackPanelImage();

    EXPECT_EQ(static_cast<uint16_t>(tConfig.iOverrideMinutes), 0x8001);
    EXPECT_EQ(tConfig.lInputTimedOnMinutes[0], 65535);
    EXPECT_EQ(tStation[1].lTimedOnMinutes[0], 0xC000);
    EXPECT_EQ(static_cast<uint16_t>(tConfig.iRelayDMXChannel[47]), 0x9000);
    EXPECT_EQ(tConfig.bDSTEnabled, VbFalse);
    EXPECT_EQ(tConfig.bPhotocellFilter2Sec, VbFalse);
    EXPECT_EQ(tConfig.bTimedOnBeginsOnClose, VbTrue);
    EXPECT_EQ(tConfig.iModBusMode, 1);
    EXPECT_EQ(tConfig.iModBusBaud, 3);
    EXPECT_EQ(tConfig.iModBusParity, 3);
    EXPECT_EQ(tConfig.iDMXOffLevel, 0);
    EXPECT_EQ(tConfig.iDMXOnLevel, 99);
    EXPECT_EQ(iDimmerData[6155], 7);
    EXPECT_EQ(tConfig.sRelayName[0], std::string(10, '\0'));
    EXPECT_EQ(tConfig.sPanelName, std::string(18, '\0'));
    EXPECT_EQ(tStation[64].sName, std::string(10, '\0'));

    // The same bytes go back with the next download.
    PackPanelImage({9, 0, 0, 0, 0, 0});
    EXPECT_EQ(iImage[0x1F51], 0x80);
    EXPECT_EQ(iImage[0x1F52], 0x01);
    EXPECT_EQ(iImage[0x0780], 0xFF);
    EXPECT_EQ(iImage[0x2040 + 0x13], 0xC0);
    EXPECT_EQ(iImage[0x1FDE], 0x90);
    EXPECT_EQ(iImage[0x1420], 0);
    EXPECT_EQ(iImage[0x1F65], 0);
    EXPECT_EQ(iImage[0x1FE3], 31);
}

TEST(PanelImageRoundTrip, UnpackThenPackKeepsEveryWrittenEntryOfAPanelImage)
{
    std::mt19937 rng(23);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int16_t& value : iImage) value = static_cast<int16_t>(byte(rng));
    // The entries the panel format does not carry whole: flags, MODBUS byte, DMX levels.
    for (int address : {0x1F61, 0x1F78, 0x1F79}) iImage[static_cast<std::size_t>(address)] = byte(rng) % 2;
    iImage[0x1FE3] = 21;
    iImage[0x1FE0] = 26;
    iImage[0x1FE1] = 230;
    setImageText(0x1F7A, "\x01\x02\x03\x04\x05\x06");
    const PanelImageArray panel = iImage;

    SetDefaultSettings();
    bUnpackNames = VbTrue;
    UnpackPanelImage();
    EXPECT_TRUE(panel == iImage);
    PackPanelImage({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(panel == iImage);
}
