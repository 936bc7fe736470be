#pragma once
// Decoders of the panel's replies. Each takes the whole reply text (lead character,
// payload, checksum, trail character) and refuses, with no value, a text that is not
// exactly the layout's length, so no position outside the reply is ever read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PanelStatus {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int month = 0;
    int day = 0;
    int year = 0;
    int weekday = 0;       // 0 Sunday .. 6 Saturday; the panel may send up to 15
    int ioPoints = 0;
    int cardType = 0;      // 0..15
    int cardRevision = 0;  // 0..15
};

struct KeypadState {
    std::string display;   // 80 characters, four rows of 20
    int lamps = 0;         // bit k = key k
};

// Byte j of the payload: the two hex digits at positions 2j+2 and 2j+3 (from 1).
// Zero for a position past the end.
int ReplyByte(std::string_view reply, int j);

std::optional<PanelStatus> DecodeStatus(std::string_view reply);
std::optional<std::string> DecodeRevision(std::string_view reply);
std::optional<KeypadState> DecodeKeypad(std::string_view reply);
// The 48 one-character states of a relay, group, input or preset page.
std::optional<std::string> DecodeItemPage(std::string_view reply);
// `count` payload bytes: a memory read, the station tables, the dimmer levels.
std::optional<std::vector<uint8_t>> DecodeBytes(std::string_view reply, int count);
std::optional<uint16_t> DecodeMemoryChecksum(std::string_view reply);
