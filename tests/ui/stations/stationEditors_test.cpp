#include <QGroupBox>
#include <QPushButton>

#include "gridFormDriver.h"
#include "platform/twips.h"
#include "platform/vbControls.h"
#include "shell/frmB3MasterMDI.h"
#include "stations/frmB3ConfigureTiverlinkDevices.h"
#include "stations/frmB3TiverlinkInputToGroupControl.h"
#include "stations/frmB3TiverlinkInputToRelayControl.h"
#include "stations/frmB3TiverlinkPilots.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"

using namespace gridDriver;

namespace {

using StationEditors = GridFormTest;

// Each form is registered under its class name.
template <class Form>
Form* openForm()
{
    return open<Form>(Form::staticMetaObject.className());
}

StationRecord& station(int s) { return tStation[static_cast<std::size_t>(s)]; }

QString entriesOf(const VbComboBox* list)
{
    QStringList entries;
    for (int k = 0; k < list->count(); ++k) entries << list->itemText(k);
    return entries.join('|');
}

template <class Widgets>
int shown(const Widgets& widgets)
{
    int n = 0;
    for (const QWidget* w : widgets) n += w->isVisible() ? 1 : 0;
    return n;
}

} // namespace

TEST_F(StationEditors, DeviceTypesShowTheirFrameAndInputs)
{
    frmB3ConfigureTiverlinkDevices* f = openForm<frmB3ConfigureTiverlinkDevices>();
    EXPECT_FALSE(f->cboTLinkType->isVisible());
    const QGroupBox* none = nullptr;
    struct Expected {
        const QGroupBox* frame;
        int heightTwips;
        int rows;
    };
    const Expected table[] = {
        {none, 0, 0},
        {f->fraConfigTLinkDevice16, 1095, 1},
        {f->fraConfigTLinkDevice16, 1575, 2},
        {f->fraConfigTLinkDevice16, 2055, 3},
        {f->fraConfigTLinkDevice16, 2535, 4},
        {f->fraConfigTLinkDevice16, 3015, 5},
        {f->fraConfigTLinkDevice16, 4455, 8},
        {f->fraConfigTLinkDevice7, 2535, 4},
        {f->fraConfigTLinkDevice8, 4455, 8},
        {f->fraConfigTLinkDeviceF, 4455, 8},
    };
    choose(f->cboTLinkDevice, 9);
    for (int type = 0; type < 10; ++type) {
        SCOPED_TRACE(type);
        choose(f->cboTLinkType, type);
        EXPECT_EQ(station(9).iDeviceType, type);
        const Expected& e = table[type];
        for (const QGroupBox* frame : f->findChildren<QGroupBox*>()) EXPECT_EQ(frame->isVisible(), frame == e.frame);
        if (!e.frame) continue;
        EXPECT_EQ(e.frame->height(), twipsToPixels(e.heightTwips));
        const int rows = e.frame == f->fraConfigTLinkDeviceF ? shown(f->hsInputFOffLevel)
                         : e.frame == f->fraConfigTLinkDevice7 ? shown(f->cboInput7Type)
                         : e.frame == f->fraConfigTLinkDevice8 ? shown(f->cboInput8Type)
                                                                : shown(f->cboInput16Type);
        EXPECT_EQ(rows, e.rows);
    }

    // A "4 Input" keeps its codes; a push-button or 8-input station folds them Mod 5.
    station(9).iInputType = {9, 5, 4, 0};
    choose(f->cboTLinkType, 7);
    EXPECT_EQ(f->cboInput7Type[0]->ListIndex(), 9);
    EXPECT_EQ(f->lblInput7TimedOn[2]->caption(), " 10 Minutes");
    EXPECT_EQ(shown(f->lblInput7TimedOn), 1);
    choose(f->cboTLinkType, 8);
    EXPECT_EQ(f->cboInput8Type[0]->ListIndex(), 4);
    EXPECT_EQ(station(9).iInputType[0], 4);
    EXPECT_EQ(station(9).iInputType[1], 0);
    EXPECT_EQ(shown(f->lblInput8TimedOn), 0);

    // Timed On minutes: the list opens at minutes - 5 and stores position + 5.
    choose(f->cboTLinkType, 3);
    choose(f->cboInput16Type[1], 2);
    ASSERT_TRUE(f->lblInput16TimedOn[1]->isVisible());
    click(f->lblInput16TimedOn[1]);
    EXPECT_EQ(f->cboInput16NewTime->ListIndex(), 5);
    EXPECT_EQ(f->cboInput16NewTime->itemText(0), "5 Minutes");
    choose(f->cboInput16NewTime, 994);
    EXPECT_EQ(station(9).lTimedOnMinutes[1], 999);
    EXPECT_EQ(f->lblInput16TimedOn[1]->caption(), " 999 Minutes");
    EXPECT_FALSE(f->cboInput16NewTime->isVisible());

    // Photocell levels store on every drag step and on the end of a change.
    station(9).iOffLevel[2] = 128;
    choose(f->cboTLinkType, 9);
    EXPECT_EQ(f->lblInputFOffLevel[2]->caption(), " Off 128/255 (50%)");
    EXPECT_EQ(f->lblInputFOnLevel[0]->caption(), " On 000/255 (0%)");
    std::vector<int> stored;
    QObject::connect(f->hsInputFOnLevel[0], &VbHScrollBar::Scroll, [&] { stored.push_back(station(9).iOnLevel[0]); });
    drag(f->hsInputFOnLevel[0], {40, 255});
    EXPECT_EQ(stored, (std::vector<int>{40, 255}));
    EXPECT_EQ(f->lblInputFOnLevel[0]->caption(), " On 255/255 (100%)");
    f->hsInputFOffLevel[2]->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(station(9).iOffLevel[2], 127);

    choose(f->cboTLinkDevice, 0);
    EXPECT_FALSE(f->cboTLinkType->isVisible());
    EXPECT_EQ(shown(f->findChildren<QGroupBox*>()), 0);
}

