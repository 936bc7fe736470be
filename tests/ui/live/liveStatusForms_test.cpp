#include <QAccessible>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/modB3Glimwarden.h"
#include "live/frmB3CapturePresets.h"
#include "live/frmB3InputStatus.h"
#include "live/frmB3RelayGroupStatus.h"
#include "live/frmB3RelayStatus.h"
#include "link/engine/panelCommands.h"
#include "link/panelPoll.h"
#include "liveFormHarness.h"
#include "widgetActions.h"
#include "platform/twips.h"
#include "platform/vbControls.h"
#include "shell/mainServices.h"

using Commands = std::vector<std::string>;
using LiveStatusForms = LiveFormHarness;

namespace {

QColor back(const QWidget* w) { return w->palette().color(QPalette::Window); }
bool shown(const QWidget* w) { return !w->isHidden(); }

// 48 item characters: `head` first, the rest `fill`.
std::string page(const std::string& head, char fill = '0') { return head + std::string(48 - head.size(), fill); }

// 64 rows in two columns of 32, as a station network has them.
constexpr GridGeometry kStationGrid{.firstTop = 120, .columnPitch = 5280, .linePitch = 195, .linesPerColumn = 32, .rows = 64};

LiveFormOptions stationGridOptions()
{
    LiveFormOptions options;
    options.rowGrid = kStationGrid;
    return options;
}

class StationRowsForm : public LiveForm {
public:
    StationRowsForm() : LiveForm(QStringLiteral("stationRows"), QStringLiteral("Stations"), stationGridOptions())
    {
        for (int i = 0; i < kStationGrid.rows; ++i) {
            names[static_cast<std::size_t>(i)] = makeRowNameLabel(this, i, QStringLiteral("Station "), rowGrid());
            addRowControls(i, {names[static_cast<std::size_t>(i)]});
        }
    }
    std::array<VbLabel*, 64> names{};
    std::array<std::string, 64> captions{};
    int polls = 0;

protected:
    void poll() override { ++polls; }
    void showConnected() override { showNamedRows(40, captions, names); }
};

} // namespace

TEST_F(LiveStatusForms, RelayFormOverTcpShowsInstalledRowsPaintsLampsAndSendsSwitches)
{
    setInstalledPoints(20);
    tConfig.sRelayName[0] = "Lobby";
    connectTcp(1);
    panel.setPage(FakePanel::Page::Relays, page("01A"));

    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Relay Status");
    EXPECT_EQ(commandsReceived(), Commands{"23FF"});

    for (int i = 0; i < 48; ++i) {
        EXPECT_EQ(shown(form->lblRelayName[i]), i < 20) << i;
        EXPECT_EQ(shown(form->cmdTurnOn[i]), i < 20) << i;
    }
    EXPECT_EQ(form->lblRelayName[0]->text(), "Lobby");
    EXPECT_EQ(form->lblRelayName[0]->toolTip(), "Relay 01");
    // Rows 17 to 20 sit at the top of the second column.
    EXPECT_EQ(form->lblRelayName[16]->geometry(), twipsRect(3840, 240, 1695, 315));
    EXPECT_EQ(form->cmdTurnOn[19]->geometry(), twipsRect(3600 + 2880, 240 + 3 * 360, 495, 315));

    EXPECT_EQ(form->lblRelayStatus[0]->text(), "Off");
    EXPECT_EQ(back(form->lblRelayStatus[0]), vbColor(0x808080));
    for (int i : {1, 2}) {
        EXPECT_EQ(form->lblRelayStatus[i]->text(), "On");
        EXPECT_EQ(back(form->lblRelayStatus[i]), vbColor(0xFFFFFF));
    }
    EXPECT_TRUE(shown(form->cmdUpdateStatus));
    EXPECT_TRUE(shown(form->cmdAllRelaysOff));
    EXPECT_EQ(form->lblAutoUpdate->text(), "Updates Disabled");
    EXPECT_FALSE(shown(form->lblNoConnection));

    panel.clearReceived();
    clickWidget(form->cmdTurnOn[11]);
    clickWidget(form->cmdTurnOff[11]);
    clickWidget(form->cmdAllRelaysOff);
    clickWidget(form->cmdAllRelaysOn);
    EXPECT_EQ(commandsReceived(), (Commands{"100B1", "100B0", "10FF0", "10FF1"}));
    EXPECT_TRUE(form->cmdAllRelaysOff->isEnabled());
    EXPECT_TRUE(form->cmdAllRelaysOn->isEnabled());
    // A switch does not poll; the lamp follows with the next read.
    EXPECT_EQ(form->lblRelayStatus[11]->text(), "Off");
    panel.setPage(FakePanel::Page::Relays, page("00000000000100000000"));
    clickWidget(form->cmdUpdateStatus);
    EXPECT_EQ(form->lblRelayStatus[11]->text(), "On");
    EXPECT_EQ(form->lblRelayStatus[0]->text(), "Off");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LiveStatusForms, RelayRowsFollowTheInstalledPointsYetEveryPollIsSent)
{
    connectTcp(2);
    setInstalledPoints(0);
    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(commandsReceived(), Commands{"23FF"});
    for (int i = 0; i < 48; ++i) EXPECT_FALSE(shown(form->lblRelayName[i]));

    setInstalledPoints(48);
    panel.setPage(FakePanel::Page::Relays, page("", '1'));
    form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < 48; ++i) {
        EXPECT_TRUE(shown(form->lblRelayStatus[i])) << i;
        EXPECT_EQ(form->lblRelayStatus[i]->text(), "On") << i;
    }
    EXPECT_EQ(form->lblRelayName[47]->geometry(), twipsRect(7200 + 240, 240 + 15 * 360, 1695, 315));
    EXPECT_EQ(form->lblRelayName[47]->toolTip(), "Relay 48");
}

