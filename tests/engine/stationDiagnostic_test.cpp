#include <gtest/gtest.h>

#include <vector>

#include "link/engine/stationDiagnostic.h"

namespace {

std::vector<uint8_t> presenceOf(std::initializer_list<int> answering)
{
    std::vector<uint8_t> bytes(65, 0);
    for (int s : answering) bytes[static_cast<std::size_t>(s)] = 1;
    return bytes;
}

} // namespace

TEST(StationDiagnostic, TotalsShowCapAndSurviveOnlyWhereClearingSkipsThem)
{
    EXPECT_EQ(FailureTotalText(0), "0");
    EXPECT_EQ(FailureTotalText(99), "99");
    EXPECT_EQ(FailureTotalText(100), ">99");
    EXPECT_EQ(FailureTotalText(32767), ">99");

    StationDiagnostic test;
    test.takeAnswering(presenceOf({1, 64}));
    EXPECT_TRUE(test.enabled(1));
    EXPECT_FALSE(test.enabled(2));
    EXPECT_TRUE(test.enabled(64));

    // Answers, fails, answers again: green, red, then yellow while the total holds.
    EXPECT_EQ(test.recordPresence(1, 1), StationAnswer::Answered);
    EXPECT_EQ(test.recordPresence(1, 0), StationAnswer::NoAnswer);
    EXPECT_EQ(test.recordPresence(1, 0xFF), StationAnswer::AnsweredBefore);
    EXPECT_EQ(test.errorTotal(1), 1);

    // A station left out keeps its total through "Clear Totals" and, taken back in,
    // counts on up to the largest total it can hold.
    test.iErrorTotal[64] = 32766;
    test.toggle(64);
    test.clearTotals();
    test.toggle(64);
    EXPECT_EQ(test.errorTotal(1), 0);
    EXPECT_EQ(test.recordPresence(64, 0), StationAnswer::NoAnswer);
    EXPECT_EQ(test.recordPresence(64, 0), StationAnswer::NoAnswer);
    EXPECT_EQ(test.errorTotal(64), 32767);
}