TEST_F(StationEditors, PilotsEditAndMap)
{
    DialogRecorder dialogs;
    AppHarness app;
    station(3).iDeviceType = 7;
    station(3).iPilot = {0, 1, 132, 0, 0, 0, 0, 0};
    station(3).iRelayAction(3, 2) = 1;
    station(3).iRelayAction(3, 6) = 2;
    station(3).iGroupAction(3, 0) = 1;
    station(3).iOffLevel[3] = 90;
    station(3).iPilot[6] = 100;
    station(4).iDeviceType = 9;
    station(4).iPilot[0] = 77;
    station(5).iDeviceType = 2;
    station(5).iGroupAction(1, 4) = 1;
    station(6).iDeviceType = 10;
    station(6).iRelayAction(0, 0) = 1;

    app.trigger("mnuTiverlinkPilots");
    auto* f = app.formAs<frmB3TiverlinkPilots>("frmB3TiverlinkPilots");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(shown(f->lblInputName), 0);
    EXPECT_FALSE(f->cmdAutoMapThisTL->isVisible());
    choose(f->cboTiverlinkDevice, 3);
    EXPECT_EQ(shown(f->lblPilotSource), 4);
    EXPECT_TRUE(f->cmdAutoMapAllTL->isVisible());
    EXPECT_EQ(f->lblInputName[0]->caption(), " TLINK 03.1");
    EXPECT_EQ(f->lblInputName[0]->toolTip(), "Input 01");

    click(f->lblPilotNumber[0]);
    EXPECT_EQ(station(3).iPilot[0], 1);
    EXPECT_EQ(f->lblPilotNumber[0]->caption(), " On");
    click(f->lblPilotNumber[0]);
    EXPECT_EQ(f->lblPilotNumber[0]->caption(), " Off");
    click(f->lblPilotSource[1]);
    choose(f->cboNewSource, 1);
    EXPECT_EQ(station(3).iPilot[1], 65);
    EXPECT_EQ(f->lblPilotNumber[1]->caption(), " 2");
    click(f->lblPilotNumber[2]);
    EXPECT_EQ(f->cboNewNumber->ListIndex(), 4);
    choose(f->cboNewNumber, 9);
    EXPECT_EQ(station(3).iPilot[2], 137);
    click(f->lblPilotSource[2]);
    choose(f->cboNewSource, 0);
    EXPECT_EQ(station(3).iPilot[2], 9);
    EXPECT_EQ(f->lblPilotNumber[2]->caption(), " On");

    bChanged = VbFalse;
    QTest::mouseClick(f->cmdAutoMapThisTL, Qt::LeftButton);
    EXPECT_EQ(station(3).iPilot[3], 66);
    EXPECT_EQ(station(3).iOffLevel[3], 0);
    EXPECT_EQ(station(3).iPilot[6], 0);
    EXPECT_EQ(f->lblPilotSource[3]->caption(), " On If Relay");
    EXPECT_EQ(f->lblPilotNumber[3]->caption(), " 3");
    EXPECT_EQ(app.window().MousePointer(), 0);
    EXPECT_TRUE(bChanged);
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.answerMsgBox(vbNo);
    QTest::mouseClick(f->cmdAutoMapAllTL, Qt::LeftButton);
    EXPECT_EQ(station(5).iPilot[1], 0);
    dialogs.answerMsgBox(vbYes);
    QTest::mouseClick(f->cmdAutoMapAllTL, Qt::LeftButton);
    EXPECT_EQ(station(5).iPilot[1], 132);
    EXPECT_EQ(station(4).iPilot[0], 77);
    EXPECT_EQ(station(6).iPilot[0], 0);
    ASSERT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(dialogs.messages[0].prompt, "This Will Auto Map The Pilots For ALL Tiverlink Devices.\r\nContinue?");
    EXPECT_EQ(dialogs.messages[0].style, vbYesNo + vbQuestion);
    EXPECT_EQ(dialogs.messages[0].title, "Auto Map Verify");
    EXPECT_EQ(dialogs.messages[1].prompt, "Auto Map Canceled");
    EXPECT_EQ(dialogs.messages[3].prompt, "Auto Map Complete");
    EXPECT_EQ(dialogs.messages[3].style, vbOKOnly);
    EXPECT_EQ(dialogs.messages[3].title, "Auto Map");

    choose(f->cboTiverlinkDevice, 4);
    EXPECT_EQ(shown(f->lblInputName), 0);
    EXPECT_FALSE(f->cmdAutoMapThisTL->isVisible());
}

