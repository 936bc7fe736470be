#include <gtest/gtest.h>

#include "editors/engine/inputActions.h"
#include "editors/engine/loadingFlag.h"
#include "editors/engine/pilotWord.h"

TEST(PilotWord, SourceAndNumberEditsKeepTheOtherPart)
{
    EXPECT_EQ(pilotSource(133), 2);
    EXPECT_EQ(pilotNumber(133), 5);
    EXPECT_EQ(pilotWithSource(5, 2), 133);
    EXPECT_EQ(pilotWithNumber(64, 11), 75);
    EXPECT_EQ(pilotWithNumber(200, 8), 200);
    // Words no editor writes: read as shown, and bits above the number survive.
    EXPECT_EQ(pilotSource(-1), -1);
    EXPECT_EQ(pilotNumber(-1), -1);
    EXPECT_EQ(pilotSource(300), 4);
    EXPECT_EQ(pilotWithNumber(300, 44), 300);
    EXPECT_EQ(pilotWithNumber(-64, 0), -64);
    EXPECT_EQ(pilotWithSource(-1, 0), 63);
}

TEST(InputActions, ListsTopsAndTargetsPerTypeAndTable)
{
    using T = InputControlTable;
    using R = InputControlTargets;
    const int relayTops[] = {4, 3, 4, 3, 0, 1, 3, 2, 2, 1, 1, 3, 1};
    const int groupTops[] = {4, 3, 4, 3, 0, 1, 3, 2, 2, 0, 0, 3, 0};
    for (int type = 0; type <= 12; ++type) {
        EXPECT_EQ(topAction(*localInputActions(type, T::Relays)), relayTops[type]) << type;
        EXPECT_EQ(topAction(*localInputActions(type, T::Groups)), groupTops[type]) << type;
    }
    EXPECT_EQ(localInputActions(12, T::Relays)->back(), "Force");
    EXPECT_EQ(localInputActions(9, T::Groups)->front(), ".");
    for (int type : {-1, 13, 32767}) {
        EXPECT_FALSE(localInputActions(type, T::Relays).has_value());
        EXPECT_FALSE(localInputTargets(type, T::Groups).has_value());
    }
    EXPECT_EQ(localInputTargets(4, T::Relays), R::None);
    EXPECT_EQ(localInputTargets(9, T::Relays), R::LocalInputs);
    EXPECT_EQ(localInputTargets(10, T::Relays), R::Timers);
    EXPECT_EQ(localInputTargets(12, T::Relays), R::Timers);
    EXPECT_EQ(localInputTargets(11, T::Relays), R::Relays);
    EXPECT_EQ(localInputTargets(9, T::Groups), R::None);
    EXPECT_EQ(localInputTargets(8, T::Groups), R::Groups);

    int16_t code = 4;
    EXPECT_TRUE(clampToTopAction(code, 2));
    EXPECT_EQ(code, 2);
    code = -3;
    EXPECT_FALSE(clampToTopAction(code, 0));
    EXPECT_EQ(code, -3);
}

TEST(LoadingScope, HoldsTheFlagOnlyWhileFilling)
{
    int16_t bLoading = 0;
    {
        LoadingScope scope(bLoading);
        EXPECT_EQ(bLoading, -1);
    }
    EXPECT_EQ(bLoading, 0);
}
