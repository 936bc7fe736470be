#include <gtest/gtest.h>

#include "editors/timers/engine/timerTime.h"

// The form's tests choose through the lists; these are the codes no list reaches.
TEST(TimerTime, StoredTimesReadAsTheirListEntriesOrNone)
{
    struct Case {
        TimerTime stored;
        TimerFamily family;
        int hour, amPm, type, offset;
    };
    const Case cases[] = {
        {{-12, 0}, TimerFamily::Normal, -1, -1, -1, -1},        // Mod 12 alone would show "12:"
        {{0xFB, 231}, TimerFamily::OpenClose, -1, -1, 3, 999},
        {{0x7FFF, 0x7FFF}, TimerFamily::OpenClose, -1, -1, -1, -1},
        {{0x179, 44}, TimerFamily::Astro, -1, -1, -1, -1},      // a store would drop bit 8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored.code << "/" << c.stored.minute);
        EXPECT_EQ(timerFamily(c.stored.code), c.family);
        EXPECT_EQ(hourEntry(c.stored.code), c.hour);
        EXPECT_EQ(amPmEntry(c.stored.code), c.amPm);
        EXPECT_EQ(relativeTypeEntry(c.stored.code), c.type);
        EXPECT_EQ(offsetEntry(c.stored), c.offset);
    }
}

TEST(TimerTime, AFamilyChangeResetsOnlyATimeOfAnotherFamily)
{
    struct Switch {
        TimerTime from;
        TimerFamily to;
        TimerTime expected;
    };
    const Switch switches[] = {
        {{0xF8, 5}, TimerFamily::OpenClose, {0xF8, 5}},
        {{5, 30}, TimerFamily::Normal, {5, 30}},
        {{-1, 7}, TimerFamily::OpenClose, {0x98, 0}},  // bit 7 set, yet a Normal code
    };
    for (const Switch& s : switches) {
        SCOPED_TRACE(s.from.code);
        const TimerTime to = inFamily(s.from, s.to);
        EXPECT_EQ(to.code, s.expected.code);
        EXPECT_EQ(to.minute, s.expected.minute);
    }
    EXPECT_EQ(withDayTicked(0x101, 0, true), 0x100);
}
