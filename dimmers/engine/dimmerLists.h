#pragma once
// The entries of the dimmer editors' lists, in list order; a stored code is the entry's
// position unless a mapping below says otherwise.

#include <string>
#include <string_view>
#include <vector>

using ListEntries = std::vector<std::string>;

// "Dimmer Output Device: 01" .. "Dimmer Output Device: 0C".
ListEntries DimmerDeviceEntries();
// "Output: 1" .. "Output: 4".
ListEntries DimmerOutputEntries();
// prefix & n & suffix for n = first .. last, after `head` when one is given.
ListEntries NumberEntries(std::string_view prefix, int first, int last, std::string_view suffix = {},
                          std::string_view head = {});
// prefix & p & "%" for p = first .. last.
ListEntries PercentEntries(std::string_view prefix, int first = 0, int last = 100);
// prefix & "PhotoCell", then the percents 0 .. 100: position 0 follows the photocell.
ListEntries PhotocellOrPercentEntries(std::string_view prefix);
ListEntries FadeRateEntries();
ListEntries TrackingEntries();
// "Device: 01" .. "Device: 40": the tracking photocell's station.
ListEntries PhotocellStationEntries();
// "Target: n/255 (fc fc)" for the photocell levels 0 .. 255.
ListEntries TargetEntries();
inline constexpr int kMaxDmxChannel = 512;
// "DMX - Disabled", then "DMX Channel: 1" .. "DMX Channel: 512".
ListEntries DmxChannelEntries();
// prefix & the number in two digits for 1 .. count: "Control: 01", "T:48".
ListEntries NumberedEntries(std::string_view prefix, int count);
ListEntries ControlTypeEntries();
// "Hardwired", then "D:01" .. "D:40".
ListEntries ControlSourceEntries();
ListEntries ControlActionEntries();
ListEntries ControlFadeEntries();
ListEntries ControlRevertEntries();

// The tracking list runs Disabled, 2 Point, 3 Point, Setpoint; the stored modes are
// 0 Disabled, 1 2 Point, 2 Setpoint, 3 3 Point. Both give -1 outside 0 .. 3.
int TrackingModeOfPosition(int position);
int TrackingPositionOfMode(int mode);
inline constexpr int kTrackingTwoPointPosition = 1;
inline constexpr int kTrackingDisabled = 0, kTrackingTwoPoint = 1, kTrackingSetpoint = 2, kTrackingThreePoint = 3;

// Control option types.
inline constexpr int kControlUnused = 0, kControlInput = 1, kControlTimer = 2, kControlPreset = 3,
                     kControlInvertIn = 4;
inline constexpr int kLocalInputs = 48, kStationInputs = 8;
