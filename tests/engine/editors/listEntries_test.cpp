#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "editors/engine/listEntries.h"

TEST(ListEntries, EntriesAndThePositionOfAStoredValueCheckedWide)
{
    const auto minutes = suffixedNumberEntries(5, 999, "Min");
    ASSERT_EQ(minutes.size(), 995u);
    EXPECT_EQ(minutes[5], "10Min");
    EXPECT_EQ(quarterHourEntries().at(70), "5:30P");
    for (int64_t outside : {-1, 96}) EXPECT_EQ(quarterHourCellText(outside), "") << outside;

    EXPECT_EQ(listPosition(999, 5, 995), 994);
    for (int64_t outside : {int64_t{4}, int64_t{1000}, int64_t{std::numeric_limits<int32_t>::min()},
                            int64_t{5} + (int64_t{1} << 32)})
        EXPECT_EQ(listPosition(outside, 5, 995), -1) << outside;
}
