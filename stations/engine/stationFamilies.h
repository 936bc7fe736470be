#pragma once
// What a networked station's device type means: the family of inputs it has, how
// many inputs the editors show, and the input-type list of each family. The station
// editors and the documentation share these tables so a code reads the same
// everywhere.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class StationFamily { None, PushButton, FourInput, EightInput, Photocell };

// Device types 0..9 (`iDeviceType`), as the device-type list shows them.
inline constexpr std::array<std::string_view, 10> kStationDeviceTypeNames = {
    "None",     "1 Button",     "2 Button", "3 Button", "4 Button",
    "5 Button", "6/7/8 Button", "4 Input",  "8 Input",  "Photocell",
};

inline constexpr std::array<std::string_view, 5> kPushButtonInputTypeNames = {
    "Momentary PB", "Set Preset", "Timed On", "2 Step", "4 Step",
};
inline constexpr std::array<std::string_view, 10> kFourInputInputTypeNames = {
    "Momentary On/Off", "Momentary PB", "Maintained On/Off", "Set Preset", "Timed On",
    "HID Bi-Level",     "2 Step",       "4 Step",            "Timer Disable", "Output Override",
};
inline constexpr std::array<std::string_view, 5> kEightInputInputTypeNames = {
    "Maintained On/Off", "Set Preset", "Timed On", "2 Step", "4 Step",
};

// The family of a device type; a code outside 1..9 (none, or damaged) has none.
StationFamily StationFamilyOf(long deviceType);

// Inputs the device editors show for a device type: 1..5 buttons, eight for the
// "6/7/8 Button", four or eight switch inputs, eight photocell inputs; 0 otherwise.
int StationInputsShown(long deviceType);

// The input-type list of a family (empty for a photocell or no family).
std::span<const std::string_view> StationInputTypeNames(StationFamily family);

// Each family code behaves like one of the local input types (core/itemTexts.h):
// "Timed On" is code 2 on buttons but local type 5, and so on. Returns the local
// type code, or -1 for a code outside the family's list.
int StationInputKind(StationFamily family, long inputType);

// A station's name, a point and the 1-based input number: "TLINK 0A.1".
std::string StationInputName(std::string_view stationName, int input);

// The code a push-button or 8-input station's input goes by: its type code Mod 5, so
// codes left from a "4 Input" (0..9) land in the five-item lists. VB's Mod keeps the
// sign, and a negative code names no type. Other families keep their codes.
int16_t StationListCode(StationFamily family, int16_t inputType);

// The device type as the input control editors caption it: " 4 Input"; " None" for 0
// and for a code outside 1..9.
std::string StationDeviceTypeCaption(long deviceType);
// The input type as the input control editors caption it, by the kind it behaves like
// (" Maint. On/Off" for a maintained switch input) but " Maintained On/Off" for every
// photocell input; empty for a code of no type.
std::string StationInputTypeCaption(long deviceType, int16_t inputType);

// A photocell level byte as its editor captions it: " Off 128/255 (50%)". Levels
// from a damaged record show as stored.
std::string PhotocellLevelCaption(std::string_view which, int16_t level);
