#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>

#include "core/dataFolder.h"
#include "core/modB3Glimwarden.h"
#include "link/commandLink.h"
#include "link/frmB3Connect.h"
#include "live/frmB3ForceTimers.h"
#include "live/frmB3SystemDiagnostic.h"
#include "live/frmB3VirtualKeypad.h"
#include "link/panelPoll.h"
#include "liveFormHarness.h"
#include "platform/twips.h"
#include "platform/vbControls.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"
#include "widgetActions.h"

using Commands = std::vector<std::string>;
using PanelCommandForms = LiveFormHarness;

namespace {

QColor back(const QWidget* w) { return w->palette().color(QPalette::Window); }
QColor text(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
QColor keyColour(const QPushButton* key) { return key->palette().color(QPalette::Button); }
bool shown(const QWidget* w) { return !w->isHidden(); }

constexpr unsigned int kGreen = 0xFF00, kYellow = 0xFFFF, kRed = 0xFF, kGrey = 0x808080, kWhite = 0xFFFFFF;

} // namespace

TEST_F(PanelCommandForms, ForceTimersNameTheRowsAndHoldTheFormWhileThePanelWorks)
{
    tConfig.sTimerName[0] = "Dawn";
    tConfig.sTimerName[11] = "<b>A&B";
    tConfig.sTimerName[47] = "Dusk";
    connectTcp(171);
    auto* form = openFromMenu<frmB3ForceTimers>("mnuForceTimers", "frmB3ForceTimers");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Force Timers");
    EXPECT_TRUE(commandsReceived().empty());
    EXPECT_FALSE(shown(form->lblNoConnection));
    EXPECT_FALSE(shown(form->lblPleaseWait));

    struct Row { int index; const char* caption; const char* tip; int columnLeft; int top; };
    for (const Row& row : {Row{0, "Dawn", "Timer 01", 0, 240}, Row{11, "<b>A&B", "Timer 12", 0, 240 + 11 * 360},
                           Row{47, "Dusk", "Timer 48", 7200, 240 + 15 * 360}}) {
        const VbLabel* name = form->lblTimerName[row.index];
        const QPushButton* force = form->cmdForce[row.index];
        EXPECT_EQ(name->text(), row.caption) << row.index;
        EXPECT_EQ(name->toolTip(), row.tip) << row.index;
        EXPECT_EQ(name->pos(), twipsRect(row.columnLeft + 240, row.top, 0, 0).topLeft()) << row.index;
        EXPECT_EQ(force->pos(), twipsRect(row.columnLeft + 1920, row.top, 0, 0).topLeft()) << row.index;
        EXPECT_EQ(force->text(), "Force");
        EXPECT_TRUE(shown(name) && shown(force)) << row.index;
    }

    // While the panel carries the timer out, nothing else may start. Looked at once the
    // panel has the wait, whatever the machine's load.
    panel.setForceWaitDelayMs(1500);
    bool heldDuringWait = false;
    QTimer waitSeen;
    QObject::connect(&waitSeen, &QTimer::timeout, form, [&] {
        if (commandsReceived().size() < 2) return;
        waitSeen.stop();
        heldDuringWait = shown(form->lblPleaseWait) && form->lblPleaseWait->text() == "Forcing Timer...Please Wait"
                         && !form->cmdForce[5]->isEnabled() && !form->cmdForce[47]->isEnabled() && mainMenusDisabled();
        form->cmdForce_Click(5);
    });
    waitSeen.start(10);
    clickWidget(form->cmdForce[47]);
    EXPECT_TRUE(heldDuringWait);
    EXPECT_EQ(commandsReceived(), (Commands{"132F0", "02"}));
    EXPECT_FALSE(shown(form->lblPleaseWait));
    EXPECT_TRUE(form->cmdForce[5]->isEnabled());
    EXPECT_TRUE(mainMenusEnabled());
}

// Over TCP/IP the panel's wait lets the user close the form. Until the panel is done,
// no other form may be opened: its reads would be refused while the link is held.
TEST_F(PanelCommandForms, ForceTimersClosedDuringAForceHoldTheMenusAndTheLinkUntilThePanelIsDone)
{
    connectTcp(176);
    app.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.window()));
    auto* form = openFromMenu<frmB3ForceTimers>("mnuForceTimers", "frmB3ForceTimers");
    ASSERT_NE(form, nullptr);

    // The keyboard goes on where the user pressed.
    clickWidget(form->cmdForce[20]);
    EXPECT_EQ(QApplication::focusWidget(), form->cmdForce[20]);

    struct Seen { bool menusOff = false; bool linkHeld = false; std::size_t commands = 0; };
    const auto seeNow = [&] { return Seen{mainMenusDisabled(), LinkBusy(), commandsReceived().size()}; };
    const auto expectHeld = [](const Seen& seen, const char* when) {
        EXPECT_TRUE(seen.menusOff) << when;
        EXPECT_TRUE(seen.linkHeld) << when;
        EXPECT_EQ(seen.commands, 2u) << when;
    };

    // Closed by its close box while the panel works.
    panel.clearReceived();
    panel.setForceWaitDelayMs(800);
    QPointer<frmB3ForceTimers> alive(form);
    Seen afterClose, later;
    QTimer::singleShot(200, form, [&] {
        form->parentWidget()->close();
        afterClose = seeNow();
    });
    QTimer::singleShot(500, [&] { later = seeNow(); });
    clickWidget(form->cmdForce[0]);
    expectHeld(afterClose, "after the close box");
    expectHeld(later, "later in the wait");
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_FALSE(LinkBusy());
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));

    // Closed with the child forms while the force itself is answered late: the wait
    // for the panel still follows, and holds as much.
    form = openFromMenu<frmB3ForceTimers>("mnuForceTimers", "frmB3ForceTimers");
    ASSERT_NE(form, nullptr);
    alive = form;
    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::LateReply, 1, 400);
    QTimer::singleShot(150, [&] { CloseChildForms(); });
    QTimer::singleShot(700, [&] { later = seeNow(); });
    clickWidget(form->cmdForce[1]);
    expectHeld(later, "in the wait after the force");
    EXPECT_EQ(commandsReceived(), (Commands{"13010", "02"}));
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));

    // Afterwards the next form reads the panel at once.
    app.trigger("mnuRelayStatus");
    EXPECT_EQ(commandsReceived(), (Commands{"13010", "02", "23FF"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(bConnected);
}

TEST_F(PanelCommandForms, ForceTimersWithoutALinkShowOnlyTheLabelAndALostWaitLosesThePanel)
{
    auto* form = openFromMenu<frmB3ForceTimers>("mnuForceTimers", "frmB3ForceTimers");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(shown(form->lblNoConnection));
    EXPECT_EQ(form->lblNoConnection->text(), "Not Connected To Brevantine 3");
    for (int i = 0; i < 48; ++i) EXPECT_FALSE(shown(form->lblTimerName[i]) || shown(form->cmdForce[i])) << i;

    connectTcp(172);
    form = openFromMenu<frmB3ForceTimers>("mnuForceTimers", "frmB3ForceTimers");
    ASSERT_NE(form, nullptr);
    const QPointer<frmB3ForceTimers> alive(form);
    panel.dropConnectionAfter(1);
    clickWidget(form->cmdForce[11]);
    EXPECT_EQ(commandsReceived(), (Commands{"130B0", "02"}));
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_FALSE(bConnected);
}

TEST_F(PanelCommandForms, KeypadOverTcpSendsEachKeyOnceAndRedrawsOnlyWhatChanged)
{
    std::string display(80, ' ');
    display[0] = 'A';
    display[1] = '\x03';
    display[2] = '\xE9';
    display[3] = '\xFF';
    display[79] = '\0';
    panel.setKeypad(display, 0x05);
    connectTcp(173);
    auto* form = openFromConnectForm<frmB3VirtualKeypad>(&frmB3Connect::cmdVirtualKeypad, "frmB3VirtualKeypad");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Virtual Keypad");
    EXPECT_EQ(commandsReceived(), Commands{"0700"});
    EXPECT_TRUE(shown(form->cmdUpdateStatus) && shown(form->cmdAutoUpdate) && shown(form->lblAutoUpdate));
    EXPECT_EQ(form->Timer1->interval(), 250);
    EXPECT_FALSE(form->Timer1->isActive());

    struct Cell { int index; int glyph; QString caption; };  // glyph -1: the label shows the caption
    const auto expectCells = [&](std::initializer_list<Cell> cells) {
        for (const Cell& cell : cells) {
            EXPECT_EQ(shown(form->lblLCD[cell.index]), cell.glyph < 0) << cell.index;
            EXPECT_EQ(shown(form->imgCustomChar[cell.index]), cell.glyph >= 0) << cell.index;
            if (cell.glyph < 0) EXPECT_EQ(form->lblLCD[cell.index]->text(), cell.caption) << cell.index;
            else
                EXPECT_EQ(form->imgCustomChar[cell.index]->pixmap().toImage(),
                          form->imgSourceChar[cell.glyph]->pixmap().toImage())
                    << cell.index;
        }
    };
    const auto expectLamps = [&](int lamps) {
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(keyColour(form->cmdKey[k]), vbColor(k < 6 && (lamps >> k) & 1 ? 0xC0C0 : 0xC0C0C0)) << k;
    };
    expectCells({{0, -1, "A"}, {1, 3, {}}, {2, -1, QString(QChar(0xE9))}, {3, -1, QString(QChar(0xFF))},
                 {4, -1, " "}, {79, 0, {}}});
    expectLamps(0x05);
    EXPECT_EQ(form->lblLCD[79]->pos(), twipsRect(19 * 375 + 1560, 3 * 720 + 2010, 0, 0).topLeft());
    EXPECT_EQ(form->imgCustomChar[79]->pos(), twipsRect(19 * 375 + 1560, 3 * 720 + 2130, 0, 0).topLeft());
    EXPECT_EQ(form->cmdKey[6]->text(), "Both");
    for (int k = 0; k < 6; ++k) EXPECT_EQ(form->cmdKey[k]->accessibleName().toStdString(), "Key " + std::to_string(k + 1));

    // Only changed cells are drawn: a mark left on an unchanged cell stays.
    form->lblLCD[0]->setCaption("mark");
    display[1] = 'A';
    display[79] = '\x07';
    panel.setKeypad(display, 0x22);
    clickWidget(form->cmdUpdateStatus);
    expectCells({{0, -1, "mark"}, {1, -1, "A"}, {79, 7, {}}});
    expectLamps(0x22);

    // Each key goes out once with the next poll; a second press before it replaces
    // the first.
    const std::array<const char*, 7> codes = {"01", "02", "04", "08", "10", "20", "30"};
    for (int k = 0; k < 7; ++k) {
        panel.clearReceived();
        clickWidget(form->cmdKey[k]);
        EXPECT_TRUE(commandsReceived().empty()) << k;
        clickWidget(form->cmdUpdateStatus);
        EXPECT_EQ(commandsReceived(), Commands{std::string("07") + codes[k]}) << k;
    }
    panel.clearReceived();
    clickWidget(form->cmdKey[2]);
    clickWidget(form->cmdKey[0]);
    clickWidget(form->cmdUpdateStatus);
    clickWidget(form->cmdUpdateStatus);
    EXPECT_EQ(commandsReceived(), (Commands{"0701", "0700"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PanelCommandForms, KeypadKeepsItsKeyThroughFailedPollsAndPressesDuringALateReply)
{
    panel.setKeypad("READY", 0);
    connectTcp(174);
    auto* form = openFromConnectForm<frmB3VirtualKeypad>(&frmB3Connect::cmdVirtualKeypad, "frmB3VirtualKeypad");
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->lblLCD[0]->text(), "R");
    panel.clearReceived();

    // Three bad replies: nothing drawn, nothing said, the link stays up.
    panel.setKeypad("CHANGED", 0x3F);
    panel.injectFault(FakePanel::Fault::BadChecksum, 3);
    clickWidget(form->cmdKey[3]);
    clickWidget(form->cmdUpdateStatus);
    EXPECT_EQ(commandsReceived(), (Commands{"0708", "0708", "0708"}));
    EXPECT_EQ(form->lblLCD[0]->text(), "R");
    EXPECT_EQ(keyColour(form->cmdKey[0]), vbColor(0xC0C0C0));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(bConnected);
    ASSERT_EQ(app.form("frmB3VirtualKeypad"), form);

    // A key pressed while a reply is late is not lost with that reply.
    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::LateReply, 1, 400);
    QTimer::singleShot(150, form, [&] { clickWidget(form->cmdKey[1]); });
    clickWidget(form->cmdUpdateStatus);
    EXPECT_EQ(form->lblLCD[0]->text(), "C");
    clickWidget(form->cmdUpdateStatus);
    clickWidget(form->cmdUpdateStatus);
    EXPECT_EQ(commandsReceived(), (Commands{"0708", "0702", "0700"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PanelCommandForms, KeypadOverASerialLinePollsFromOpeningWithoutUpdateControls)
{
    panel.setKeypad("SERIAL", 0x01);
    connectSerial();
    auto* form = openFromConnectForm<frmB3VirtualKeypad>(&frmB3Connect::cmdVirtualKeypad, "frmB3VirtualKeypad");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(commandsReceived().empty());
    EXPECT_FALSE(shown(form->cmdUpdateStatus) || shown(form->cmdAutoUpdate) || shown(form->lblAutoUpdate));
    EXPECT_EQ(form->Timer1->interval(), 100);
    EXPECT_TRUE(form->Timer1->isActive());
    ASSERT_TRUE(waitForCommands(4));
    for (const std::string& command : commandsReceived()) EXPECT_EQ(command, "0700");
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->lblLCD[5]->text() == "L"; }, 1000));
    EXPECT_EQ(keyColour(form->cmdKey[0]), vbColor(0xC0C0));
    EXPECT_TRUE(mainMenusEnabled());
}

namespace {

// One cycle of the station test: what stations 1, 2, 3 and 40 answer, the input byte
// of station 1, and what their failure labels and station 1's mark show afterwards.
struct Cycle {
    std::array<uint8_t, 4> present;
    uint8_t inputs1;
    std::array<const char*, 3> totals;
    std::array<unsigned int, 3> colours;
    bool station1Marked;
};

} // namespace

// Over a serial line no event runs while the panel is asked, so each cycle is one
// call of the tick and nothing else ticks in between.
class NetworkDiagnostic : public PanelCommandForms {
protected:
    // Stations 1, 2, 3 and 40 answer as `present` says; stations 1 and 40 have these inputs.
    void serve(const std::array<uint8_t, 4>& present, uint8_t inputs1, uint8_t inputs40)
    {
        std::array<uint8_t, 65> presence{}, inputs{};
        const std::array<int, 4> stations = {1, 2, 3, 40};
        for (std::size_t k = 0; k < stations.size(); ++k) presence[static_cast<std::size_t>(stations[k])] = present[k];
        inputs[1] = inputs1;
        inputs[40] = inputs40;
        panel.setStationTable(FakePanel::StationTable::Presence, presence);
        panel.setStationTable(FakePanel::StationTable::Inputs, inputs);
    }
    // The button shows only while the diagnostics file is the open file.
    frmB3SystemDiagnostic* open(int tcpHostByte = 0)
    {
        if (tcpHostByte != 0) connectTcp(tcpHostByte);
        else connectSerial();
        sFileName = DiagnosticsFilePath();
        UpdateStatusBar();
        return openFromConnectForm<frmB3SystemDiagnostic>(&frmB3Connect::cmdNetworkDiagnostics, "frmB3SystemDiagnostic");
    }
};

TEST_F(NetworkDiagnostic, CountsFailuresMarksChangesAndStopsAtTheCycleLimit)
{
    serve({1, 1, 1, 1}, 0, 0x80);
    auto* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "System Diagnostic");
    EXPECT_EQ(commandsReceived(), Commands{"47"});
    EXPECT_TRUE(mainMenusDisabled());
    EXPECT_EQ(form->cmdStop->text(), "Stop");
    EXPECT_FALSE(form->cmdClearTotals->isEnabled());
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->lblTLNode[39]->text(), "28");
    EXPECT_EQ(form->lblTLNode[63]->text(), "40");
    EXPECT_EQ(form->lblTLNode[63]->pos(), twipsRect(720 + 240, 31 * 195 + 360, 0, 0).topLeft());
    EXPECT_EQ(form->lblTLComError[63]->pos(), twipsRect(720 + 480, 31 * 195 + 360, 0, 0).topLeft());
    for (int i : {0, 1, 2, 39}) EXPECT_EQ(back(form->lblTLNode[i]), vbColor(kWhite)) << i;
    EXPECT_EQ(back(form->lblTLNode[4]), vbColor(kGrey));
    EXPECT_EQ(form->lblTLComError[0]->text(), "---");

    // Station labels do nothing while the test runs.
    clickWidget(form->lblTLNode[4]);
    EXPECT_EQ(back(form->lblTLNode[4]), vbColor(kGrey));

    const std::array<Cycle, 3> cycles = {{
        {{1, 1, 0, 1}, 0, {"0", "0", "1"}, {kGreen, kGreen, kRed}, false},
        {{1, 0, 0, 1}, 0x04, {"0", "1", "2"}, {kGreen, kRed, kRed}, true},
        {{1, 1, 0, 1}, 0x04, {"0", "1", "3"}, {kGreen, kYellow, kRed}, true},
    }};
    for (std::size_t c = 0; c < cycles.size(); ++c) {
        serve(cycles[c].present, cycles[c].inputs1, 0x80);
        panel.clearReceived();
        form->Timer1_Timer();
        EXPECT_EQ(commandsReceived(), (Commands{"47", "46"})) << c;
        EXPECT_EQ(form->lblCycleCount->text(), QStringLiteral("Cycle: %1").arg(c + 1));
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(form->lblTLComError[s]->text(), cycles[c].totals[s]) << c << " " << s;
            EXPECT_EQ(back(form->lblTLComError[s]), vbColor(cycles[c].colours[s])) << c << " " << s;
        }
        EXPECT_EQ(back(form->lblTLNode[0]), vbColor(cycles[c].station1Marked ? 0xFF0000 : kWhite)) << c;
        // Inputs already set at the first read count as a change.
        EXPECT_EQ(back(form->lblTLNode[39]), vbColor(0xFF0000)) << c;
        EXPECT_EQ(text(form->lblTLNode[39]), vbColor(kWhite)) << c;
        EXPECT_EQ(form->lblTLComError[4]->text(), "---") << c;
    }

    clickWidget(form->cmdStop);
    EXPECT_EQ(form->cmdStop->text(), "Start");
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(form->cmdClearTotals->isEnabled());
    EXPECT_TRUE(mainMenusEnabled());
    clickWidget(form->lblTLNode[2]);
    clickWidget(form->lblTLNode[4]);
    EXPECT_EQ(back(form->lblTLNode[2]), vbColor(kGrey));
    EXPECT_EQ(back(form->lblTLNode[4]), vbColor(kWhite));
    clickWidget(form->cmdClearTLChanges);
    EXPECT_EQ(back(form->lblTLNode[0]), vbColor(kWhite));
    EXPECT_EQ(text(form->lblTLNode[39]), vbColor(0));
    clickWidget(form->cmdClearTotals);
    EXPECT_EQ(form->lblCycleCount->text(), "Cycle: 0");
    for (int s : {0, 1, 4}) {
        EXPECT_EQ(form->lblTLComError[s]->text(), "0") << s;
        EXPECT_EQ(back(form->lblTLComError[s]), vbColor(kGreen)) << s;
    }
    // A station left out keeps its total, and taken back in counts on from it.
    EXPECT_EQ(form->lblTLComError[2]->text(), "3");
    clickWidget(form->lblTLNode[2]);

    clickWidget(form->cmdStop);
    EXPECT_EQ(form->cmdStop->text(), "Stop");
    EXPECT_TRUE(mainMenusDisabled());
    EXPECT_FALSE(form->cmdClearTotals->isEnabled());
    // Totals read ">99" from 100 on and stop at the largest an Integer holds.
    form->test.iErrorTotal[2] = 98;
    form->test.iErrorTotal[3] = 32766;
    serve({1, 0, 0, 1}, 0x04, 0x80);
    for (const char* shownTotal : {"99", ">99"}) {
        form->Timer1_Timer();
        EXPECT_EQ(form->lblTLComError[1]->text(), shownTotal);
        EXPECT_EQ(form->lblTLComError[2]->text(), ">99");
        EXPECT_EQ(form->test.errorTotal(3), 32767);
    }
    form->test.iCycle = 9999;
    form->Timer1_Timer();
    EXPECT_EQ(form->lblCycleCount->text(), "Cycle: 10000");
    panel.clearReceived();
    form->Timer1_Timer();
    EXPECT_EQ(form->lblCycleCount->text(), "Test Stopped");
    EXPECT_TRUE(commandsReceived().empty());

    // The close box leaves the menus on.
    form->parentWidget()->close();
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(NetworkDiagnostic, LosingThePanelSaysSoOnceAndLeavesTheMenusOn)
{
    serve({1, 0, 0, 0}, 0, 0);
    auto* form = open();
    ASSERT_NE(form, nullptr);
    const QPointer<frmB3SystemDiagnostic> alive(form);
    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::BadChecksum, -1);
    form->Timer1_Timer();
    EXPECT_EQ(commandsReceived(), (Commands{"47", "47", "47"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
    QTest::qWait(600);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_TRUE(mainMenusEnabled());
    EXPECT_FALSE(bConnected);
}

// Over TCP/IP the opening scan's wait lets a click through; the test already runs, so
// a station label clicked then stays as the scan leaves it.
TEST_F(NetworkDiagnostic, AStationClickedDuringTheOpeningScanStaysAsScanned)
{
    serve({1, 0, 0, 0}, 0, 0);
    panel.injectFault(FakePanel::Fault::LateReply, 1, 300);
    QTimer clickDuringScan;
    QObject::connect(&clickDuringScan, &QTimer::timeout, [&] {
        auto* scanning = app.formAs<frmB3SystemDiagnostic>("frmB3SystemDiagnostic");
        if (!scanning || !LinkBusy()) return;
        clickDuringScan.stop();
        clickWidget(scanning->lblTLNode[4]);
    });
    clickDuringScan.start(10);
    auto* form = open(175);
    EXPECT_FALSE(clickDuringScan.isActive());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(back(form->lblTLNode[4]), vbColor(kGrey));
    EXPECT_FALSE(form->test.enabled(5));
}
