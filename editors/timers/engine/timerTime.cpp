#include "editors/timers/engine/timerTime.h"

namespace {

constexpr int kFirstRelativeCode = 0x18;
constexpr int kOpenCloseBit = 0x80;
constexpr int kTypeBits = 0x60;
constexpr int kOffsetHighBits = 0x03;

bool isClockHour(int code) { return code >= 0 && code < 24; }
bool isRelativeByte(int code) { return code >= kFirstRelativeCode && code <= 0xFF; }

} // namespace

TimerFamily timerFamily(int16_t code)
{
    if (code < kFirstRelativeCode) return TimerFamily::Normal;
    return (code & kOpenCloseBit) != 0 ? TimerFamily::OpenClose : TimerFamily::Astro;
}

int hourEntry(int16_t code) { return isClockHour(code) ? code % 12 : -1; }

int amPmEntry(int16_t code) { return isClockHour(code) ? code / 12 : -1; }

int relativeTypeEntry(int16_t code) { return isRelativeByte(code) ? (code & kTypeBits) / 32 : -1; }

int offsetEntry(TimerTime time)
{
    if (!isRelativeByte(time.code) || time.minute < 0 || time.minute > 0xFF) return -1;
    const int offset = (time.code & kOffsetHighBits) * 256 + time.minute;
    return offset < kRelativeOffsets ? offset : -1;
}

int16_t normalCode(int amPm, int hour) { return static_cast<int16_t>(amPm * 12 + hour); }

int16_t withRelativeType(int16_t code, int type) { return static_cast<int16_t>((code & 0x9F) + type * 32); }

TimerTime withOffset(TimerTime time, int offset)
{
    return {static_cast<int16_t>((time.code & 0xFC) + offset / 256), static_cast<int16_t>(offset % 256)};
}

TimerTime inFamily(TimerTime time, TimerFamily family)
{
    if (timerFamily(time.code) == family) return time;
    switch (family) {
    case TimerFamily::Normal: return {0, 0};
    case TimerFamily::Astro: return {kFirstRelativeCode, 0};
    case TimerFamily::OpenClose: return {kFirstRelativeCode + kOpenCloseBit, 0};
    }
    return time;
}

bool dayTicked(int16_t days, int bit) { return (days & (1 << bit)) == 0; }

int16_t withDayTicked(int16_t days, int bit, bool ticked)
{
    return static_cast<int16_t>(ticked ? days & ~(1 << bit) : days | (1 << bit));
}
