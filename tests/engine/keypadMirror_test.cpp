#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/engine/keypadMirror.h"

TEST(KeypadMirror, EveryCodeIncludingByte255IsDrawnOnceAfterEachActivation)
{
    KeypadMirror mirror;
    std::string display(80, '\xFF');
    display[0] = '\0';
    display[79] = 'A';
    EXPECT_EQ(mirror.cellsToDraw(display).size(), 80u);
    EXPECT_TRUE(mirror.lampsToApply(0xFF));
    EXPECT_TRUE(mirror.cellsToDraw(display).empty());
    EXPECT_FALSE(mirror.lampsToApply(0xFF));

    display[5] = '\x07';
    EXPECT_EQ(mirror.cellsToDraw(display), std::vector<int>{5});

    mirror.forgetDrawn();
    EXPECT_EQ(mirror.cellsToDraw(display).size(), 80u);
    EXPECT_TRUE(mirror.lampsToApply(0xFF));
}
