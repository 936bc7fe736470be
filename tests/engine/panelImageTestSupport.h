#pragma once
// Helpers of the panel image tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
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

// Random bytes everywhere, except in the entries whose encoding cannot carry every
// byte back (flags, the MODBUS byte, the DMX levels) and the password, which we fix.
inline void fillRandomImage(unsigned seed, const PasswordDigits& password)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int16_t& value : iImage) value = static_cast<int16_t>(byte(rng));
    for (int address : {0x1F61, 0x1F78, 0x1F79}) iImage[static_cast<std::size_t>(address)] = byte(rng) % 2;
    iImage[0x1FE3] = 21;
    iImage[0x1FE0] = 26;
    iImage[0x1FE1] = 230;
    for (std::size_t k = 0; k < 6; ++k) iImage[0x1F7A + k] = password[k];
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
