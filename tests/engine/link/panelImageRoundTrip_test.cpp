#include <vector>

#include "panelImageTestSupport.h"

namespace {
const PasswordDigits kPassword{9, 0, 8, 1, 7, 2};
}

TEST(PanelImageRoundTrip, ImageAndConfigurationSurviveUnpackAndPack)
{
    SetDefaultSettings();
    markHostOnlyFields();
    fillRandomImage(23, kPassword);
    const PanelImageArray panel = iImage;
    bChanged = VbFalse;
    bUnpackNames = VbTrue;
    UnpackPanelImage();
    PackPanelImage(kPassword);
    EXPECT_TRUE(panel == iImage);
    EXPECT_EQ(bChanged, VbFalse);
    const ConfigSnapshot unpacked;
    markHostOnlyFields();
    EXPECT_TRUE(unpacked.matchesCurrent());

    // Values no editor gives: only the byte each one sends has to come back.
    for (int16_t& value : tConfig.iInputToRelayControl.v) value = -1234;
    tConfig.bRelayInGroup(0, 0) = 2;
    tConfig.lInputTimedOnMinutes[3] = 123456789;
    tConfig.bDSTEnabled = 3;
    tConfig.sGroupName[1] = "A much longer name than ten";
    tStation[30].iRelayAction(2, 2) = 15;
    PackPanelImage(kPassword);
    const PanelImageArray first = iImage;
    UnpackPanelImage();
    PackPanelImage(kPassword);
    EXPECT_TRUE(first == iImage);
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
    EXPECT_EQ(tStation[5].sName, "LOBBY     ");
}

TEST(PanelImageRoundTrip, UnpackReadsForeignBytesToTheEndAndPacksThemBack)
{
    SetDefaultSettings();
    iImage.fill(0);
    for (auto [address, value] : {std::pair{0x1F51, 0x80}, {0x1F52, 0x01}, {0x0780, 0xFF}, {0x0781, 0xFF},
                                  {0x2053, 0xC0}, {0x1FDE, 0x90}, {0x1F61, 2}, {0x1F78, 255}, {0x1F79, 1},
                                  {0x1FE3, 0xFF}, {0x1FE0, 2}, {0x1FE1, 254}, {0x9C0B, 7}})
        iImage[static_cast<std::size_t>(address)] = static_cast<int16_t>(value);
    bUnpackNames = VbTrue;
    UnpackPanelImage();

    const PanelConfig& c = tConfig;
    EXPECT_EQ(static_cast<uint16_t>(c.iOverrideMinutes), 0x8001);
    EXPECT_EQ(c.lInputTimedOnMinutes[0], 65535);
    EXPECT_EQ(tStation[1].lTimedOnMinutes[0], 0xC000);
    EXPECT_EQ(static_cast<uint16_t>(c.iRelayDMXChannel[47]), 0x9000);
    EXPECT_EQ((std::vector<int>{c.bDSTEnabled, c.bPhotocellFilter2Sec, c.bTimedOnBeginsOnClose}),
              (std::vector<int>{0, 0, -1}));
    EXPECT_EQ((std::vector<int>{c.iModBusMode, c.iModBusBaud, c.iModBusParity}), (std::vector<int>{1, 3, 3}));
    EXPECT_EQ((std::vector<int>{c.iDMXOffLevel, c.iDMXOnLevel}), (std::vector<int>{0, 99}));
    EXPECT_EQ(iDimmerData[6155], 7);
    EXPECT_EQ(c.sRelayName[0], std::string(10, '\0'));
    EXPECT_EQ(c.sPanelName, std::string(18, '\0'));

    PackPanelImage(kPassword);
    expectEntries({{0x1F51, 0x80}, {0x1F52, 0x01}, {0x0780, 0xFF}, {0x2053, 0xC0}, {0x1FDE, 0x90},
                   {0x1420, 0}, {0x1F65, 0}, {0x1FE3, 31}});
}