TEST_F(StationEditors, InputControlListsAndRowsFollowTheInputsFamily)
{
    const char* blink = "No Action|On Only|Off Only|On And Off|Blink Alert";
    const char* onOff = "No Action|On Only|Off Only|On And Off";
    const char* timed = "No Action|Timed On";
    const char* step = "No Action|Step A|Step B";
    const char* hold = "No Action|Hold On|Hold Off|Hold Status";
    struct Case {
        int16_t deviceType;
        int16_t inputType;
        const char* caption;
        const char* relayActions;
        int relayRows;  // with 12 installed points
        const char* groupActions;
    };
    const Case cases[] = {
        {1, 0, " Momentary PB", onOff, 12, onOff},
        {3, 6, " Set Preset", ".", 0, "."},
        {6, 2, " Timed On", timed, 12, timed},
        {8, 0, " Maint. On/Off", onOff, 12, onOff},
        {8, 4, " 4 Step", step, 12, step},
        {7, 0, " Momentary On/Off", blink, 12, blink},
        {7, 5, " HID Bi-Level", "No Action|On-Off|Hi-Lo(NO)|Hi-Lo(NC)", 12, "No Action|On-Off|Hi-Lo(NO)|Hi-Lo(NC)"},
        {7, 8, " Timer Disable", "No Action|Disable", 48, "."},
        {7, 9, " Output Override", hold, 12, hold},
        {9, -3, " Maintained On/Off", blink, 12, blink},
        {7, 10, "", "", 0, ""},
        {2, -1, "", "", 0, ""},
    };
    install(12);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.deviceType << "/" << c.inputType);
        station(6).iDeviceType = c.deviceType;
        station(6).iInputType[0] = c.inputType;
        station(6).iRelayAction(0, 47) = 9;
        station(6).iGroupAction(0, 47) = 9;
        const int relayTop = QString(c.relayActions).count('|');
        const int groupTop = QString(c.groupActions).count('|');

        frmB3TiverlinkInputToRelayControl* r = openForm<frmB3TiverlinkInputToRelayControl>();
        EXPECT_TRUE(bChanged);
        bChanged = VbFalse;
        choose(r->cboTiverlinkDevice, 6);
        EXPECT_EQ(r->lblInputType->caption(), c.caption);
        EXPECT_EQ(entriesOf(r->cboControl), c.relayActions);
        EXPECT_EQ(shown(r->lblRelayName), c.relayRows);
        if (c.relayRows == 48) {
            EXPECT_EQ(r->lblRelayName[47]->toolTip(), "Timer 48");
        }
        EXPECT_EQ(r->cboPreset->isVisible(), QString(c.caption) == " Set Preset");
        EXPECT_EQ(station(6).iRelayAction(0, 47), *c.relayActions ? relayTop : 9);

        bChanged = VbFalse;
        frmB3TiverlinkInputToGroupControl* g = openForm<frmB3TiverlinkInputToGroupControl>();
        choose(g->cboTiverlinkDevice, 6);
        EXPECT_EQ(entriesOf(g->cboControl), c.groupActions);
        EXPECT_EQ(shown(g->lblGroupName), groupTop > 0 ? 48 : 0);
        EXPECT_EQ(station(6).iGroupAction(0, 47), *c.groupActions ? groupTop : 9);
        EXPECT_FALSE(bChanged);
        EXPECT_FALSE(g->bLoading);
    }

    station(6).iDeviceType = 3;
    frmB3TiverlinkInputToGroupControl* g = openForm<frmB3TiverlinkInputToGroupControl>();
    choose(g->cboTiverlinkDevice, 6);
    EXPECT_EQ(g->lblDeviceType->caption(), " 3 Button");
    EXPECT_EQ(entriesOf(g->cboInput), "TLINK 06.1|TLINK 06.2|TLINK 06.3");
    EXPECT_EQ(g->lblGroupName[47]->toolTip(), "Group 48");
    // Showing the form again starts at "Select Device", whose empty station shows nothing.
    childForms::show("frmB3TiverlinkInputToGroupControl");
    EXPECT_EQ(g->cboTiverlinkDevice->ListIndex(), 0);
    EXPECT_EQ(g->lblDeviceType->caption(), " None");
    EXPECT_FALSE(g->cboInput->isVisible());
    EXPECT_EQ(shown(g->lblGroupName), 0);
}