TEST_F(LiveStatusForms, GroupsNotDefinedShowDashesWithoutButtons)
{
    setInstalledPoints(4);
    tConfig.sGroupName[47] = "Hall";
    connectTcp(3);
    panel.setPage(FakePanel::Page::Groups, page("", '2'));
    auto* form = openFromMenu<frmB3RelayGroupStatus>("mnuGroupStatus", "frmB3RelayGroupStatus");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Group Status");
    EXPECT_EQ(commandsReceived(), Commands{"24FF"});
    for (int g = 0; g < 48; ++g) {
        EXPECT_TRUE(shown(form->lblGroupName[g])) << g;
        EXPECT_EQ(form->lblGroupStatus[g]->text(), "---") << g;
        EXPECT_FALSE(shown(form->cmdTurnOff[g])) << g;
        EXPECT_FALSE(shown(form->cmdTurnOn[g])) << g;
    }
    EXPECT_EQ(form->lblGroupName[47]->text(), "Hall");

    panel.setPage(FakePanel::Page::Groups, page("0129"));
    clickWidget(form->cmdUpdateStatus);
    EXPECT_EQ(form->lblGroupStatus[0]->text(), "Off");
    EXPECT_EQ(form->lblGroupStatus[1]->text(), "On");
    EXPECT_EQ(back(form->lblGroupStatus[1]), vbColor(0xFFFFFF));
    EXPECT_EQ(form->lblGroupStatus[2]->text(), "---");
    EXPECT_EQ(back(form->lblGroupStatus[2]), vbColor(0x808080));
    EXPECT_FALSE(shown(form->cmdTurnOn[2]));
    EXPECT_EQ(form->lblGroupStatus[3]->text(), "On");
    EXPECT_TRUE(shown(form->cmdTurnOn[3]));

    panel.clearReceived();
    clickWidget(form->cmdTurnOn[5]);
    clickWidget(form->cmdTurnOff[40]);
    EXPECT_EQ(commandsReceived(), (Commands{"11051", "11280"}));
}

TEST_F(LiveStatusForms, InputLampsFollowContactDigitsAndKeepTheirStateForOtherValues)
{
    setInstalledPoints(8);
    connectTcp(4);
    panel.setPage(FakePanel::Page::Inputs, page("33333333"));
    auto* form = openFromMenu<frmB3InputStatus>("mnuInputStatus", "frmB3InputStatus");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(commandsReceived(), Commands{"20FF"});
    for (int i = 0; i < 48; ++i) EXPECT_EQ(shown(form->lblInputOnStatus[i]), i < 8) << i;

    panel.setPage(FakePanel::Page::Inputs, page("01237A9"));
    clickWidget(form->cmdUpdateStatus);
    const QColor white = vbColor(0xFFFFFF), grey = vbColor(0x808080);
    const std::vector<std::pair<QColor, QColor>> offOn = {
        {grey, grey}, {grey, white}, {white, grey}, {white, white},
        {white, white},  // "7": lamps kept from the last poll
        {grey, grey},    // not a digit reads as 0
        {white, white},  // "9": kept
    };
    for (std::size_t i = 0; i < offOn.size(); ++i) {
        EXPECT_EQ(back(form->lblInputOffStatus[i]), offOn[i].first) << i;
        EXPECT_EQ(back(form->lblInputOnStatus[i]), offOn[i].second) << i;
        EXPECT_EQ(form->lblInputOffStatus[i]->text(), "Off");
        EXPECT_EQ(form->lblInputOnStatus[i]->text(), "On");
    }
}

