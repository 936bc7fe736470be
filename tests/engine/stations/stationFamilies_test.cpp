#include <gtest/gtest.h>

#include "core/itemTexts.h"
#include "stations/engine/stationFamilies.h"

TEST(StationFamilies, DeviceTypesInputsAndTypeLists)
{
    EXPECT_EQ(StationFamilyOf(0), StationFamily::None);
    EXPECT_EQ(StationFamilyOf(1), StationFamily::PushButton);
    EXPECT_EQ(StationFamilyOf(6), StationFamily::PushButton);
    EXPECT_EQ(StationFamilyOf(7), StationFamily::FourInput);
    EXPECT_EQ(StationFamilyOf(8), StationFamily::EightInput);
    EXPECT_EQ(StationFamilyOf(9), StationFamily::Photocell);
    EXPECT_EQ(StationFamilyOf(10), StationFamily::None);
    EXPECT_EQ(StationFamilyOf(-1), StationFamily::None);

    const int shown[] = {0, 1, 2, 3, 4, 5, 8, 4, 8, 8, 0};
    for (int type = 0; type <= 10; ++type) EXPECT_EQ(StationInputsShown(type), shown[type]) << type;

    EXPECT_EQ(StationInputTypeNames(StationFamily::PushButton).size(), 5u);
    EXPECT_EQ(StationInputTypeNames(StationFamily::FourInput)[2], "Maintained On/Off");
    EXPECT_EQ(StationInputTypeNames(StationFamily::EightInput)[0], "Maintained On/Off");
    EXPECT_TRUE(StationInputTypeNames(StationFamily::Photocell).empty());
}

TEST(StationFamilies, EachCodeBehavesLikeALocalInputType)
{
    // "Timed On" and "Set Preset" sit at different codes in each family.
    EXPECT_EQ(StationInputKind(StationFamily::PushButton, 1), kLocalSetPreset);
    EXPECT_EQ(StationInputKind(StationFamily::PushButton, 2), kLocalTimedOn);
    EXPECT_EQ(StationInputKind(StationFamily::FourInput, 3), kLocalSetPreset);
    EXPECT_EQ(StationInputKind(StationFamily::FourInput, 4), kLocalTimedOn);
    EXPECT_EQ(StationInputKind(StationFamily::FourInput, 8), kLocalTimerDisable);
    EXPECT_EQ(StationInputKind(StationFamily::EightInput, 0), kLocalMaintOnOff);
    EXPECT_EQ(StationInputKind(StationFamily::EightInput, 2), kLocalTimedOn);

    // Every family name agrees with the local type it maps to, but for the longer
    // "Maintained On/Off" of the station lists.
    for (StationFamily family : {StationFamily::PushButton, StationFamily::FourInput, StationFamily::EightInput}) {
        const auto names = StationInputTypeNames(family);
        for (std::size_t code = 0; code < names.size(); ++code) {
            const std::string_view local = kLocalInputTypeNames[static_cast<std::size_t>(StationInputKind(family, static_cast<long>(code)))];
            if (names[code] == "Maintained On/Off") EXPECT_EQ(local, "Maint. On/Off");
            else EXPECT_EQ(names[code], local);
        }
        EXPECT_EQ(StationInputKind(family, static_cast<long>(names.size())), -1);
        EXPECT_EQ(StationInputKind(family, -1), -1);
    }
    EXPECT_EQ(StationInputKind(StationFamily::Photocell, 0), -1);
    EXPECT_EQ(StationInputKind(StationFamily::None, 0), -1);
}
