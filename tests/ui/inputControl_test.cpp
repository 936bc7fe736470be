#include "editors/frmB3InputToGroupControl.h"
#include "editors/frmB3InputToRelayControl.h"

#include "gridFormDriver.h"

using namespace gridDriver;

namespace {

class InputControl : public GridFormTest {
protected:
    frmB3InputToRelayControl* openRelayForm() { return open<frmB3InputToRelayControl>("frmB3InputToRelayControl"); }
    frmB3InputToGroupControl* openGroupForm() { return open<frmB3InputToGroupControl>("frmB3InputToGroupControl"); }
};

QStringList entriesOf(const VbComboBox* list)
{
    QStringList entries;
    for (int k = 0; k < list->count(); ++k) entries << list->itemText(k);
    return entries;
}

} // namespace

TEST_F(InputControl, EachInputTypeBuildsItsActionListAndTargets)
{
    struct Expected {
        int type;
        const char* caption;
        QStringList relayActions;
        int relayRows;
        const char* relayToolTip;
        QStringList groupActions;
        int groupRows;
    };
    const QStringList blink{"No Action", "On Only", "Off Only", "On And Off", "Blink Alert"};
    const QStringList onOff{"No Action", "On Only", "Off Only", "On And Off"};
    const QStringList none{"."};
    const QStringList step{"No Action", "Step A", "Step B"};
    const Expected table[] = {
        {0, " Momentary On/Off", blink, 8, "Relay 08", blink, 48},
        {1, " Momentary PB", onOff, 8, "Relay 08", onOff, 48},
        {2, " Maint. On/Off", blink, 8, "Relay 08", blink, 48},
        {3, " Maint. Multi-Way", onOff, 8, "Relay 08", onOff, 48},
        {4, " Set Preset", none, 0, "", none, 0},
        {5, " Timed On", {"No Action", "Timed On"}, 8, "Relay 08", {"No Action", "Timed On"}, 48},
        {6, " HID Bi-Level", {"No Action", "On-Off", "Hi-Lo(NO)", "Hi-Lo(NC)"}, 8, "Relay 08",
         {"No Action", "On-Off", "Hi-Lo(NO)", "Hi-Lo(NC)"}, 48},
        {7, " 2 Step", step, 8, "Relay 08", step, 48},
        {8, " 4 Step", step, 8, "Relay 08", step, 48},
        {9, " Input Disable", {"No Action", "Disable"}, 8, "Input 08", none, 0},
        {10, " Timer Disable", {"No Action", "Disable"}, 48, "Timer 48", none, 0},
        {11, " Output Override", {"No Action", "Hold On", "Hold Off", "Hold Status"}, 8, "Relay 08",
         {"No Action", "Hold On", "Hold Off", "Hold Status"}, 48},
        {12, " Force Timer", {"No Action", "Force"}, 48, "Timer 48", none, 0},
    };
    install(8);
    for (const Expected& e : table) {
        SCOPED_TRACE(e.type);
        tConfig.iInputType[0] = static_cast<int16_t>(e.type);

        frmB3InputToRelayControl* r = openRelayForm();
        EXPECT_EQ(r->lblInputType->caption(), e.caption);
        EXPECT_EQ(entriesOf(r->cboControl), e.relayActions);
        EXPECT_EQ(r->iTopAction, e.relayActions.size() - 1);
        EXPECT_EQ(visibleCount(r->lblRelayName), e.relayRows);
        EXPECT_EQ(visibleCount(r->lblControl), e.relayRows);
        EXPECT_EQ(r->cboPreset->isVisible(), e.type == 4);
        if (e.relayRows > 0) {
            EXPECT_EQ(r->lblRelayName[e.relayRows - 1]->toolTip(), e.relayToolTip);
        }

        frmB3InputToGroupControl* g = openGroupForm();
        EXPECT_EQ(g->lblInputType->caption(), e.caption);
        EXPECT_EQ(entriesOf(g->cboControl), e.groupActions);
        EXPECT_EQ(g->iTopAction, e.groupActions.size() - 1);
        EXPECT_EQ(visibleCount(g->lblGroupName), e.groupRows);
    }

    tConfig.iInputType[0] = 9;
    tConfig.sInputName[7] = "DOOR";
    EXPECT_EQ(openRelayForm()->lblRelayName[7]->caption(), "DOOR");
    tConfig.iInputType[0] = 10;
    tConfig.sTimerName[47] = "NIGHT";
    EXPECT_EQ(openRelayForm()->lblRelayName[47]->caption(), "NIGHT");
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
    EXPECT_EQ(tConfig.iInputToRelayControl(1, 0), 0);
    EXPECT_EQ(tConfig.iInputToRelayControl(1, 1), 1);
    EXPECT_EQ(tConfig.iInputToRelayControl(1, 2), 1);
    EXPECT_EQ(tConfig.iInputToRelayControl(1, 47), 1);
    EXPECT_EQ(r->lblControl[0]->caption(), " No Action");
    EXPECT_EQ(r->lblControl[1]->caption(), " Timed On");
    EXPECT_EQ(r->lblControl[2]->caption(), " Timed On");
}

TEST_F(InputControl, OpeningACellMarksTheConfigurationChangedAndChoosingStores)
{
    tConfig.iInputType[0] = 11;
    tConfig.iInputToGroupControl(0, 47) = 1;
    install(48);
    frmB3InputToGroupControl* g = openGroupForm();
    click(g->lblControl[47]);
    EXPECT_TRUE(bChanged);
    EXPECT_TRUE(g->cboControl->isVisible());
    EXPECT_EQ(g->cboControl->pos(), g->lblControl[47]->pos());
    EXPECT_EQ(g->cboControl->ListIndex(), 1);
    choose(g->cboControl, 3);
    EXPECT_EQ(tConfig.iInputToGroupControl(0, 47), 3);
    EXPECT_EQ(g->lblControl[47]->caption(), " Hold Status");
    EXPECT_FALSE(g->cboControl->isVisible());

    bChanged = VbFalse;
    click(g->lblControl[3]);
    EXPECT_TRUE(bChanged);
    clickBackground(g);
    EXPECT_FALSE(g->cboControl->isVisible());
    EXPECT_EQ(tConfig.iInputToGroupControl(0, 3), 0);

    // A negative code shows nothing, selects nothing and stays.
    tConfig.iInputToGroupControl(0, 5) = -3;
    g->ShowControl();
    EXPECT_EQ(g->lblControl[5]->caption(), "");
    click(g->lblControl[5]);
    EXPECT_EQ(g->cboControl->ListIndex(), -1);
    EXPECT_EQ(tConfig.iInputToGroupControl(0, 5), -3);
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
    click(r->lblControl[0]);
    EXPECT_EQ(r->cboControl->ListIndex(), -1);
    EXPECT_EQ(tConfig.iInputToRelayControl(1, 0), 7);

    choose(r->cboInput, 2);
    EXPECT_EQ(tConfig.iInputToRelayControl(2, 0), 4);
}

TEST_F(InputControl, NoInstalledInputsShowNoRowsAndSelectNothing)
{
    install(0);
    tConfig.iInputType[0] = 4;
    const PanelConfig before = tConfig;
    frmB3InputToRelayControl* r = openRelayForm();
    EXPECT_EQ(r->cboInput->ListCount(), 0);
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
