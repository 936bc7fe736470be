// Rows, placement and headers of every grid editor for the installed I/O counts.
#include "editors/relays/frmB3EditPresets.h"
#include "editors/inputs/frmB3InputActiveTimes.h"
#include "editors/inputs/frmB3InputOptions.h"
#include "editors/inputs/frmB3InputToGroupControl.h"
#include "editors/inputs/frmB3InputToRelayControl.h"
#include "editors/inputs/frmB3LocalInputPilots.h"
#include "editors/businessHours/frmB3OpenAndCloseTimeNormalDays.h"
#include "editors/relays/frmB3RelayGrouping.h"
#include "editors/relays/frmB3RelayOutputOptions.h"
#include "editors/gridEditor.h"
#include "editors/businessHours/offHoursSweepItems.h"
#include "gridFormDriver.h"
#include "platform/twips.h"

using namespace gridDriver;

namespace {

class GridRows : public GridFormTest {};

void expectAt(const VbLabel* label, int leftTwips, int topTwips)
{
    EXPECT_EQ(label->pos(), QPoint(twipsToPixels(leftTwips), twipsToPixels(topTwips)));
}

} // namespace

TEST_F(GridRows, InstalledPointsDecideTheRowsAndHeadersShown)
{
    for (int count : {4, 16, 20, 36}) {
        SCOPED_TRACE(count);
        install(count);
        ASSERT_EQ(GetIOPointCount(), count);

        auto* options = open<frmB3RelayOutputOptions>("frmB3RelayOutputOptions");
        EXPECT_EQ(visibleCount(options->lblRelayName), count);
        EXPECT_EQ(visibleCount(options->lblTimerType), count);
        EXPECT_EQ(visibleCount(options->lblPowerOnType), count);
        EXPECT_TRUE(options->lblRelayName[count - 1]->isVisible());
        EXPECT_EQ(options->lblRelayName[count - 1]->caption(),
                  QString::fromLatin1(tConfig.sRelayName[count - 1].c_str()));
        for (auto* headers : {&options->lblTimerTypeHeater, &options->lblPowerUpHeader}) {
            EXPECT_TRUE((*headers)[0]->isVisible());
            EXPECT_EQ((*headers)[1]->isVisible(), count > 16);
            EXPECT_EQ((*headers)[2]->isVisible(), count > 32);
        }

        auto* grouping = open<frmB3RelayGrouping>("frmB3RelayGrouping");
        EXPECT_EQ(visibleCount(grouping->lblRelayName), count);
        EXPECT_EQ(visibleCount(grouping->lblInclude), count);

        auto* pilots = open<frmB3LocalInputPilots>("frmB3LocalInputPilots");
        EXPECT_EQ(visibleCount(pilots->lblInputName), count);
        EXPECT_EQ(visibleCount(pilots->lblPilotNumber), count);

        auto* toRelay = open<frmB3InputToRelayControl>("frmB3InputToRelayControl");
        EXPECT_EQ(toRelay->cboInput->ListCount(), count);
        EXPECT_EQ(visibleCount(toRelay->lblRelayName), count);
        auto* toGroup = open<frmB3InputToGroupControl>("frmB3InputToGroupControl");
        EXPECT_EQ(visibleCount(toGroup->lblGroupName), 48);

        auto* inputOptions = open<frmB3InputOptions>("frmB3InputOptions");
        EXPECT_EQ(visibleCount(inputOptions->lblInputName), count);
        EXPECT_EQ(visibleCount(inputOptions->lblInputType), count);
        auto* activeTimes = open<frmB3InputActiveTimes>("frmB3InputActiveTimes");
        EXPECT_EQ(visibleCount(activeTimes->lblInputName), count);
        EXPECT_EQ(visibleCount(activeTimes->lblInputDisableTime), count);
        for (auto* headers : {&activeTimes->lblInputEnableHeader, &activeTimes->lblInputDisableHeader})
            EXPECT_EQ(visibleCount(*headers), 1 + (count > 16) + (count > 32));
        auto* presets = open<frmB3EditPresets>("frmB3EditPresets");
        EXPECT_EQ(visibleCount(presets->lblRelayControl), count);
        auto* sweepRelays = open<OffHoursSweepItems>("frmB3OffHoursSweepRelays");
        EXPECT_EQ(visibleCount(sweepRelays->lblName), count);
        EXPECT_EQ(visibleCount(sweepRelays->lblInclude), count);
        auto* sweepGroups = open<OffHoursSweepItems>("frmB3OffHoursSweepGroups");
        EXPECT_EQ(visibleCount(sweepGroups->lblInclude), 48);
    }
}

