#pragma once
// When a timer fires. The time code below 24 is a clock hour (0 midnight .. 23 11 PM)
// and the minute word its minute. From 24 up the timer fires at an offset of 0..999
// minutes from an event: bit 7 clear sunrise/sunset, set open/close; bits 6-5 the
// event type (Before/After Sunrise/Sunset, Before/After Open/Close); bits 4-3 set;
// bits 1-0 the offset's bits 9-8 and the minute word its low byte.
//
// Codes and minute words arrive unchecked from data files and panels. Each reading
// gives -1 where the stored value has no list entry, so a form shows no selection
// and stores nothing back.

#include <cstdint>

// In the order of the form's option buttons.
enum class TimerFamily { Normal, Astro, OpenClose };

struct TimerTime {
    int16_t code = 0;
    int16_t minute = 0;
};

inline constexpr int kRelativeOffsets = 1000;

// Below 24 Normal (also negative codes), else bit 7 set Open/Close, else Astro.
TimerFamily timerFamily(int16_t code);

// List positions: hour "12:".."11:", "AM"/"PM", event type 0..3, offset 0..999.
// A relative code above a byte has none: the stores keep only its low byte.
int hourEntry(int16_t code);
int amPmEntry(int16_t code);
int relativeTypeEntry(int16_t code);
int offsetEntry(TimerTime time);

// The hour code of a clock time: "AM"/"PM" position * 12 + hour position.
int16_t normalCode(int amPm, int hour);
// The code with its event type replaced: (code And &H9F) + 32 * type.
int16_t withRelativeType(int16_t code, int type);
// The code's offset bits and the minute word replaced by an offset of 0..999.
TimerTime withOffset(TimerTime time, int offset);
// A time of another family becomes that family's first time (12:00 AM, 0 minutes
// Before Sunrise, 0 minutes Before Open); a time of the family stays as it is.
TimerTime inFamily(TimerTime time, TimerFamily family);

// The day mask: a clear bit k (0 Sunday .. 6 Saturday, 7 "Ignore Holidays") is a
// ticked box. Changing one box keeps every other bit.
bool dayTicked(int16_t days, int bit);
int16_t withDayTicked(int16_t days, int bit, bool ticked);
