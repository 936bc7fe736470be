#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>

#include "core/modB3Glimwarden.h"
#include "live/frmB3TiverlinkStatus.h"
#include "link/panelPoll.h"
#include "liveFormHarness.h"
#include "widgetActions.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

using Commands = std::vector<std::string>;
using TiverlinkStatus = LiveFormHarness;

namespace {

QColor back(const QWidget* w) { return w->palette().color(QPalette::Window); }
bool shown(const QWidget* w) { return !w->isHidden(); }

struct Station {
    int address;
    int16_t type;
    uint8_t inputs;
    uint8_t present;
    uint8_t level;
};

} // namespace

class TiverlinkStatusOverTcp : public TiverlinkStatus {
protected:
    void serve(const std::vector<Station>& stations, int hostByte)
    {
        std::array<uint8_t, 65> inputs{}, presence{}, levels{};
        for (const Station& s : stations) {
            tStation[s.address].iDeviceType = s.type;
            tStation[s.address].sName = "Station " + std::to_string(s.address);
            inputs[s.address] = s.inputs;
            presence[s.address] = s.present;
            levels[s.address] = s.level;
        }
        panel.setStationTable(FakePanel::StationTable::Inputs, inputs);
        panel.setStationTable(FakePanel::StationTable::Presence, presence);
        panel.setStationTable(FakePanel::StationTable::Levels, levels);
        connectTcp(hostByte);
        form = openFromMenu<frmB3TiverlinkStatus>("mnuTiverlinkStatus", "frmB3TiverlinkStatus");
        ASSERT_NE(form, nullptr);
    }
    // Picks the station and polls it once.
    void poll(int address)
    {
        chooseListEntry(form->cboTLinkDevice, address);
        panel.clearReceived();
        clickWidget(form->cmdUpdateStatus);
    }
    frmB3TiverlinkStatus* form = nullptr;
};

TEST_F(TiverlinkStatusOverTcp, FramesFollowTheDeviceTypeAndPaintTheStationsInputs)
{
    serve({{3, 3, 0b101, 1, 0}, {4, 7, 0x09, 1, 0}, {6, 6, 0xFF, 1, 0}, {7, 8, 0x80, 1, 0}, {8, 2, 0x03, 0, 0}}, 21);
    EXPECT_EQ(form->windowTitle(), "Tiverlink Status");
    // Activation over TCP/IP sends nothing, and the list is numbered by address.
    EXPECT_TRUE(commandsReceived().empty());
    ASSERT_EQ(form->cboTLinkDevice->count(), 65);
    EXPECT_EQ(form->cboTLinkDevice->itemText(0), "Select Device");
    EXPECT_EQ(form->cboTLinkDevice->itemText(3), "Station 3");
    EXPECT_EQ(form->cboTLinkDevice->currentIndex(), 0);

    // A new choice shows nothing until the next poll.
    chooseListEntry(form->cboTLinkDevice, 3);
    EXPECT_FALSE(shown(form->fraStatus16));
    EXPECT_TRUE(commandsReceived().empty());

    poll(3);
    EXPECT_EQ(commandsReceived(), (Commands{"46", "47", "48"}));
    EXPECT_TRUE(shown(form->fraStatus16));
    EXPECT_FALSE(shown(form->fraStatus8));
    EXPECT_EQ(form->fraStatus16->height(), twipsToPixels(2295));
    EXPECT_EQ(form->fraStatus7->pos(), form->fraStatus16->pos());
    EXPECT_EQ(form->lblTLinkDeviceType->text(), "3 Push Button");
    EXPECT_EQ(form->lblPresent16->text(), "Connected");
    const std::array<const char*, 3> lamps = {"On", "Off", "On"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(shown(form->lblInput16Number[k]), k < 3) << k;
        EXPECT_EQ(shown(form->lblInput16Status[k]), k < 3) << k;
        if (k < 3) {
            EXPECT_EQ(form->lblInput16Status[k]->text(), lamps[k]) << k;
        }
    }
    EXPECT_EQ(form->lblInput16Number[2]->text(), "Input 3");

    // Four inputs with two lamps each: bit 2j on the "On" lamp, 2j + 1 on the "Off" lamp.
    poll(4);
    EXPECT_TRUE(shown(form->fraStatus7));
    EXPECT_FALSE(shown(form->fraStatus16));
    EXPECT_EQ(form->lblTLinkDeviceType->text(), "4 Input");
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(back(form->lblInput7Status[k]), vbColor(k == 0 || k == 3 ? 0xFFFFFF : 0x808080)) << k;
        EXPECT_EQ(form->lblInput7Status[k]->text(), k % 2 == 0 ? "On" : "Off") << k;
    }

    poll(6);
    EXPECT_TRUE(shown(form->fraStatus8));
    EXPECT_EQ(form->lblTLinkDeviceType->text(), "6/7/8 Push Button");
    for (int k = 0; k < 8; ++k) EXPECT_EQ(form->lblInput8Status[k]->text(), "On") << k;
    poll(7);
    EXPECT_EQ(form->lblTLinkDeviceType->text(), "8 Input");
    EXPECT_EQ(form->lblInput8Status[6]->text(), "Off");
    EXPECT_EQ(form->lblInput8Status[7]->text(), "On");
    EXPECT_EQ(back(form->lblInput8Status[7]), vbColor(0xFFFFFF));

    // A station that does not answer: all three queries, no rows.
    poll(8);
    EXPECT_EQ(commandsReceived(), (Commands{"46", "47", "48"}));
    EXPECT_EQ(form->lblPresent16->text(), "No Response");
    for (int k = 0; k < 6; ++k) EXPECT_FALSE(shown(form->lblInput16Status[k])) << k;

    // "Select Device" and unknown types send nothing, even over a damaged station 0.
    tStation[0].iDeviceType = 3;
    poll(0);
    EXPECT_TRUE(commandsReceived().empty());
    EXPECT_FALSE(shown(form->fraStatus16));
    EXPECT_FALSE(shown(form->lblTLinkDeviceType));
    tStation[9].iDeviceType = 12;
    poll(9);
    EXPECT_TRUE(commandsReceived().empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TiverlinkStatusOverTcp, PhotocellShowsItsLightLevel)
{
    serve({{1, 9, 0x01, 1, 0}, {2, 9, 0, 1, 128}, {3, 9, 0, 1, 255}, {4, 9, 0, 0, 77}}, 22);
    poll(1);
    EXPECT_TRUE(shown(form->fraStatusF));
    EXPECT_EQ(form->lblTLinkDeviceType->text(), "PhotoCell");
    EXPECT_EQ(form->lblLightLevelA->text(), "Light Level");
    EXPECT_EQ(form->lblLightLevel->text(), "0/255 (0%)");
    EXPECT_EQ(form->lblInputFStatus[0]->text(), "On");
    poll(2);
    EXPECT_EQ(form->lblLightLevel->text(), "128/255 (50%)");
    poll(3);
    EXPECT_EQ(form->lblLightLevel->text(), "255/255 (100%)");
    poll(4);
    EXPECT_EQ(form->lblPresentF->text(), "No Response");
    EXPECT_FALSE(shown(form->lblLightLevel));
    EXPECT_FALSE(shown(form->lblInputFStatus[0]));

    // Activated again, the form refills its list and comes back to the chosen station.
    tStation[4].sName = "Renamed";
    childForms::show("frmB3TiverlinkStatus");
    EXPECT_EQ(form->cboTLinkDevice->itemText(4), "Renamed");
    EXPECT_EQ(form->cboTLinkDevice->currentIndex(), 4);
}

