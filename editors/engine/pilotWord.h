#pragma once
// A pilot word says what a lamp follows: source * 64 + number, the number 0-based in
// bits 0-5 and the source above it. Local inputs use sources 0..2 (relay, group,
// preset), station inputs 0..3 (static, relay, group, preset). Words from a damaged file or a panel may hold anything, so the two parts
// are read the way they are shown (source floors, number truncates) and each edit
// keeps every bit it does not own.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::array<std::string_view, 3> kLocalPilotSourceNames = {
    "On If Relay", "On If Group", "On If Preset",
};
inline constexpr std::array<std::string_view, 4> kStationPilotSourceNames = {
    "Static", "On If Relay", "On If Group", "On If Preset",
};
inline constexpr int kPilotNumbers = 48;
inline constexpr int kStaticPilot = 0;

// Int(word / 64)
int pilotSource(int16_t word);
// word Mod 64 (negative for a negative word)
int pilotNumber(int16_t word);
// The word with its source replaced and its number kept.
int16_t pilotWithSource(int16_t word, int source);
// The word with its number replaced and every other bit kept.
int16_t pilotWithNumber(int16_t word, int number);

// The number cell: " " & number + 1, shown as stored even past the list (1 to 64);
// empty for a negative word, which has no number.
std::string pilotNumberText(int16_t word);
// A station's number cell: a static pilot reads " On" when bit 0 is set, else " Off".
std::string stationPilotNumberText(int16_t word);