TEST_F(LiveStatusForms, PresetStatusAndCaptureWriteTheHostTable)
{
    setInstalledPoints(8);
    connectTcp(5);
    panel.setPage(FakePanel::Page::Presets, page("201"));
    panel.setPage(FakePanel::Page::Relays, page("10100001", '1'));
    for (int r = 0; r < 49; ++r) tConfig.iPresetRelayState(2, r) = 7;
    bChanged = VbFalse;

    auto* form = openFromMenu<frmB3CapturePresets>("mnuCapturePresets", "frmB3CapturePresets");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(commandsReceived(), Commands{"25FF"});
    EXPECT_EQ(form->lblPresetStatus[0]->text(), "---");
    EXPECT_FALSE(shown(form->cmdSet[0]));
    EXPECT_TRUE(shown(form->cmdCapture[0]));
    EXPECT_EQ(form->lblPresetStatus[1]->text(), "Off");
    EXPECT_TRUE(shown(form->cmdSet[1]));
    EXPECT_EQ(form->lblPresetStatus[2]->text(), "Set");
    EXPECT_EQ(back(form->lblPresetStatus[2]), vbColor(0xFFFFFF));
    EXPECT_EQ(form->lblPresetName[2]->toolTip(), "Preset 03");

    panel.clearReceived();
    clickWidget(form->cmdSet[5]);
    clickWidget(form->cmdCapture[2]);
    EXPECT_EQ(commandsReceived(), (Commands{"40050", "41020", "23FF"}));
    const std::vector<int16_t> expected = {1, 2, 1, 2, 2, 2, 2, 1};
    for (int r = 0; r < 8; ++r) EXPECT_EQ(tConfig.iPresetRelayState(2, r), expected[r]) << r;
    for (int r = 8; r < 49; ++r) EXPECT_EQ(tConfig.iPresetRelayState(2, r), 7) << r;
    EXPECT_TRUE(bChanged);
    // The status cells wait for the next poll.
    EXPECT_EQ(form->lblPresetStatus[5]->text(), "Off");

    // A capture whose relay read fails changes nothing on the host and loses the panel.
    bChanged = VbFalse;
    const QPointer<frmB3CapturePresets> alive(form);
    panel.injectFault(FakePanel::Fault::BadChecksum, -1);
    clickWidget(form->cmdCapture[3]);
    for (int r = 0; r < 49; ++r) EXPECT_EQ(tConfig.iPresetRelayState(3, r), 0) << r;
    EXPECT_FALSE(bChanged);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "Connection To Brevantine 3 Panel Lost");
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
}

