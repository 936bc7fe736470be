#include "editors/inputs/frmB3InputToGroupControl.h"
#include "editors/inputs/frmB3InputToRelayControl.h"

#include "gridFormDriver.h"

using namespace gridDriver;

namespace {

class InputControl : public GridFormTest {
protected:
    frmB3InputToRelayControl* openRelayForm() { return open<frmB3InputToRelayControl>("frmB3InputToRelayControl"); }
    frmB3InputToGroupControl* openGroupForm() { return open<frmB3InputToGroupControl>("frmB3InputToGroupControl"); }
};

QString entriesOf(const VbComboBox* list)
{
    QStringList entries;
    for (int k = 0; k < list->count(); ++k) entries << list->itemText(k);
    return entries.join('|');
}

} // namespace

TEST_F(InputControl, EachInputTypeBuildsItsActionListAndTargets)
{
    struct Expected {
        const char* caption;
        const char* relayActions;
        int relayRows;  // with 8 installed points
        const char* lastRowToolTip;
        const char* groupActions;
    };
    const char* blink = "No Action|On Only|Off Only|On And Off|Blink Alert";
    const char* onOff = "No Action|On Only|Off Only|On And Off";
    const char* step = "No Action|Step A|Step B";
    const char* biLevel = "No Action|On-Off|Hi-Lo(NO)|Hi-Lo(NC)";
    const char* hold = "No Action|Hold On|Hold Off|Hold Status";
    const Expected table[13] = {
        {" Momentary On/Off", blink, 8, "Relay 08", blink},
        {" Momentary PB", onOff, 8, "Relay 08", onOff},
        {" Maint. On/Off", blink, 8, "Relay 08", blink},
        {" Maint. Multi-Way", onOff, 8, "Relay 08", onOff},
        {" Set Preset", ".", 0, "", "."},
        {" Timed On", "No Action|Timed On", 8, "Relay 08", "No Action|Timed On"},
        {" HID Bi-Level", biLevel, 8, "Relay 08", biLevel},
        {" 2 Step", step, 8, "Relay 08", step},
        {" 4 Step", step, 8, "Relay 08", step},
        {" Input Disable", "No Action|Disable", 8, "Input 08", "."},
        {" Timer Disable", "No Action|Disable", 48, "Timer 48", "."},
        {" Output Override", hold, 8, "Relay 08", hold},
        {" Force Timer", "No Action|Force", 48, "Timer 48", "."},
    };
    install(8);
    for (int type = 0; type < 13; ++type) {
        SCOPED_TRACE(type);
        const Expected& e = table[type];
        tConfig.iInputType[0] = static_cast<int16_t>(type);

        frmB3InputToRelayControl* r = openRelayForm();
        EXPECT_EQ(r->lblInputType->caption(), e.caption);
        EXPECT_EQ(entriesOf(r->cboControl), e.relayActions);
        EXPECT_EQ(r->iTopAction, r->cboControl->ListCount() - 1);
        EXPECT_EQ(visibleCount(r->lblRelayName), e.relayRows);
        EXPECT_EQ(visibleCount(r->lblControl), e.relayRows);
        EXPECT_EQ(r->cboPreset->isVisible(), type == 4);
        if (e.relayRows > 0) {
            EXPECT_EQ(r->lblRelayName[e.relayRows - 1]->toolTip(), e.lastRowToolTip);
        }

        frmB3InputToGroupControl* g = openGroupForm();
        EXPECT_EQ(entriesOf(g->cboControl), e.groupActions);
        EXPECT_EQ(g->iTopAction, g->cboControl->ListCount() - 1);
        EXPECT_EQ(visibleCount(g->lblGroupName), QString(e.groupActions) == "." ? 0 : 48);
    }

    tConfig.iInputType[0] = 9;
    tConfig.sInputName[7] = "DOOR";
    EXPECT_EQ(openRelayForm()->lblRelayName[7]->caption(), "DOOR");
}

