#pragma once
// Texts of the relay option codes; a code is the position of its text.

#include <array>
#include <string_view>

// `iRelayTimerType`
inline constexpr std::array<std::string_view, 7> kRelayTimerTypeNames = {
    "No Blink", "Blink", "HID Delay", "Alarm Off", "Alarm On", "Pulsed Off", "Pulsed On",
};

// `iRelayPowerOnType`
inline constexpr std::array<std::string_view, 4> kRelayPowerOnTypeNames = {
    "Off", "On", "On/In:1", "Last State",
};
