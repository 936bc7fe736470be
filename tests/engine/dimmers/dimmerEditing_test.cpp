#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "dimmers/engine/controlSummary.h"
#include "dimmers/engine/dimmerLists.h"
#include "dimmers/engine/scaleGraph.h"

namespace {

TEST(ControlSummary, ReadsEveryFieldAndStopsWhereTheCodesHaveNoText)
{
    struct Case {
        int option;
        ControlOption fields;
        const char* text;
    };
    const Case cases[] = {
        {0, {0, -1, 5, 3, 50, 7}, " 01-Unused"},
        {1, {1, 0, 11, 0, 53, 0}, " 02-HW:-I:12-Goto 50%-Fade-Revert When Input Opens"},
        {15, {4, -1, 2, 10, 105, 4}, " 16-D:0A-I:3-Ramp Up-Instant-Revert After 15 Min"},
        {2, {2, 0, 47, 0, 1, 1}, " 03-T:48-Lower 10%-Fade-Never Revert"},
        {3, {3, 0, 0, 0, 3, 2}, " 04-P:1-Goto 0%-Fade-Revert After 5 Min"},
        {4, {1, 0, 0, 64, 103, 121}, " 05-D:40-I:1-Goto 100%-Fade-Revert After 600 Min"},
        {5, {1, 0, 0, 0, 104, 0}, " 06-HW:-I:1-Ramp Down-Fade-Revert When Input Opens"},
        {6, {2, 0, 0, 0, 0, 0}, " 07-T:1-Revert To Photocell-Fade-Revert When Input Opens"},
        {7, {2, 0, 0, 0, 2, 0}, " 08-T:1-Raise 10%-Fade-Revert When Input Opens"},
        // Codes no list has, from a data file or an upload: counted in 32 bits.
        {8, {2, 0, 32767, 0, 106, 32767}, " 09-T:32768-Fade-Revert After 163830 Min"},
        {9, {5, 0, 0, 0, 3, 0}, " 10--Goto 0%-Fade-Revert When Input Opens"},
        {10, {1, 0, 0, 0, -1, -1}, " 11-HW:-I:1-Fade-Revert After -10 Min"},
    };
    for (const Case& c : cases) EXPECT_EQ(ControlSummary(c.option, c.fields), c.text) << c.option;
}

TEST(DimmerLists, FadeRatesAndTargets)
{
    const ListEntries fades = FadeRateEntries();
    ASSERT_EQ(fades.size(), 43u);
    EXPECT_EQ(fades[15], "Fade Rate: 30 Sec");
    EXPECT_EQ(fades[16], "Fade Rate: 40 Sec");
    EXPECT_EQ(fades[42], "Fade Rate: 300 Sec");
    EXPECT_EQ(TargetEntries()[128], "Target: 128/255 (14 fc)");
    EXPECT_EQ(TrackingModeOfPosition(4), -1);
}

ScaleGraph graphAt(ScalePoints points, bool twoPoint = false)
{
    ScaleGraph graph;
    graph.place(points);
    graph.setTwoPoint(twoPoint);
    return graph;
}

TEST(ScaleGraph, EveryPercentAndInputPlacedThenHoveredReadsBack)
{
    for (int16_t p = 0; p <= 100; ++p) {
        const ScalePoints stored{{0, p}, {static_cast<int16_t>(p * 2), p}, {255, static_cast<int16_t>(100 - p)}};
        ScaleGraph graph = graphAt(stored);
        graph.mouseMove(2000.4, 1000.6);  // a hover moves nothing
        const ScalePoints back = graph.points();
        EXPECT_EQ(back.a.percent, p);
        EXPECT_EQ(back.b.in, p * 2);
        EXPECT_EQ(back.b.percent, p);
        EXPECT_EQ(back.c.percent, 100 - p);
        EXPECT_EQ(back.c.in, 255);
    }
}

TEST(ScaleGraph, PressesTakeTheTopmostGripAndTwoPointStyleSkipsTheMiddle)
{
    // Ends at inputs 10 and 12 (Left 150 and 180, Top 1440), the middle grip a little
    // higher (Top 1382.4) so that it overlaps both only in part.
    ScaleGraph graph = graphAt({{10, 50}, {11, 52}, {12, 50}});
    EXPECT_EQ(graph.GripOver(200, 1485), 2);
    EXPECT_EQ(graph.GripOver(200, 1450), 3);
    EXPECT_EQ(graph.GripOver(200, 1400), 3);
    EXPECT_EQ(graph.GripOver(150, 1530), 1);  // both edges count
    EXPECT_EQ(graph.GripOver(271, 1440), 0);
    graph.setTwoPoint(true);
    EXPECT_EQ(graph.GripOver(200, 1450), 2);
    EXPECT_EQ(graph.GripOver(200, 1400), 0);  // only the hidden grip lies there

    EXPECT_FALSE(graph.mouseDown(3000, 100));  // an empty spot starts no drag
    EXPECT_EQ(graph.keyGrip(), 0);
    EXPECT_FALSE(graph.keyDown(kKeyUp, true));
}

TEST(ScaleGraph, DragsClampAtTheEdgesAndSwapTheEndsWithTheMiddleInBetween)
{
    ScaleGraph graph = graphAt({{0, 100}, {128, 50}, {255, 0}});
    // Grip 2 (point C) is at the bottom right; drag it far beyond both edges.
    ASSERT_TRUE(graph.mouseDown(3825 + 10, 2880 + 10));
    ASSERT_EQ(graph.dragGrip(), 2);
    graph.mouseMove(9000, 9000);
    EXPECT_EQ(graph.grip(2).left, 3825);
    EXPECT_EQ(graph.grip(2).top, 2880);
    graph.mouseMove(-50, -50);
    EXPECT_EQ(graph.grip(2).left, 0);
    EXPECT_EQ(graph.grip(2).top, 0);
    // Now grip 2 is left of grip 1 at 0 ... and dragged to the middle: it becomes A.
    graph.mouseMove(1500.5, 1439.5);  // halves go to the even neighbour
    EXPECT_EQ(graph.grip(2).left, 1500);
    EXPECT_EQ(graph.grip(2).top, 1440);
    graph.mouseUp();
    const ScalePoints p = graph.points();
    EXPECT_EQ(p.a.in, 0);
    EXPECT_EQ(p.a.percent, 100);
    EXPECT_EQ(p.c.in, 100);
    EXPECT_EQ(p.c.percent, 50);
    // B was pulled to 0 while both ends stood there, and stays between them.
    EXPECT_EQ(p.b.in, 0);
    EXPECT_EQ(p.b.percent, 50);
    // After the release a move drags nothing.
    graph.mouseMove(3000, 3000);
    EXPECT_EQ(graph.grip(2).left, 1500);
}

TEST(ScaleGraph, KeysStepTheLastPressedGripInsideTheGraph)
{
    ScaleGraph graph = graphAt({{0, 100}, {128, 50}, {255, 0}});
    ASSERT_TRUE(graph.mouseDown(0, 0));
    ASSERT_EQ(graph.dragGrip(), 1);
    graph.mouseUp();
    EXPECT_TRUE(graph.keyDown(kKeyUp, false));  // at the top already: stays
    EXPECT_EQ(graph.grip(1).top, 0);
    EXPECT_TRUE(graph.keyDown(kKeyLeft, false));
    EXPECT_EQ(graph.grip(1).left, 0);
    EXPECT_TRUE(graph.keyDown(kKeyDown, false));
    EXPECT_TRUE(graph.keyDown(kKeyRight, false));
    EXPECT_EQ(graph.grip(1).left, 15);
    EXPECT_EQ(graph.grip(1).top, 15);
    EXPECT_TRUE(graph.keyDown(65, false));  // any other key moves nothing
    EXPECT_EQ(graph.points().a.in, 1);
    EXPECT_EQ(graph.points().a.percent, 99);  // 15 twips is about half a percent

    // A grip at 3820 cannot step right (3835 is out of range) but can be dragged.
    ASSERT_TRUE(graph.mouseDown(3825, 2880));
    ASSERT_EQ(graph.dragGrip(), 2);
    graph.mouseMove(3820, 2880);
    graph.mouseUp();
    graph.keyDown(kKeyRight, false);
    EXPECT_EQ(graph.grip(2).left, 3820);
    // The middle grip cannot be moved by keys under two-point tracking.
    ASSERT_TRUE(graph.mouseDown(128 * 15 + 1, 1440 + 1));
    ASSERT_EQ(graph.dragGrip(), 3);
    graph.mouseUp();
    EXPECT_FALSE(graph.keyDown(kKeyLeft, true));
    EXPECT_TRUE(graph.keyDown(kKeyLeft, false));
}

TEST(ScaleGraph, ValueTextsAndLines)
{
    ScaleGraph graph = graphAt({{0, 100}, {128, 50}, {255, 0}});
    const GripTexts middle = graph.texts(3);
    EXPECT_EQ(middle.input, "128/255");
    EXPECT_EQ(middle.footCandle, "14 fc");
    EXPECT_EQ(middle.voltage, "5.0 V");
    const GripTexts right = graph.texts(2);
    EXPECT_EQ(right.input, "255/255");
    EXPECT_EQ(right.footCandle, "1800 fc");
    EXPECT_EQ(right.voltage, "0.0 V");

    const auto lines = graph.lines();
    EXPECT_EQ(lines[0].x1, 0);
    EXPECT_EQ(lines[0].y2, 45);
    EXPECT_EQ(lines[1].x2, 128 * 15 + 45);
    EXPECT_EQ(lines[2].x2, 3825 + 45);
    EXPECT_EQ(lines[3].x2, 3945);
    graph.setTwoPoint(true);
    EXPECT_EQ(graph.lines()[1].x2, 3825 + 45);
}

} // namespace