TEST_F(LiveStatusForms, AutomaticUpdatesSwitchTheMainMenusOffAndOnAgainHoweverTheFormCloses)
{
    setInstalledPoints(4);
    connectTcp(6);
    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(mainMenusEnabled());

    clickWidget(form->cmdAutoUpdate);
    EXPECT_EQ(form->cmdAutoUpdate->text(), "Disable Auto Updates");
    EXPECT_EQ(form->lblAutoUpdate->text(), "Updates Enabled");
    EXPECT_EQ(back(form->lblAutoUpdate), vbColor(0x80FF80));
    EXPECT_TRUE(mainMenusDisabled());
    EXPECT_FALSE(form->cmdUpdateStatus->isEnabled());
    EXPECT_FALSE(form->cmdAllRelaysOff->isEnabled());
    EXPECT_FALSE(form->cmdAllRelaysOn->isEnabled());
    EXPECT_TRUE(form->cmdTurnOn[0]->isEnabled());
    EXPECT_EQ(form->Timer1->interval(), 750);
    EXPECT_TRUE(waitForCommands(3));
    for (const std::string& command : commandsReceived()) EXPECT_EQ(command, "23FF");

    clickWidget(form->cmdAutoUpdate);
    EXPECT_EQ(form->cmdAutoUpdate->text(), "Enable Auto Updates");
    EXPECT_EQ(form->lblAutoUpdate->text(), "Updates Disabled");
    EXPECT_EQ(back(form->lblAutoUpdate), vbColor(0x8080FF));
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(form->cmdUpdateStatus->isEnabled());
    EXPECT_TRUE(form->cmdAllRelaysOn->isEnabled());

    // Closed by the close box while automatic updates run.
    clickWidget(form->cmdAutoUpdate);
    EXPECT_TRUE(mainMenusDisabled());
    const QPointer<frmB3RelayStatus> alive(form);
    form->parentWidget()->close();
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));

    // Closed with the child forms (menu command, exit).
    form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    clickWidget(form->cmdAutoUpdate);
    EXPECT_TRUE(mainMenusDisabled());
    CloseChildForms();
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LiveStatusForms, PanelLostDuringAutomaticUpdatesClosesTheFormOnceWithMenusBack)
{
    setInstalledPoints(4);
    connectTcp(7);
    auto* form = openFromMenu<frmB3InputStatus>("mnuInputStatus", "frmB3InputStatus");
    ASSERT_NE(form, nullptr);
    const QPointer<frmB3InputStatus> alive(form);
    clickWidget(form->cmdAutoUpdate);
    ASSERT_TRUE(mainMenusDisabled());

    panel.dropConnectionAfter(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 10000));
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_FALSE(bConnected);
    // Time for several more ticks: none may report the loss again.
    QTest::qWait(1600);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "Connection To Brevantine 3 Panel Lost");
    EXPECT_EQ(dialogs.messages[0].style, vbExclamation);
    EXPECT_EQ(dialogs.messages[0].title, "OVK Brevantine 3");
    EXPECT_NE(childForms::find("frmB3Connect"), nullptr);
}

// A press made through the accessibility interface (a screen reader, an automation
// tool) clicks a moment later. Made as the panel is lost, its click reaches the form
// after the loss has unloaded it, while the warning is up: it switches nothing on
// again, and the menus are back with nothing polling.
TEST_F(LiveStatusForms, AClickThatArrivesAfterALostPanelUnloadedTheFormLeavesTheMenusOn)
{
    setInstalledPoints(4);
    connectTcp(32);
    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    clickWidget(form->cmdAutoUpdate);
    ASSERT_TRUE(mainMenusDisabled());

    const QPointer<QPushButton> button(form->cmdAutoUpdate);
    const QPointer<LivePollTimer> timer(form->Timer1);
    bool pressedOnUnloadedForm = false;
    bool pollTimerRunning = true;
    dialogs.whileShown = [&](const MsgBoxCall&) {
        if (!button || app.form("frmB3RelayStatus")) return;
        QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        pressedOnUnloadedForm = true;
        // The warning's own event loop runs, and the press's click falls due in it.
        QEventLoop warning;
        QTimer::singleShot(300, &warning, &QEventLoop::quit);
        warning.exec();
        pollTimerRunning = timer && timer->isActive();
    };
    // The next automatic poll finds the panel lost.
    panel.injectFault(FakePanel::Fault::BadChecksum, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages.empty(); }, 5000));

    ASSERT_TRUE(pressedOnUnloadedForm);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_FALSE(pollTimerRunning);
    EXPECT_TRUE(mainMenusEnabled());
    AppHarness::processEvents();
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_TRUE(button.isNull());
}

TEST_F(LiveStatusForms, AFailedFirstReadOverTcpClosesTheNewFormAndShowsTheConnectForm)
{
    setInstalledPoints(4);
    connectTcp(9);
    panel.injectFault(FakePanel::Fault::BadChecksum, 3);
    app.trigger("mnuCapturePresets");
    EXPECT_EQ(commandsReceived(), (Commands{"25FF", "25FF", "25FF"}));
    AppHarness::processEvents();
    EXPECT_EQ(app.form("frmB3CapturePresets"), nullptr);
    ASSERT_NE(app.form("frmB3Connect"), nullptr);
    EXPECT_TRUE(app.form("frmB3Connect")->isVisible());
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
}

