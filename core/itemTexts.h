#pragma once
// Texts of codes that several forms and the documentation show alike.

#include <array>
#include <string_view>

// Local input types 0..12 (`iInputType`).
inline constexpr std::array<std::string_view, 13> kLocalInputTypeNames = {
    "Momentary On/Off", "Momentary PB", "Maint. On/Off", "Maint. Multi-Way", "Set Preset",
    "Timed On",         "HID Bi-Level", "2 Step",        "4 Step",           "Input Disable",
    "Timer Disable",    "Output Override", "Force Timer",
};

// The text of a code, or an empty text for a code no list has (damaged file, upload).
template <std::size_t N>
constexpr std::string_view codeText(const std::array<std::string_view, N>& texts, long code)
{
    return (code >= 0 && static_cast<std::size_t>(code) < N) ? texts[static_cast<std::size_t>(code)] : std::string_view{};
}

// Codes of the local input types whose meaning other code relies on (lists, stations).
inline constexpr int kLocalMomentaryOnOff = 0;
inline constexpr int kLocalMomentaryPB = 1;
inline constexpr int kLocalMaintOnOff = 2;
inline constexpr int kLocalMaintMultiWay = 3;
inline constexpr int kLocalSetPreset = 4;
inline constexpr int kLocalTimedOn = 5;
inline constexpr int kLocalHIDBiLevel = 6;
inline constexpr int kLocal2Step = 7;
inline constexpr int kLocal4Step = 8;
inline constexpr int kLocalInputDisable = 9;
inline constexpr int kLocalTimerDisable = 10;
inline constexpr int kLocalOutputOverride = 11;
inline constexpr int kLocalForceTimer = 12;

// Relay output options (`iRelayTimerType`) and power-on states (`iRelayPowerOnType`).
inline constexpr std::array<std::string_view, 7> kRelayTimerTypeNames = {
    "No Blink", "Blink", "HID Delay", "Alarm Off", "Alarm On", "Pulsed Off", "Pulsed On",
};
inline constexpr std::array<std::string_view, 4> kRelayPowerOnTypeNames = {
    "Off", "On", "On/In:1", "Last State",
};

// Time zones 0..4 (`iTimeZone`).
inline constexpr std::array<std::string_view, 5> kTimeZoneNames = {
    "Eastern", "Central", "Mountain", "Pacific", "Alaska",
};

// Months January..December and weekdays Sunday..Saturday.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};
inline constexpr std::array<std::string_view, 12> kMonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
};
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};
