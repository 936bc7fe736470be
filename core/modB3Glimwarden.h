#pragma once
// The whole configuration of one panel as program-wide data, the module state that
// goes with it, and the small services every part of the program calls.
// Forms read and write these members in place; there is no access layer.

#include <array>
#include <cstdint>
#include <string>

#include "core/hexText.h"
#include "core/vbTypes.h"

struct PanelConfig {
    std::string sPanelName;
    ItemMatrix iInputToRelayControl;
    ItemMatrix iInputToGroupControl;
    ItemArray iInputPreset{};
    ItemArray iRelayTimerType{};
    ItemArray iRelayPowerOnType{};
    ItemArray iInputType{};
    ItemArray iInputEnableTime{};
    ItemArray iInputDisableTime{};
    ItemLongArray lInputTimedOnMinutes{};
    ItemMatrix bRelayInGroup;             // (group, relay)
    ItemArray iInputPilot{};
    ItemMatrix iTimerToRelayControl;
    ItemMatrix iTimerToGroupControl;
    ItemMatrix iTimerToPresetControl;
    ItemMatrix iPresetRelayState;         // (preset, relay)
    std::array<int16_t, 8> iOpenTime{};   // weekday 0 Sunday .. 6 Saturday, 7 spare
    std::array<int16_t, 8> iCloseTime{};
    DateTable iDateOpenTime;              // (month, day - 1)
    DateTable iDateCloseTime;
    std::array<std::string, 49> sRelayName;
    std::array<std::string, 49> sGroupName;
    std::array<std::string, 49> sInputName;
    std::array<std::string, 49> sTimerName;   // element 48: sPhoneNumber
    std::array<std::string, 49> sPresetName;  // element 48: sTCPAddress
    ItemArray iTimerTime{};                   // element 48: iConnectionType
    ItemArray iTimerMinute{};
    ItemArray iTimerDays{};
    ItemArray iTimerHolidayMonth{};
    ItemArray iTimerHolidayDate{};
    int16_t iBlinkAlertMinutes = 0;
    int16_t iOverrideMinutes = 0;
    int16_t iAlarmSeconds = 0;
    int16_t bTimedOnBeginsOnClose = 0;
    int16_t iSweepInterval = 0;
    ItemArray bSweepRelay{};
    ItemArray bSweepGroup{};
    int16_t bDSTEnabled = 0;
    int16_t iDSTStartWeek = 0;
    int16_t iDSTStartMonth = 0;
    int16_t iDSTEndWeek = 0;
    int16_t iDSTEndMonth = 0;
    int16_t iLatitude = 0;
    int16_t iLongitude = 0;
    int16_t iTimeZone = 0;
    int16_t iRTCSource = 0;
    int16_t bPhotocellFilter2Sec = 0;
    int16_t iAddOnModule = 0;
    std::array<int16_t, 13> iNodeIO{};        // element 12 spare
    int16_t iComPort = 0;
    ItemArray iRelayDMXChannel{};
    int16_t iDMXOnLevel = 0;
    int16_t iDMXOffLevel = 0;
    int16_t iDMXFilter = 0;
    int16_t iModBusMode = 0;
    int16_t iModBusBaud = 0;
    int16_t iModBusParity = 0;

    bool operator==(const PanelConfig&) const = default;
};

struct StationRecord {
    int16_t iDeviceType = 0;
    std::string sName;
    StationInputArray iInputType{};
    std::array<int32_t, 9> lTimedOnMinutes{};
    StationInputArray iPilot{};
    StationInputArray iOffLevel{};
    StationInputArray iOnLevel{};
    std::array<int16_t, 12> reserved{};       // 24 bytes kept zero on disk
    StationInputMatrix iRelayAction;          // (input, relay or timer)
    StationInputMatrix iGroupAction;          // (input, group)
    StationInputArray iPresetNumber{};

    bool operator==(const StationRecord&) const = default;
};

inline constexpr int kStationCount = 65;     // 0..64; 0 is never shown or sent
inline constexpr int kImageSize = 40960;
inline constexpr int kDocSections = 13;

extern PanelConfig tConfig;
extern std::array<StationRecord, kStationCount> tStation;

// The link settings live in spare element 48 of three arrays and travel in the data file.
inline std::string& sPhoneNumber = tConfig.sTimerName[48];
inline std::string& sTCPAddress = tConfig.sPresetName[48];
inline int16_t& iConnectionType = tConfig.iTimerTime[48];

inline constexpr int16_t kConnectionSerial = 0;
inline constexpr int16_t kConnectionModem = 1;
inline constexpr int16_t kConnectionTcpIp = 2;

// Module state.
extern int16_t bConnected;
extern std::string sFileName;
extern int16_t bChanged;
extern std::string sReply;
extern int16_t bUnpackNames;
extern std::string sSoftwareVersion;
extern std::array<int16_t, kDocSections> iDocExclude;
extern std::string sDocFile;
extern std::array<int16_t, kImageSize> iImage;

// The file name shown and kept while no data file is open.
inline const std::string kNoFileName = "None";

// Number of relays and of local inputs: 4 x the blocks of nodes 0..11, 0..48.
int16_t GetIOPointCount();
void SetDefaultSettings();
// Hook after a whole configuration was replaced (file read, upload); nothing to do yet.
void AfterSettingsLoaded();
