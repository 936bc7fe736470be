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
