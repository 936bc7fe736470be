#pragma once
// Configurations for the panel image tests: every field the image carries filled with
// values that survive a pack and an unpack unchanged, and host-only fields marked.

#include <random>
#include <string>

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"

struct ConfigSnapshot {
    PanelConfig config = tConfig;
    std::array<StationRecord, kStationCount> stations = tStation;
    std::array<int16_t, kDimmerWords> dimmers = iDimmerData;

    bool matchesCurrent() const { return config == tConfig && stations == tStation && dimmers == iDimmerData; }
};

inline void fillCarriedFields(unsigned seed)
{
    std::mt19937 rng(seed);
    auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto byte = [&] { return static_cast<int16_t>(any(0, 255)); };
    auto flag = [&] { return any(0, 1) ? VbTrue : VbFalse; };
    auto text = [&](std::size_t width) {
        std::string s(width, ' ');
        for (char& ch : s) ch = static_cast<char>(any(0, 255));
        return s;
    };

    PanelConfig& c = tConfig;
    c.sPanelName = text(18);
    for (int a = 0; a < 48; ++a) {
        const auto i = static_cast<std::size_t>(a);
        for (int b = 0; b < 48; ++b) {
            c.iInputToRelayControl(a, b) = static_cast<int16_t>(any(0, 7));
            c.iInputToGroupControl(a, b) = static_cast<int16_t>(any(0, 7));
            c.bRelayInGroup(a, b) = flag();
            c.iTimerToRelayControl(a, b) = static_cast<int16_t>(any(0, 3));
            c.iTimerToGroupControl(a, b) = static_cast<int16_t>(any(0, 3));
            c.iTimerToPresetControl(a, b) = static_cast<int16_t>(any(0, 1));
            c.iPresetRelayState(a, b) = static_cast<int16_t>(any(0, 3));
        }
        for (ItemArray* list : {&c.iInputPreset, &c.iRelayTimerType, &c.iRelayPowerOnType, &c.iInputType,
                                &c.iInputEnableTime, &c.iInputDisableTime, &c.iInputPilot, &c.iTimerTime,
                                &c.iTimerMinute, &c.iTimerDays, &c.iTimerHolidayMonth, &c.iTimerHolidayDate})
            (*list)[i] = byte();
        c.lInputTimedOnMinutes[i] = any(0, 65535);
        c.iRelayDMXChannel[i] = static_cast<int16_t>(any(-32768, 32767));
        c.bSweepRelay[i] = flag();
        c.bSweepGroup[i] = flag();
        for (auto* names : {&c.sRelayName, &c.sGroupName, &c.sInputName, &c.sTimerName, &c.sPresetName})
            (*names)[i] = text(10);
    }
    for (std::size_t d = 0; d < 7; ++d) {
        c.iOpenTime[d] = byte();
        c.iCloseTime[d] = byte();
    }
    for (int m = 0; m < 12; ++m) {
        for (int d = 0; d < 31; ++d) {
            c.iDateOpenTime(m, d) = byte();
            c.iDateCloseTime(m, d) = byte();
        }
    }
    for (int16_t* value : {&c.iBlinkAlertMinutes, &c.iAlarmSeconds, &c.iSweepInterval, &c.iLatitude, &c.iLongitude,
                           &c.iTimeZone, &c.iRTCSource, &c.iDMXFilter, &c.iDSTStartWeek, &c.iDSTStartMonth,
                           &c.iDSTEndWeek, &c.iDSTEndMonth})
        *value = byte();
    for (std::size_t n = 0; n < 12; ++n) c.iNodeIO[n] = byte();
    c.iOverrideMinutes = static_cast<int16_t>(any(-32768, 32767));
    c.bDSTEnabled = flag();
    c.bPhotocellFilter2Sec = flag();
    c.bTimedOnBeginsOnClose = flag();
    c.iDMXOnLevel = static_cast<int16_t>(any(0, 99));
    c.iDMXOffLevel = static_cast<int16_t>(any(0, 99));
    c.iModBusMode = static_cast<int16_t>(any(0, 1));
    c.iModBusBaud = static_cast<int16_t>(any(0, 3));
    c.iModBusParity = static_cast<int16_t>(any(0, 3));

    for (std::size_t s = 1; s < kStationCount; ++s) {
        StationRecord& st = tStation[s];
        st.iDeviceType = byte();
        st.sName = text(10);
        for (int k = 0; k < 8; ++k) {
            const auto kk = static_cast<std::size_t>(k);
            for (StationInputArray* list : {&st.iInputType, &st.iPilot, &st.iOffLevel, &st.iOnLevel, &st.iPresetNumber})
                (*list)[kk] = byte();
            st.lTimedOnMinutes[kk] = any(0, 65535);
            for (int r = 0; r < 48; ++r) {
                st.iRelayAction(k, r) = static_cast<int16_t>(any(0, 7));
                st.iGroupAction(k, r) = static_cast<int16_t>(any(0, 7));
            }
        }
    }
    for (int16_t& word : iDimmerData) word = byte();
}

// Puts recognisable values into everything that lives on the host only.
inline void markHostOnlyFields()
{
    PanelConfig& c = tConfig;
    sPhoneNumber = "555-0199";
    sTCPAddress = "10.1.2.3";
    iConnectionType = 2;
    for (ItemArray* list : {&c.iInputPreset, &c.iRelayTimerType, &c.iInputPilot, &c.iTimerHolidayDate,
                            &c.iRelayDMXChannel, &c.bSweepRelay})
        (*list)[48] = 77;
    c.lInputTimedOnMinutes[48] = 999;
    c.sRelayName[48] = "SPARE";
    for (int i = 0; i < 49; ++i) {
        c.iInputToRelayControl(48, i) = 7;
        c.iPresetRelayState(i, 48) = 3;
        c.bRelayInGroup(48, i) = VbTrue;
    }
    c.iOpenTime[7] = 11;
    c.iCloseTime[7] = 12;
    c.iDateOpenTime(12, 5) = 13;
    c.iDateCloseTime(3, 31) = 14;
    c.iNodeIO[12] = 4;
    c.iAddOnModule = 3;
    c.iComPort = 9;
    tStation[0].iDeviceType = 5;
    tStation[0].sName = "HOST ONLY";
    tStation[0].iRelayAction(0, 0) = 7;
    tStation[12].iInputType[8] = 3;
    tStation[12].iRelayAction(8, 4) = 7;
    tStation[12].iGroupAction(2, 48) = 7;
}