TEST_F(InputControl, ShowingAnInputClampsItsCodesToTheTopActionSilently)
{
    tConfig.iInputType[1] = 5;
    tConfig.iInputToRelayControl(1, 0) = 0;
    tConfig.iInputToRelayControl(1, 1) = 1;
    tConfig.iInputToRelayControl(1, 2) = 3;
    tConfig.iInputToRelayControl(1, 47) = 4;
    tConfig.iInputType[2] = 12;
    for (int g = 0; g < 48; ++g) tConfig.iInputToGroupControl(2, g) = static_cast<int16_t>(g % 5);

    frmB3InputToGroupControl* g = openGroupForm();
    EXPECT_FALSE(bChanged);
    choose(g->cboInput, 2);
    EXPECT_EQ(visibleCount(g->lblGroupName), 0);
    for (int t = 0; t < 48; ++t) EXPECT_EQ(tConfig.iInputToGroupControl(2, t), 0) << t;
    EXPECT_FALSE(bChanged);

    frmB3InputToRelayControl* r = openRelayForm();
    choose(r->cboInput, 1);
    for (int t : {0, 1, 2, 47}) EXPECT_EQ(tConfig.iInputToRelayControl(1, t), t == 0 ? 0 : 1) << t;
    EXPECT_EQ(r->lblControl[2]->caption(), " Timed On");
}

TEST_F(InputControl, ASetPresetInputEditsItsPresetOnTheRelayForm)
{
    tConfig.iInputType[0] = 4;
    tConfig.iInputPreset[0] = 6;
    tConfig.iInputType[1] = 4;
    tConfig.iInputPreset[1] = 48;
    for (int t = 0; t < 48; ++t) tConfig.iInputToRelayControl(0, t) = 2;

    frmB3InputToRelayControl* r = openRelayForm();
    // The refilled preset list selects the stored preset, which stores it back.
    EXPECT_TRUE(bChanged);
    EXPECT_TRUE(r->cboPreset->isVisible());
    EXPECT_EQ(r->cboPreset->ListIndex(), 6);
    EXPECT_EQ(visibleCount(r->lblRelayName), 0);
    for (int t = 0; t < 48; ++t) EXPECT_EQ(tConfig.iInputToRelayControl(0, t), 0) << t;

    choose(r->cboPreset, 2);
    EXPECT_EQ(tConfig.iInputPreset[0], 2);

    bChanged = VbFalse;
    choose(r->cboInput, 1);
    EXPECT_EQ(r->cboPreset->ListIndex(), -1);
    EXPECT_EQ(tConfig.iInputPreset[1], 48);
    EXPECT_FALSE(bChanged);
}

TEST_F(InputControl, AnUnknownInputTypeBuildsNoListAndClampsNothing)
{
    tConfig.iInputType[0] = 1;
    tConfig.iInputType[1] = 13;
    tConfig.iInputType[2] = -1;
    tConfig.iInputToRelayControl(1, 0) = 7;
    tConfig.iInputToRelayControl(2, 0) = 4;
    frmB3InputToRelayControl* r = openRelayForm();
    EXPECT_EQ(r->iTopAction, 3);

    choose(r->cboInput, 1);
    EXPECT_EQ(r->cboControl->ListCount(), 0);
    EXPECT_EQ(r->lblInputType->caption(), "");
    EXPECT_EQ(r->lblControl[0]->caption(), "");
    EXPECT_EQ(tConfig.iInputToRelayControl(1, 0), 7);
    // The rows of the input shown before are not this input's targets.
    EXPECT_EQ(visibleCount(r->lblRelayName), 0);
    EXPECT_EQ(visibleCount(r->lblControl), 0);

    choose(r->cboInput, 2);
    EXPECT_EQ(tConfig.iInputToRelayControl(2, 0), 4);

    tConfig.iInputType[3] = 4;
    choose(r->cboInput, 3);
    ASSERT_TRUE(r->cboPreset->isVisible());
    choose(r->cboInput, 1);
    EXPECT_FALSE(r->cboPreset->isVisible());
}

TEST_F(InputControl, NoInstalledInputsShowNoRowsAndSelectNothing)
{
    install(0);
    tConfig.iInputType[0] = 4;
    const PanelConfig before = tConfig;
    frmB3InputToRelayControl* r = openRelayForm();
    EXPECT_EQ(r->cboInput->ListIndex(), -1);
    EXPECT_EQ(visibleCount(r->lblRelayName), 0);
    EXPECT_FALSE(r->cboPreset->isVisible());
    EXPECT_EQ(r->lblInputType->caption(), "");

    frmB3InputToGroupControl* g = openGroupForm();
    EXPECT_EQ(visibleCount(g->lblGroupName), 0);
    EXPECT_EQ(tConfig, before);
    EXPECT_FALSE(bChanged);

    // Reopened after inputs were installed elsewhere, the rows return.
    install(4);
    tConfig.iInputType[0] = 0;
    childForms::show("frmB3InputToGroupControl");
    EXPECT_EQ(visibleCount(g->lblGroupName), 48);
}
