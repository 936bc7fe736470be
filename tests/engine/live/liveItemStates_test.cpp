#include <gtest/gtest.h>

#include "live/engine/liveItemStates.h"

TEST(LiveItemStates, PageCharactersReadAsTheFormsShowThem)
{
    EXPECT_FALSE(RelayCharIsOn('0'));
    for (char c : {'1', '2', '9', 'A', ' '}) EXPECT_TRUE(RelayCharIsOn(c)) << c;

    EXPECT_EQ(DefinableItemState('2'), ItemState::NotDefined);
    EXPECT_EQ(DefinableItemState('0'), ItemState::Off);
    for (char c : {'1', '3', 'F', '#'}) EXPECT_EQ(DefinableItemState(c), ItemState::On) << c;

    for (int d = 0; d <= 9; ++d) EXPECT_EQ(InputContacts(static_cast<char>('0' + d)), d);
    // Not a digit: no contact closed, not "leave the lamps alone".
    for (char c : {'A', ' ', '-', '\xFF'}) EXPECT_EQ(InputContacts(c), 0) << int(c);
}