TEST_F(GridRows, EachFormPlacesRowsSixteenToAColumnAtItsOwnOffsets)
{
    install(48);
    auto* options = open<frmB3RelayOutputOptions>("frmB3RelayOutputOptions");
    expectAt(options->lblTimerType[17], 3600 + 1455, 360 + 420);
    expectAt(options->lblPowerOnType[47], 7200 + 2540, 15 * 360 + 420);
    expectAt(options->lblTimerTypeHeater[2], 7200 + 1440, 120);
    EXPECT_EQ(options->lblRelayName[33]->toolTip(), "Relay 34");
    EXPECT_EQ(options->size(), QSize(twipsToPixels(10815), twipsToPixels(7335)));

    auto* grouping = open<frmB3RelayGrouping>("frmB3RelayGrouping");
    expectAt(grouping->lblInclude[31], 3600 + 1815, 15 * 360 + 960);

    auto* pilots = open<frmB3LocalInputPilots>("frmB3LocalInputPilots");
    expectAt(pilots->lblPilotNumber[40], 7200 + 2780, 8 * 360 + 240);

    auto* toGroup = open<frmB3InputToGroupControl>("frmB3InputToGroupControl");
    expectAt(toGroup->lblGroupName[20], 3600 + 480, 4 * 360 + 960);
    EXPECT_EQ(toGroup->lblGroupName[47]->toolTip(), "Group 48");

    // A Timed On input's type cell narrows to make room for its minutes.
    tConfig.iInputType[40] = 5;
    auto* inputOptions = open<frmB3InputOptions>("frmB3InputOptions");
    expectAt(inputOptions->lblInputTimedOn[40], 7200 + 2660, 8 * 360 + 240);
    EXPECT_TRUE(inputOptions->lblInputTimedOn[40]->isVisible());
    EXPECT_FALSE(inputOptions->lblInputTimedOn[39]->isVisible());
    EXPECT_EQ(inputOptions->lblInputType[40]->width(), twipsToPixels(1095));
    EXPECT_EQ(inputOptions->lblInputType[39]->width(), twipsToPixels(1935));
    EXPECT_EQ(inputOptions->lblInputTimedOn[40]->caption(), " 10 Min");

    auto* activeTimes = open<frmB3InputActiveTimes>("frmB3InputActiveTimes");
    expectAt(activeTimes->lblInputDisableTime[20], 3600 + 2640, 4 * 360 + 420);
    expectAt(activeTimes->lblInputDisableHeader[1], 3600 + 2640, 120);

    // Seven weekday rows from the defaults; the spare eighth element has none.
    auto* days = open<frmB3OpenAndCloseTimeNormalDays>("frmB3OpenAndCloseTimeNormalDays");
    ASSERT_EQ(days->lblCloseTime.size(), 7u);
    expectAt(days->lblCloseTime[6], 2520, 6 * 360 + 600);
    EXPECT_EQ(days->lblDayOfWeek[6]->caption(), "Saturday ");
    EXPECT_EQ(days->lblOpenTime[6]->caption(), "8:00A");
    EXPECT_EQ(days->lblCloseTime[0]->caption(), "9:00P");
}

// The name editors' text boxes and the dimmer table's pictures stand in the same rows
// as labels and are shown, filled and wired alike.
TEST_F(GridRows, TextBoxAndPictureCellsFollowTheGridLikeLabels)
{
    QWidget form;
    GridEditor grid(&form, GridGeometry{180, 2700});
    const TextBoxArray boxes = grid.addTextBoxes(975, 1335);
    const LabelArray pictures = grid.addPictures(320);
    expectAt(pictures[17], 2700 + 320, 360 + 180);
    EXPECT_EQ(pictures[0]->size(), QSize(16, 16));
    EXPECT_EQ(boxes[47]->pos(), QPoint(twipsToPixels(5400 + 975), twipsToPixels(15 * 360 + 180)));

    int changes = 0;
    QObject::connect(boxes[1], &VbTextBox::Change, [&] { ++changes; });
    showRows({&boxes, &pictures}, 20);
    setCaptions(boxes, tConfig.sRelayName, 20);
    EXPECT_EQ(boxes[1]->Text(), tConfig.sRelayName[1]);
    setCaptions(boxes, tConfig.sRelayName, 20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(boxes[19]->isVisibleTo(&form), true);
    EXPECT_EQ(boxes[20]->isVisibleTo(&form), false);

    std::vector<int> clicked;
    connectArray(pictures, &VbLabel::DblClick, [&](int i) { clicked.push_back(i); });
    showFlag(pictures[7], true);
    doubleClick(pictures[7]);
    EXPECT_EQ(clicked, std::vector<int>{7});
    EXPECT_EQ(pictures[7]->pixmap().toImage(), flagPicture(true));
    EXPECT_NE(flagPicture(true), flagPicture(false));
}

// A quietly preset list raises no Click; the usual preset raises it as code does.
TEST_F(GridRows, AListOpensQuietlyOrRaisingClick)
{
    QWidget form;
    GridEditor grid(&form, GridGeometry{});
    const LabelArray cells = grid.addCells(0, CellLook{});
    VbComboBox* list = grid.addList(615, {"A", "B", "C"});
    int clicks = 0;
    QObject::connect(list, &VbComboBox::Click, [&] { ++clicks; });

    grid.openList(list, cells[3], 2, 0, GridEditor::Preset::Quiet);
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_EQ(list->pos(), cells[3]->pos());
    grid.openList(list, cells[4], 1);
    EXPECT_EQ(clicks, 1);
    grid.openList(list, cells[4], 7, 0, GridEditor::Preset::Quiet);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(clicks, 1);
}
