#include <gtest/gtest.h>

#include "editors/engine/timerTime.h"

TEST(TimerTime, StoredTimesReadAsTheirListEntriesOrNone)
{
    struct Case {
        TimerTime stored;
        TimerFamily family;
        int hour, amPm, type, offset;
    };
    const Case cases[] = {
        {{0, 0}, TimerFamily::Normal, 0, 0, -1, -1},
        {{12, 0}, TimerFamily::Normal, 0, 1, -1, -1},
        {{23, 59}, TimerFamily::Normal, 11, 1, -1, -1},
        {{-12, 0}, TimerFamily::Normal, -1, -1, -1, -1},
        {{0x79, 44}, TimerFamily::Astro, -1, -1, 3, 300},
        {{0xB9, 30}, TimerFamily::OpenClose, -1, -1, 1, 286},
        {{0xFB, 231}, TimerFamily::OpenClose, -1, -1, 3, 999},
        {{0xFB, 232}, TimerFamily::OpenClose, -1, -1, 3, -1},   // offset 1000
        {{0x19, 256}, TimerFamily::Astro, -1, -1, 0, -1},
        {{0x19, -1}, TimerFamily::Astro, -1, -1, 0, -1},
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

TEST(TimerTime, EditsKeepWhatTheyDoNotOwn)
{
    auto same = [](TimerTime a, TimerTime b) { return a.code == b.code && a.minute == b.minute; };
    EXPECT_TRUE(same(withOffset({0xF8, 0}, 700), {0xFA, 188}));
    EXPECT_TRUE(same(withOffset({0x7B, 231}, 300), {0x79, 44}));
    EXPECT_EQ(withRelativeType(0x79, 0), 0x19);
    EXPECT_EQ(withRelativeType(0xFA, 1), 0xBA);
    EXPECT_EQ(normalCode(1, 11), 23);

    struct Switch {
        TimerTime from;
        TimerFamily to;
        TimerTime expected;
    };
    const Switch switches[] = {
        {{0xF8, 5}, TimerFamily::Astro, {0x18, 0}},
        {{0xF8, 5}, TimerFamily::OpenClose, {0xF8, 5}},
        {{0x79, 44}, TimerFamily::OpenClose, {0x98, 0}},
        {{0x79, 44}, TimerFamily::Normal, {0, 0}},
        {{5, 30}, TimerFamily::Normal, {5, 30}},
        {{5, 30}, TimerFamily::Astro, {0x18, 0}},
        {{-1, 7}, TimerFamily::OpenClose, {0x98, 0}},  // bit 7 set, yet a Normal code
    };
    for (const Switch& s : switches) {
        SCOPED_TRACE(s.from.code);
        EXPECT_TRUE(same(inFamily(s.from, s.to), s.expected));
    }

    EXPECT_EQ(withDayTicked(0, 0, false), 1);
    EXPECT_EQ(withDayTicked(1, 0, true), 0);
    EXPECT_EQ(withDayTicked(0, 7, false), 128);
    EXPECT_EQ(withDayTicked(0x101, 0, true), 0x100);
    EXPECT_TRUE(dayTicked(0x7E, 0));
    EXPECT_FALSE(dayTicked(0x80, 7));
}