TEST_F(LiveStatusForms, ClicksAndTicksWhileAReplyIsAwaitedStartNoSecondExchangeButTheLastSwitchIsKept)
{
    setInstalledPoints(4);
    connectTcp(8);
    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    panel.clearReceived();

    panel.injectFault(FakePanel::Fault::LateReply, 1, 2500);
    std::size_t framesDuringWait = 0;
    QTimer::singleShot(200, form, [&] {
        clickWidget(form->cmdTurnOn[0]);
        clickWidget(form->cmdAllRelaysOff);
        clickWidget(form->cmdTurnOff[1]);
        clickWidget(form->cmdUpdateStatus);
    });
    // Two automatic ticks fall due inside the wait.
    QTimer::singleShot(100, form, [&] { clickWidget(form->cmdAutoUpdate); });
    QTimer::singleShot(1700, form, [&] { framesDuringWait = panel.received().size(); });
    clickWidget(form->cmdUpdateStatus);
    EXPECT_EQ(framesDuringWait, 1u);
    // The last switch click goes out as soon as the wait is over; the one before it and
    // the poll clicked meanwhile are dropped ("All Relays Off" is off during updates).
    ASSERT_TRUE(waitForCommands(2));
    clickWidget(form->cmdAutoUpdate);
    const Commands sent = commandsReceived();
    EXPECT_EQ(sent[1], "10010");
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "23FF"), static_cast<long>(sent.size()) - 1);
    EXPECT_TRUE(form->cmdAllRelaysOff->isEnabled());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(bConnected);
}

// Closed by its box while its reply is awaited, the form is gone at once for the
// program but deleted only once the exchange has returned, and it asks nothing more.
TEST_F(LiveStatusForms, ClosedWhileAReplyIsAwaitedTheFormOutlivesTheExchange)
{
    setInstalledPoints(4);
    connectTcp(31);
    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    const QPointer<frmB3RelayStatus> alive(form);
    // With automatic updates on, the menus the form switched off stay off until its
    // poll has returned: a form opened meanwhile would find the link held.
    clickWidget(form->cmdAutoUpdate);
    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::LateReply, 1, 300);
    bool keptDuringWait = false;
    bool menusHeldDuringWait = false;
    QTimer::singleShot(100, [&] {
        form->parentWidget()->close();
        QTest::qWait(20);
        keptDuringWait = !alive.isNull() && app.form("frmB3RelayStatus") == nullptr;
        menusHeldDuringWait = mainMenusDisabled();
    });
    form->Timer1_Timer();

    EXPECT_TRUE(keptDuringWait);
    EXPECT_TRUE(menusHeldDuringWait);
    AppHarness::processEvents();
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(commandsReceived(), Commands{"23FF"});
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(mainMenusEnabled());
}

TEST_F(LiveStatusForms, SerialLinkPollsFromActivationWithoutUpdateButtons)
{
    setInstalledPoints(12);
    connectSerial();
    panel.setPage(FakePanel::Page::Relays, page("1"));
    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(commandsReceived().empty());
    EXPECT_FALSE(shown(form->cmdUpdateStatus));
    EXPECT_FALSE(shown(form->cmdAutoUpdate));
    EXPECT_FALSE(shown(form->lblAutoUpdate));
    EXPECT_EQ(form->Timer1->interval(), 250);
    ASSERT_TRUE(waitForCommands(2));
    EXPECT_EQ(form->lblRelayStatus[0]->text(), "On");

    clickWidget(form->cmdTurnOn[11]);
    const Commands sent = commandsReceived();
    EXPECT_EQ(sent.back(), "100B1");
    EXPECT_TRUE(mainMenusEnabled());
}

TEST_F(LiveStatusForms, SerialPollThatFailsLosesThePanelOnce)
{
    setInstalledPoints(4);
    connectSerial();
    auto* form = openFromMenu<frmB3RelayGroupStatus>("mnuGroupStatus", "frmB3RelayGroupStatus");
    ASSERT_NE(form, nullptr);
    const QPointer<frmB3RelayGroupStatus> alive(form);
    ASSERT_TRUE(waitForCommands(1));
    panel.injectFault(FakePanel::Fault::BadChecksum, -1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 5000));
    QTest::qWait(600);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(bConnected);
}

