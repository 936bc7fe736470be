#include <gtest/gtest.h>

#include "editors/engine/loadingFlag.h"

TEST(LoadingScope, HoldsTheFlagOnlyWhileFilling)
{
    int16_t bLoading = 0;
    {
        LoadingScope scope(bLoading);
        EXPECT_EQ(bLoading, -1);
    }
    EXPECT_EQ(bLoading, 0);
}