TEST_F(TiverlinkStatusOverTcp, AStationChosenDuringAPollDoesNotTakeOverItsReplies)
{
    serve({{3, 3, 0b001, 1, 0}, {5, 9, 0xFE, 0, 200}}, 23);
    chooseListEntry(form->cboTLinkDevice, 3);
    panel.injectFault(FakePanel::Fault::LateReply, 1, 400);
    QTimer::singleShot(100, form, [this] { chooseListEntry(form->cboTLinkDevice, 5); });
    clickWidget(form->cmdUpdateStatus);
    EXPECT_EQ(form->lblTLinkDeviceType->text(), "3 Push Button");
    EXPECT_EQ(form->lblPresent16->text(), "Connected");
    EXPECT_EQ(form->lblInput16Status[0]->text(), "On");
    EXPECT_EQ(form->lblInput16Status[1]->text(), "Off");
    EXPECT_EQ(form->iDeviceAddress, 5);
}

TEST_F(TiverlinkStatusOverTcp, AFailedFirstQuerySendsNoOtherAndLosesThePanel)
{
    serve({{2, 1, 0, 1, 0}}, 24);
    const QPointer<frmB3TiverlinkStatus> alive(form);
    panel.injectFault(FakePanel::Fault::BadChecksum, 3);
    poll(2);
    EXPECT_EQ(commandsReceived(), (Commands{"46", "46", "46"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "Connection To Brevantine 3 Panel Lost");
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
}

TEST_F(TiverlinkStatus, WithoutALinkTheListIsHiddenAndNothingSent)
{
    auto* form = openFromMenu<frmB3TiverlinkStatus>("mnuTiverlinkStatus", "frmB3TiverlinkStatus");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(shown(form->lblNoConnection));
    EXPECT_EQ(form->lblNoConnection->geometry(), twipsRect(480, 360, 3615, 375));
    EXPECT_FALSE(shown(form->cboTLinkDevice));
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(shown(form->cmdAutoUpdate));
    EXPECT_TRUE(shown(form->lblAutoUpdate));
}
