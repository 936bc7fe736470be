#include "link/engine/panelCommands.h"

#include "core/hexText.h"

namespace panelCommand {

namespace {

PanelCommand make(std::string text, int16_t replyLength, int32_t seconds)
{
    return PanelCommand{std::move(text), replyLength, seconds};
}

PanelCommand acknowledged(std::string text) { return make(std::move(text), 4, 4); }

std::string onOff(bool on) { return on ? "1" : "0"; }

int16_t bytesReplyLength(int count) { return static_cast<int16_t>(4 + 2 * count); }

} // namespace

PanelCommand SetClock(int hour, int minute, int month, int day, int year, int weekday)
{
    std::string text = "00" + Hex2(hour) + Hex2(minute) + Hex2(month) + Hex2(day) + Hex2(year % 100);
    text += static_cast<char>('0' + weekday);
    return acknowledged(std::move(text));
}

PanelCommand ReadStatus() { return make("01", 34, 5); }
PanelCommand ForceWait() { return make("02", 6, 80); }
PanelCommand ReadRevision() { return make("05", 44, 3); }
PanelCommand KeypadPoll(int keyCode) { return make("07" + Hex2(keyCode), 86, 3); }
PanelCommand SwitchRelay(int relay, bool on) { return acknowledged("10" + Hex2(relay) + onOff(on)); }
PanelCommand SwitchGroup(int group, bool on) { return acknowledged("11" + Hex2(group) + onOff(on)); }
PanelCommand ForceTimer(int timer) { return acknowledged("13" + Hex2(timer) + "0"); }
PanelCommand ReadInputStatus() { return make("20FF", 52, 4); }
PanelCommand ReadRelayStatus() { return make("23FF", 52, 5); }
PanelCommand ReadGroupStatus() { return make("24FF", 52, 5); }
PanelCommand ReadPresetStatus() { return make("25FF", 52, 5); }

PanelCommand WriteMemory(int address, std::span<const uint8_t> bytes)
{
    std::string text = "30" + Hex4(address) + Hex2(static_cast<int32_t>(bytes.size()) - 1);
    text.reserve(text.size() + 2 * bytes.size());
    for (uint8_t b : bytes) text += Hex2(b);
    return acknowledged(std::move(text));
}

PanelCommand ReadMemory(int address, int count)
{
    const int32_t seconds = count == kMemoryBlockBytes ? 10 : count == kNodeTableBytes ? 2 : 4;
    return make("31" + Hex4(address) + Hex2(count - 1), bytesReplyLength(count), seconds);
}

PanelCommand ChecksumMemory(int first, int last) { return make("34" + Hex4(first) + Hex4(last), 8, 6); }
PanelCommand ClearMemory(int first, int last) { return acknowledged("36" + Hex4(first) + Hex4(last)); }
PanelCommand SetPreset(int preset) { return acknowledged("40" + Hex2(preset) + "0"); }
PanelCommand CapturePreset(int preset) { return acknowledged("41" + Hex2(preset) + "0"); }
PanelCommand ReadDeviceInputs() { return make("46", bytesReplyLength(kStationAddresses), 4); }
PanelCommand ReadDevicePresence() { return make("47", bytesReplyLength(kStationAddresses), 4); }
PanelCommand ReadDeviceLevels() { return make("48", bytesReplyLength(kStationAddresses), 4); }
PanelCommand ReadDimmerLevels() { return make("49", bytesReplyLength(kDimmerLevels), 4); }

PanelCommand ModemReset() { return make("ATZ\r", 20, 5); }
PanelCommand ModemDial(const std::string& phoneNumber) { return make("ATDT " + phoneNumber + "\r", 30, 40); }
PanelCommand ModemEscape() { return make("[%%%%%", 50, 3); }
PanelCommand ModemHangUp() { return make("ATZ", 50, 3); }

} // namespace panelCommand

uint16_t RangeChecksumStep(uint16_t sum, uint8_t byte)
{
    const uint32_t t = (static_cast<uint32_t>(sum) + byte) % 65536;
    uint32_t s = 2 * t;
    if (s > 65535) s -= 65535;
    return static_cast<uint16_t>(s);
}

uint16_t RangeChecksum(std::span<const uint8_t> bytes)
{
    uint16_t sum = 0;
    for (uint8_t b : bytes) sum = RangeChecksumStep(sum, b);
    return sum;
}
