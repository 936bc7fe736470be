#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "editors/engine/listEntries.h"

TEST(ListEntries, SuffixedNumbersAndQuarterHours)
{
    const auto minutes = suffixedNumberEntries(5, 999, "Min");
    ASSERT_EQ(minutes.size(), 995u);
    EXPECT_EQ(minutes.front(), "5Min");
    EXPECT_EQ(minutes[5], "10Min");
    EXPECT_EQ(minutes.back(), "999Min");

    const auto times = quarterHourEntries();
    ASSERT_EQ(times.size(), 96u);
    EXPECT_EQ(times[0], "12:00A");
    EXPECT_EQ(times[32], "8:00A");
    EXPECT_EQ(times[95], "11:45P");

    EXPECT_EQ(quarterHourCellText(70), "5:30P");
    for (int64_t outside : {-1, 96, 100}) EXPECT_EQ(quarterHourCellText(outside), "") << outside;
}

TEST(ListEntries, PositionOfAStoredValueIsCheckedWide)
{
    EXPECT_EQ(listPosition(5, 5, 995), 0);
    EXPECT_EQ(listPosition(999, 5, 995), 994);
    EXPECT_EQ(listPosition(4, 5, 995), -1);
    EXPECT_EQ(listPosition(1000, 5, 995), -1);
    EXPECT_EQ(listPosition(std::numeric_limits<int32_t>::min(), 5, 995), -1);
    EXPECT_EQ(listPosition(std::numeric_limits<int32_t>::max(), 0, 96), -1);
    EXPECT_EQ(listPosition(int64_t{5} + (int64_t{1} << 32), 5, 995), -1);
}
