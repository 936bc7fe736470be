#include "core/modB3Glimwarden.h"

#include "core/dataFolder.h"
#include "core/modB3Dimmers.h"
#include "core/vbRuntime.h"

PanelConfig tConfig;
std::array<StationRecord, kStationCount> tStation;

int16_t bConnected = VbFalse;
std::string sFileName;
int16_t bChanged = VbFalse;
std::string sReply;
int16_t bUnpackNames = VbFalse;
std::string sSoftwareVersion;
std::array<int16_t, kDocSections> iDocExclude{};
std::string sDocFile;
std::array<int16_t, kImageSize> iImage{};

int16_t GetIOPointCount()
{
    // Summed wide and clamped: node values from a damaged file must not overflow.
    int64_t blocks = 0;
    for (int node = 0; node < 12; ++node) blocks += tConfig.iNodeIO[static_cast<std::size_t>(node)];
    const int64_t points = blocks * 4;
    if (points > 48) return 48;
    if (points < 0) return 0;
    return static_cast<int16_t>(points);
}

void AfterSettingsLoaded() {}

namespace {

void setItemDefaults(int i)
{
    const auto k = static_cast<std::size_t>(i);
    PanelConfig& c = tConfig;
    const std::string number = Format00(i + 1);
    c.sRelayName[k] = "RELAY " + number;
    c.sGroupName[k] = "GROUP " + number;
    c.sInputName[k] = "INPUT " + number;
    c.sTimerName[k] = "TIMER " + number;
    c.sPresetName[k] = "PRESET " + number;

    c.iInputPreset[k] = 0;
    c.iRelayTimerType[k] = 0;
    c.iRelayPowerOnType[k] = 0;
    c.iInputType[k] = 0;
    c.iInputEnableTime[k] = 0;
    c.iInputDisableTime[k] = 0;
    c.lInputTimedOnMinutes[k] = 10;
    c.iInputPilot[k] = static_cast<int16_t>(i);
    c.iTimerTime[k] = 0;
    c.iTimerMinute[k] = 0;
    c.iTimerDays[k] = 0;
    c.iTimerHolidayMonth[k] = 0;
    c.iTimerHolidayDate[k] = 1;
    c.bSweepRelay[k] = 0;
    c.bSweepGroup[k] = 0;
    c.iRelayDMXChannel[k] = 0;
    for (int j = 0; j < 48; ++j) {
        c.iInputToRelayControl(i, j) = 0;
        c.iInputToGroupControl(i, j) = 0;
        c.bRelayInGroup(i, j) = 0;
        c.iTimerToRelayControl(i, j) = 0;
        c.iTimerToGroupControl(i, j) = 0;
        c.iTimerToPresetControl(i, j) = 0;
        c.iPresetRelayState(i, j) = 0;
    }
}

void setStationDefaults(int s)
{
    StationRecord& st = tStation[static_cast<std::size_t>(s)];
    st.iDeviceType = 0;
    st.sName = "TLINK " + Hex2(s);
    for (int k = 0; k < 8; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        st.iInputType[kk] = 0;
        st.iPilot[kk] = 0;
        st.iOffLevel[kk] = 0;
        st.iOnLevel[kk] = 0;
        st.iPresetNumber[kk] = 0;
        st.lTimedOnMinutes[kk] = 10;
        for (int r = 0; r < 48; ++r) {
            st.iRelayAction(k, r) = 0;
            st.iGroupAction(k, r) = 0;
        }
    }
}

} // namespace

// Element 48 of the item arrays, the spare weekday, node 12 and the spare station
// elements are left as they are: a value a file put there survives a reset.
void SetDefaultSettings()
{
    PanelConfig& c = tConfig;
    for (auto& flag : iDocExclude) flag = 0;

    sDocFile = DefaultDocFilePath();
    iConnectionType = kConnectionSerial;
    sPhoneNumber.clear();
    sTCPAddress.clear();
    c.sPanelName.clear();

    for (int i = 0; i < 48; ++i) setItemDefaults(i);

    for (std::size_t d = 0; d < 7; ++d) {
        c.iOpenTime[d] = 32;
        c.iCloseTime[d] = 84;
    }
    c.iDateOpenTime.v.fill(100);
    c.iDateCloseTime.v.fill(100);

    c.iBlinkAlertMinutes = 10;
    c.iOverrideMinutes = 120;
    c.iAlarmSeconds = 5;
    c.bTimedOnBeginsOnClose = 0;
    c.iSweepInterval = 0;
    c.bDSTEnabled = VbTrue;
    c.iDSTStartWeek = 2;
    c.iDSTStartMonth = 3;
    c.iDSTEndWeek = 1;
    c.iDSTEndMonth = 11;
    c.iLatitude = 45;
    c.iLongitude = 90;
    c.iTimeZone = 1;
    c.iRTCSource = 0;
    c.bPhotocellFilter2Sec = 0;
    c.iAddOnModule = 0;
    c.iNodeIO[0] = 1;
    for (std::size_t n = 1; n < 12; ++n) c.iNodeIO[n] = 0;
    c.iComPort = 1;
    c.iDMXOnLevel = 90;
    c.iDMXOffLevel = 10;
    c.iDMXFilter = 0;
    c.iModBusMode = 0;
    c.iModBusBaud = 0;
    c.iModBusParity = 0;

    for (int s = 0; s < kStationCount; ++s) setStationDefaults(s);

    iDimmerData.fill(0);
    for (int16_t dev = 0; dev < kDimmerDevices; ++dev) {
        for (int16_t out = 0; out < kOutputsPerDimmer; ++out) {
            DimSetPowerOnLevel(dev, out, 100);
            DimSetMaxLevel(dev, out, 100);
            DimSetPointAOut(dev, out, 100);
            DimSetPointBIn(dev, out, 128);
            DimSetPointBOut(dev, out, 50);
            DimSetPointCIn(dev, out, 255);
        }
    }
}
