#pragma once
// Every command the host sends the panel, with the reply length and time-out that go
// with it. Item numbers count from 0; numbers travel as fixed-width upper-case hex.

#include <cstdint>
#include <span>
#include <string>

struct PanelCommand {
    std::string text;          // without frame
    int16_t replyLength = 4;   // whole reply frame, payload + 4
    int32_t timeoutSeconds = 4;
};

inline constexpr int kPanelMemorySize = 0xA000;
inline constexpr int kPasswordAddress = 0x1F7A;
inline constexpr int kPasswordDigits = 6;
inline constexpr int kNodeTableAddress = 0x1FF0;
inline constexpr int kNodeTableBytes = 12;
inline constexpr int kMemoryBlockBytes = 64;
inline constexpr int kAllItems = 0xFF;       // item position meaning "all"
inline constexpr int kStationAddresses = 65; // station replies carry addresses 0..64
inline constexpr int kDimmerLevels = 48;     // one per output: 12 devices x 4
inline constexpr int kItemPageLength = 48;
inline constexpr int kRevisionLength = 40;
inline constexpr int kKeypadDisplayLength = 80;

namespace panelCommand {

// Weekday counts from Sunday = 0; year is taken modulo 100.
PanelCommand SetClock(int hour, int minute, int month, int day, int year, int weekday);
PanelCommand ReadStatus();
PanelCommand ForceWait();
PanelCommand ReadRevision();
// Key code: 0 none, 1, 2, 4, 8, 16, 32 for keys 0..5, 0x30 for keys 4 and 5 together.
PanelCommand KeypadPoll(int keyCode);
PanelCommand SwitchRelay(int relay, bool on);   // relay 0..47 or kAllItems
PanelCommand SwitchGroup(int group, bool on);
PanelCommand ForceTimer(int timer);
PanelCommand ReadInputStatus();
PanelCommand ReadRelayStatus();
PanelCommand ReadGroupStatus();
PanelCommand ReadPresetStatus();
PanelCommand WriteMemory(int address, std::span<const uint8_t> bytes);
// Time-out by use: 10 s for a 64-byte block, 2 s for the node table, else 4 s.
PanelCommand ReadMemory(int address, int count);
PanelCommand ChecksumMemory(int first = 0, int last = kPanelMemorySize - 1);
PanelCommand ClearMemory(int first, int last);
PanelCommand SetPreset(int preset);
PanelCommand CapturePreset(int preset);
PanelCommand ReadDeviceInputs();
PanelCommand ReadDevicePresence();
PanelCommand ReadDeviceLevels();
PanelCommand ReadDimmerLevels();

// Unframed texts for a modem, sent raw over the serial line.
PanelCommand ModemReset();
PanelCommand ModemDial(const std::string& phoneNumber);
PanelCommand ModemEscape();
PanelCommand ModemHangUp();

} // namespace panelCommand

// The panel's 16-bit checksum of a memory range: add the byte, keep 16 bits, rotate
// left by one. The host computes the same over its image to verify a transfer.
uint16_t RangeChecksumStep(uint16_t sum, uint8_t byte);
uint16_t RangeChecksum(std::span<const uint8_t> bytes);