TEST_F(StationEditors, DamagedRecordsShowAsStoredAndStoreNothingUntilAPick)
{
    station(0).iDeviceType = 7;
    station(0).iGroupAction(0, 0) = 9;
    station(2).iDeviceType = 12;
    station(3).iDeviceType = 7;
    station(3).iInputType = {12, 4, 3};
    station(3).lTimedOnMinutes[1] = 3;
    station(3).iPresetNumber[2] = 60;
    station(3).iRelayAction(0, 0) = 9;
    station(3).iPilot = {322, 114, -1};
    station(4).iDeviceType = 1;
    station(4).iInputType[0] = -6;
    station(5).iDeviceType = 9;
    station(5).iOffLevel[0] = 300;
    station(5).iOnLevel[0] = -5;
    auto before = tStation;
    before[4].iInputType[0] = -1;  // folded Mod 5, keeping the sign

    frmB3ConfigureTiverlinkDevices* d = openForm<frmB3ConfigureTiverlinkDevices>();
    choose(d->cboTLinkDevice, 2);
    EXPECT_EQ(d->cboTLinkType->ListIndex(), -1);
    EXPECT_EQ(shown(d->findChildren<QGroupBox*>()), 0);
    choose(d->cboTLinkDevice, 3);
    EXPECT_EQ(d->cboInput7Type[0]->ListIndex(), -1);
    EXPECT_EQ(d->lblInput7TimedOn[1]->caption(), " 3 Minutes");
    click(d->lblInput7TimedOn[1]);
    EXPECT_TRUE(d->cboInput7NewTime->isVisible());
    EXPECT_EQ(d->cboInput7NewTime->ListIndex(), -1);
    choose(d->cboTLinkDevice, 4);
    EXPECT_FALSE(d->cboInput7NewTime->isVisible());
    EXPECT_EQ(d->cboInput16Type[0]->ListIndex(), -1);
    choose(d->cboTLinkDevice, 5);
    EXPECT_EQ(d->lblInputFOffLevel[0]->caption(), " Off 300/255 (117%)");
    EXPECT_EQ(d->lblInputFOnLevel[0]->caption(), " On -005/255 (-2%)");
    EXPECT_EQ(tStation, before);

    frmB3TiverlinkPilots* p = openForm<frmB3TiverlinkPilots>();
    choose(p->cboTiverlinkDevice, 3);
    EXPECT_EQ(p->lblPilotSource[0]->caption(), "");
    EXPECT_EQ(p->lblPilotNumber[0]->caption(), " 3");
    EXPECT_EQ(p->lblPilotNumber[1]->caption(), " 51");
    EXPECT_EQ(p->lblPilotNumber[2]->caption(), "");
    click(p->lblPilotSource[0]);
    EXPECT_EQ(p->cboNewSource->ListIndex(), -1);
    EXPECT_EQ(station(3).iPilot[0], 322);
    choose(p->cboNewSource, 1);
    EXPECT_EQ(station(3).iPilot[0], 66);
    click(p->lblPilotNumber[1]);
    EXPECT_EQ(p->cboNewNumber->ListIndex(), -1);
    choose(p->cboTiverlinkDevice, 3);
    EXPECT_FALSE(p->cboNewNumber->isVisible());
    click(p->lblPilotNumber[1]);
    choose(p->cboNewNumber, 3);
    EXPECT_EQ(station(3).iPilot[1], 67);

    frmB3TiverlinkInputToRelayControl* r = openForm<frmB3TiverlinkInputToRelayControl>();
    EXPECT_EQ(r->lblDeviceType->caption(), " None");
    choose(r->cboTiverlinkDevice, 3);
    EXPECT_EQ(r->cboControl->ListCount(), 0);
    EXPECT_EQ(shown(r->lblRelayName), 0);
    click(r->lblControl[0]);
    EXPECT_FALSE(r->cboControl->isVisible());
    EXPECT_EQ(station(3).iRelayAction(0, 0), 9);
    choose(r->cboInput, 2);
    EXPECT_TRUE(r->cboPreset->isVisible());
    EXPECT_EQ(r->cboPreset->ListIndex(), -1);
    EXPECT_EQ(station(3).iPresetNumber[2], 60);
    choose(r->cboTiverlinkDevice, 2);
    EXPECT_EQ(r->lblDeviceType->caption(), " None");
    EXPECT_FALSE(r->cboInput->isVisible());
    EXPECT_EQ(shown(r->lblRelayName), 0);
    EXPECT_EQ(station(0), before[0]);
}