TEST_F(LiveStatusForms, WithoutALinkNothingIsShownOrSent)
{
    setInstalledPoints(48);
    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(shown(form->lblNoConnection));
    EXPECT_EQ(form->lblNoConnection->text(), "Not Connected To Brevantine 3");
    EXPECT_EQ(back(form->lblNoConnection), vbColor(0x00FFFF));
    for (int i = 0; i < 48; ++i) EXPECT_FALSE(shown(form->lblRelayName[i]));
    EXPECT_FALSE(shown(form->cmdAllRelaysOff));
    EXPECT_FALSE(shown(form->cmdUpdateStatus));
    EXPECT_TRUE(shown(form->cmdAutoUpdate));
    EXPECT_EQ(form->lblAutoUpdate->text(), "Updates Disabled");

    clickWidget(form->cmdAutoUpdate);
    EXPECT_TRUE(mainMenusDisabled());
    EXPECT_EQ(form->Timer1->interval(), 250);
    QTest::qWait(600);
    clickWidget(form->cmdAutoUpdate);
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_TRUE(dialogs.messages.empty());

    auto* presets = openFromMenu<frmB3CapturePresets>("mnuCapturePresets", "frmB3CapturePresets");
    ASSERT_NE(presets, nullptr);
    EXPECT_EQ(presets->lblNoConnection->text(), "Not Connected To Brevantine II");
    EXPECT_TRUE(shown(presets->lblNoConnection));
    for (int i = 0; i < 48; ++i) EXPECT_FALSE(shown(presets->cmdCapture[i]));
}

TEST_F(LiveStatusForms, FileNewWhileAReplyIsAwaitedReportsNoLostPanel)
{
    setInstalledPoints(4);
    connectTcp(10);
    auto* form = openFromMenu<frmB3RelayStatus>("mnuRelayStatus", "frmB3RelayStatus");
    ASSERT_NE(form, nullptr);
    bChanged = VbFalse;
    panel.injectFault(FakePanel::Fault::LateReply, 1, 400);
    QTimer::singleShot(200, form, [this] { app.trigger("mnuNew"); });
    clickWidget(form->cmdUpdateStatus);
    // File New waits for the exchange, then takes the link down.
    EXPECT_TRUE(QTest::qWaitFor([] { return !bConnected; }, 3000));
    AppHarness::processEvents();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(bConnected);
    EXPECT_FALSE(app.form("frmB3Connect")->isVisible());
    EXPECT_TRUE(app.form("frmB3About")->isVisible());
}

TEST_F(LiveStatusForms, RowsStandInTheFormsOwnGridHoweverManyThereAre)
{
    StationRowsForm form;
    form.Form_Activate();
    EXPECT_TRUE(shown(form.lblNoConnection));
    for (VbLabel* name : form.names) EXPECT_FALSE(shown(name));

    form.captions[63] = "Last";
    iConnectionType = kConnectionTcpIp;
    bConnected = VbTrue;
    form.Form_Activate();
    EXPECT_EQ(form.polls, 1);
    EXPECT_FALSE(shown(form.lblNoConnection));
    for (int i = 0; i < 64; ++i) EXPECT_EQ(shown(form.names[i]), i < 40) << i;
    EXPECT_EQ(form.names[31]->geometry(), twipsRect(240, 120 + 31 * 195, 1695, 315));
    EXPECT_EQ(form.names[32]->geometry(), twipsRect(5280 + 240, 120, 1695, 315));
    EXPECT_EQ(form.names[63]->toolTip(), "Station 64");
    bConnected = VbFalse;
}

// Forms that poll without being live forms (a plain owner here) use the same queries.
TEST_F(LiveStatusForms, QueriesFailSilentlyOrLoseThePanelAndNeverAnswerAGoneOwner)
{
    connectTcp(11);
    auto owner = std::make_unique<QObject>();
    panel.injectFault(FakePanel::Fault::BadChecksum, 3);
    EXPECT_EQ(QueryPanelStatus(owner.get(), panelCommand::ReadStatus(), QueryFailure::IsSilent), std::nullopt);
    EXPECT_TRUE(bConnected);
    EXPECT_TRUE(dialogs.messages.empty());

    // Inside a reply wait a second query is refused, sending and failing nothing; the
    // owner deleted meanwhile gets no reply from the first.
    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::LateReply, 1, 300);
    std::optional<std::string> nested = "not run";
    QObject* first = owner.get();
    QTimer::singleShot(100, [&] {
        nested = QueryPanelStatus(first, panelCommand::ReadRelayStatus());
        owner.reset();
    });
    EXPECT_EQ(QueryPanelStatus(first, panelCommand::ReadStatus()), std::nullopt);
    EXPECT_EQ(nested, std::nullopt);
    EXPECT_EQ(commandsReceived(), Commands{"01"});
    EXPECT_TRUE(dialogs.messages.empty());

    const QObject second;
    EXPECT_TRUE(QueryPanelStatus(&second, panelCommand::ReadStatus()).has_value());
    panel.injectFault(FakePanel::Fault::BadChecksum, 3);
    EXPECT_EQ(QueryPanelStatus(&second, panelCommand::ReadStatus()), std::nullopt);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_FALSE(bConnected);
}
