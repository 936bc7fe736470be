#pragma once
// Helpers of the panel image tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <set>
#include <utility>

#include "core/modB3Dimmers.h"
#include "link/engine/panelImage.h"

inline void expectEntries(std::initializer_list<std::pair<int, int>> expected)
{
    for (const auto& [address, value] : expected)
        EXPECT_EQ(iImage[static_cast<std::size_t>(address)], value) << "at 0x" << std::hex << address;
}

inline std::string imageText(int first, int width)
{
    std::string text;
    for (int k = 0; k < width; ++k) text += static_cast<char>(iImage[static_cast<std::size_t>(first + k)]);
    return text;
}

// The 4,058 entries that no field of the layout names.
inline std::set<int> imageGaps()
{
    std::set<int> gaps;
    auto addRange = [&](int first, int last) {
        for (int a = first; a <= last; ++a) gaps.insert(a);
    };
    for (auto [first, last] : {std::pair{0x1406, 0x141F}, {0x1D80, 0x1DFF}, {0x1FE4, 0x1FEF}, {0x2000, 0x203F},
                               {0x3040, 0x333F}, {0x8340, 0x83FF}, {0x9C0C, 0x9FFF}})
        addRange(first, last);
    for (int s = 1; s <= 64; ++s) {
        addRange(0x2000 + 64 * s + 0x3B, 0x2000 + 64 * s + 0x3F);
        addRange(0x3200 + 320 * s + 0x128, 0x3200 + 320 * s + 0x13F);
    }
    return gaps;
}

// Random bytes everywhere, except in the entries whose encoding cannot carry every
// byte back (flags, the MODBUS byte, the DMX levels, the gaps a pack clears) and the
// password, which we fix. The DMX on level is the panel's full level.
inline void fillRandomImage(unsigned seed, const PasswordDigits& password)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int16_t& value : iImage) value = static_cast<int16_t>(byte(rng));
    for (int address : {0x1F61, 0x1F78, 0x1F79}) iImage[static_cast<std::size_t>(address)] = byte(rng) % 2;
    iImage[0x1FE3] = 21;
    iImage[0x1FE0] = 26;
    iImage[0x1FE1] = 255;
    for (std::size_t k = 0; k < 6; ++k) iImage[0x1F7A + k] = password[k];
    for (int address : imageGaps())
        if (address < 0x8000) iImage[static_cast<std::size_t>(address)] = 0;
}

struct ConfigSnapshot {
    PanelConfig config = tConfig;
    std::array<StationRecord, kStationCount> stations = tStation;
    std::array<int16_t, kDimmerWords> dimmers = iDimmerData;

    bool matchesCurrent() const { return config == tConfig && stations == tStation && dimmers == iDimmerData; }
};

// Values in what lives on the host only: element 48, row and column 48, the spare
// weekday, month and day, node 12, station 0 and station input 8, module and port.
inline void markHostOnlyFields()
{
    PanelConfig& c = tConfig;
    sPhoneNumber = "555-0199";
    sTCPAddress = "10.1.2.3";
    iConnectionType = 2;
    c.iInputPreset[48] = c.bSweepRelay[48] = c.iRelayDMXChannel[48] = 77;
    c.lInputTimedOnMinutes[48] = 999;
    c.sRelayName[48] = "SPARE";
    for (int i = 0; i < 49; ++i) c.iInputToRelayControl(48, i) = c.iPresetRelayState(i, 48) = 3;
    c.iOpenTime[7] = c.iDateOpenTime(12, 5) = c.iDateCloseTime(3, 31) = c.iNodeIO[12] = 11;
    c.iAddOnModule = 3;
    c.iComPort = 9;
    tStation[0].iDeviceType = 5;
    tStation[0].sName = "HOST ONLY";
    tStation[0].iRelayAction(0, 0) = tStation[12].iRelayAction(8, 4) = tStation[12].iInputType[8] = 7;
}
