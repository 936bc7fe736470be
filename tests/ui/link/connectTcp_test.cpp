// The connect form against the fake panel over loopback TCP. Each test uses its own
// loopback address so that tests running side by side never meet.
#include <gtest/gtest.h>

#include <QAction>
#include <QDateTime>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>

#include "appHarness.h"
#include "connectFormDriver.h"
#include "core/modB3Glimwarden.h"
#include "dialogRecorder.h"
#include "fakePanel.h"
#include "link/commandLink.h"
#include <QThread>
#include <optional>
#include "link/engine/frameProtocol.h"
#include "link/engine/panelCommands.h"
#include "link/frmB3Connect.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"

namespace {

const std::string kHardwareQuestion =
    "Host I/O Configuration Does Not Match Panel Hardware.\r\nChange Host Configuration To Match Panel?";

// A panel whose node table and card agree with a new configuration.
void matchNewConfiguration(FakePanel& panel)
{
    const std::array<uint8_t, 1> node0{1};
    panel.setMemory(kNodeTableAddress, node0);
}

// A panel at `address` that asks no hardware question.
bool serveMatchingPanel(FakePanel& panel, const char* address)
{
    matchNewConfiguration(panel);
    return panel.listenTcp(address);
}

// Typing the address marks the configuration changed; the flag is cleared after it so
// that a test sees what connecting itself does to it.
frmB3Connect* connectOverTcp(const AppHarness& app, const char* address)
{
    frmB3Connect* form = OpenConnectForm(app);
    ChooseLinkType(form, kConnectionTcpIp);
    TypeInto(form->txtTCPIP, address);
    EXPECT_TRUE(bChanged);
    bChanged = VbFalse;
    Click(form->cmdConnect);
    return form;
}

std::string revisionShown(const frmB3Connect* form)
{
    std::string text;
    for (const VbLabel* l : form->lblB2FirmwareRevision) text += l->caption().toStdString();
    return text;
}

// A matching panel at its own address, the program started and connected to it.
class ConnectedOverTcp : public ::testing::Test {
protected:
    frmB3Connect* connectTo(const char* address)
    {
        EXPECT_TRUE(serveMatchingPanel(panel, address));
        frmB3Connect* form = connectOverTcp(app, address);
        EXPECT_TRUE(bConnected);
        return form;
    }

    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;
};

} // namespace

TEST(ConnectTcp, ConnectsReadsRevisionStatusAndHardwareThenRefreshesSetsClockAndDisconnects)
{
    FakePanel panel;
    ASSERT_TRUE(panel.listenTcp("127.0.0.71"));
    panel.setRevisionText("B3 CONTROLLER V2.05");
    panel.setStatus(PanelStatus{0, 5, 9, 12, 8, 26, 2, 24, 6, 3});
    const std::array<uint8_t, 2> nodes{2, 4};
    panel.setMemory(kNodeTableAddress, nodes);
    DialogRecorder dialogs;
    AppHarness app;
    dialogs.answerMsgBox(vbYes);

    frmB3Connect* form = connectOverTcp(app, "127.0.0.71");

    EXPECT_TRUE(bConnected);
    EXPECT_EQ(panel.received(), FramesOf({"05", "01", "311FF00B"}));
    EXPECT_EQ(revisionShown(form), "B3 CONTROLLER V2.05" + std::string(21, ' '));
    EXPECT_EQ(form->lblPanelTime->caption(), "12:05:09 AM");
    EXPECT_EQ(form->lblPanelDate->caption(), "Tue 12/08/26");
    EXPECT_EQ(form->lblIOInstalled->caption(), "24 Inputs/Relays");
    EXPECT_EQ(form->lblAddOnCardTypeRev->caption(), "Modem  Rev 3");
    // Yes takes over the panel's nodes and card, the modem card included.
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{kHardwareQuestion});
    EXPECT_EQ(dialogs.messages[0].style, vbYesNo + vbQuestion);
    EXPECT_EQ(tConfig.iNodeIO[0], 2);
    EXPECT_EQ(tConfig.iNodeIO[1], 4);
    EXPECT_EQ(tConfig.iAddOnModule, 6);
    EXPECT_TRUE(bChanged);

    EXPECT_EQ(form->cmdConnect->text(), "Disconnect From Brevantine 3");
    EXPECT_EQ(app.statusPanel(2), "Connected");
    EXPECT_TRUE(form->fraOnLineFunctions->isVisible());
    EXPECT_TRUE(form->cmdRefresh->isVisible());
    EXPECT_FALSE(form->Timer1->isActive());
    for (VbCheckBox* box : form->chkConnectionType) EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(form->txtTCPIP->isEnabled());
    EXPECT_FALSE(form->txtPhoneNumber->isEnabled());
    EXPECT_TRUE(app.window().menuControl("mnuFile")->isEnabled());

    // Refresh reads the status again; the hardware is not compared twice.
    panel.clearReceived();
    Click(form->cmdRefresh);
    EXPECT_EQ(panel.received(), FramesOf({"01"}));
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // The clock goes out as the PC's local time, Sunday counted as 0.
    panel.clearReceived();
    const QDateTime before = QDateTime::currentDateTime();
    Click(form->cmdSetGWClock);
    const QDateTime after = QDateTime::currentDateTime();
    const auto clockFrame = [](const QDateTime& t) {
        const QDate d = t.date();
        return BuildFrame(panelCommand::SetClock(t.time().hour(), t.time().minute(), d.month(), d.day(), d.year(), d.dayOfWeek() % 7).text);
    };
    ASSERT_EQ(panel.received().size(), 1u);
    EXPECT_TRUE(panel.received()[0] == clockFrame(before) || panel.received()[0] == clockFrame(after)) << panel.received()[0];
    EXPECT_EQ(panel.status().hour, after.time().hour());
    // The status timer runs again after the clock, on TCP/IP too (where it reads nothing).
    EXPECT_TRUE(form->Timer1->isActive());

    for (VbTextBox* box : form->txtPassWord) box->setText("7");
    Click(form->cmdConnect);
    EXPECT_FALSE(bConnected);
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
    EXPECT_EQ(form->cmdConnect->text(), "Connect To Brevantine 3");
    EXPECT_FALSE(form->fraOnLineFunctions->isVisible());
    for (VbCheckBox* box : form->chkConnectionType) EXPECT_TRUE(box->isEnabled());
    for (VbTextBox* box : form->txtPassWord) EXPECT_EQ(box->Text(), "0");
    EXPECT_EQ(panel.connectionsAccepted(), 1);
}

TEST(ConnectTcp, HardwareQuestionNoKeepsTheHostAndIsAskedOncePerConnection)
{
    FakePanel panel;
    ASSERT_TRUE(panel.listenTcp("127.0.0.72"));
    // Same nodes, other card: the card alone makes them differ.
    matchNewConfiguration(panel);
    panel.setStatus(PanelStatus{8, 0, 0, 1, 1, 26, 4, 4, 1, 2});
    DialogRecorder dialogs;
    dialogs.defaultMsgBoxAnswer = vbNo;
    AppHarness app;
    const PanelConfig before = tConfig;

    frmB3Connect* form = connectOverTcp(app, "127.0.0.72");
    ASSERT_TRUE(bConnected);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{kHardwareQuestion});
    EXPECT_EQ(tConfig.iAddOnModule, 0);
    EXPECT_EQ(tConfig.iNodeIO, before.iNodeIO);
    EXPECT_FALSE(bChanged);
    Click(form->cmdRefresh);
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // The comparison counts as made from the moment its read goes out, so that a read
    // that fails is not tried again on this connection.
    Click(form->cmdConnect);
    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::LateReply, -1, 100);
    std::optional<bool> checkedDuringRead;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!checkedDuringRead && panel.received().size() == 3) checkedDuringRead = form->bHardwareChecked != 0;
    });
    watch.start(5);
    Click(form->cmdConnect);
    ASSERT_TRUE(bConnected);
    EXPECT_EQ(panel.received(), FramesOf({"05", "01", "311FF00B"}));
    EXPECT_EQ(checkedDuringRead, std::optional<bool>(true));
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// A reply that is in by the time the wait ends, but only seen once the time is up,
// counts as none: the attempt is repeated.
TEST_F(ConnectedOverTcp, AReplySeenOnlyAfterTheTimeOutIsRetried)
{
    connectTo("127.0.0.83");
    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::LateReply, 1, 200);
    // The window is busy while the reply comes in.
    QTimer::singleShot(100, [] { QThread::msleep(1200); });
    EXPECT_TRUE(SendCommand("01", 34, 1));
    EXPECT_EQ(panel.received(), FramesOf({"01", "01"}));
}

TEST_F(ConnectedOverTcp, RetriesShowTheirCountAndTheReplyMustHaveTheExpectedLength)
{
    connectTo("127.0.0.73");
    ASSERT_TRUE(bConnected);

    // Samples the status bar while the waits let events run.
    std::vector<std::string> shown;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const std::string text = app.statusPanel(2);
        if (shown.empty() || shown.back() != text) shown.push_back(text);
    });
    sampler.start(5);

    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::Silence, 3);
    EXPECT_FALSE(SendCommand("01", 34, 1));
    sampler.stop();
    EXPECT_EQ(shown, (std::vector<std::string>{"Connected", "Error - Retry: 1", "Error - Retry: 2"}));
    EXPECT_EQ(panel.received(), FramesOf({"01", "01", "01"}));
    panel.injectFault(FakePanel::Fault::Silence, 1);
    EXPECT_TRUE(SendCommand("01", 34, 1));
    EXPECT_EQ(app.statusPanel(2), "Connected");

    // Short, long and garbled replies are failed attempts; after three, false, and the
    // second retry text stays.
    for (const auto fault : {FakePanel::Fault::ShortReply, FakePanel::Fault::LongReply, FakePanel::Fault::BadChecksum}) {
        panel.clearReceived();
        panel.injectFault(fault, 3);
        EXPECT_FALSE(SendCommand("01", 34, 1));
        EXPECT_EQ(app.statusPanel(2), "Error - Retry: 2");
        EXPECT_EQ(panel.received().size(), 3u);
    }
    EXPECT_TRUE(SendCommand("01", 34, 1));
    EXPECT_EQ(sReply.size(), 34u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ConnectedOverTcp, OneExchangeAtATimeWhileAReplyIsAwaited)
{
    frmB3Connect* form = connectTo("127.0.0.74");
    ASSERT_TRUE(bConnected);
    panel.clearReceived();

    // While the reply is late, a refresh click, a poll tick and a second command all
    // fall into the wait: none of them reaches the panel or counts as a failure.
    panel.injectFault(FakePanel::Fault::LateReply, 1, 300);
    bool nestedResult = true;
    bool busyDuringWait = false;
    QTimer::singleShot(50, [&] {
        busyDuringWait = LinkBusy();
        Click(form->cmdRefresh);
        form->Timer1_Timer();
        nestedResult = SendCommand("05", 44, 1);
        // Opening another form would close this one's exchange out from under it.
        Click(form->cmdVirtualKeypad);
    });
    EXPECT_TRUE(SendCommand("01", 34, 2));
    EXPECT_TRUE(busyDuringWait);
    EXPECT_FALSE(nestedResult);
    EXPECT_FALSE(LinkBusy());
    EXPECT_EQ(panel.received(), FramesOf({"01"}));
    EXPECT_TRUE(bConnected);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ConnectTcp, MenusStayOffUntilTheFirstStatusReadOfTheConnectHasEnded)
{
    FakePanel panel;
    ASSERT_TRUE(serveMatchingPanel(panel, "127.0.0.78"));
    panel.injectFault(FakePanel::Fault::LateReply, 2, 200);
    DialogRecorder dialogs;
    AppHarness app;
    std::vector<bool> menusDuringStatusRead;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (panel.received().size() == 2) menusDuringStatusRead.push_back(app.window().menuControl("mnuEdit")->isEnabled());
    });
    sampler.start(10);

    connectOverTcp(app, "127.0.0.78");
    sampler.stop();

    ASSERT_TRUE(bConnected);
    ASSERT_FALSE(menusDuringStatusRead.empty());
    EXPECT_EQ(std::count(menusDuringStatusRead.begin(), menusDuringStatusRead.end(), true), 0);
    EXPECT_TRUE(app.window().menuControl("mnuEdit")->isEnabled());
}

TEST(ConnectTcp, ALinkTypeBeyondTcpIpFromADamagedFileStillTalksOverTheSocket)
{
    FakePanel panel;
    ASSERT_TRUE(serveMatchingPanel(panel, "127.0.0.79"));
    DialogRecorder dialogs;
    AppHarness app;
    iConnectionType = 3;
    sTCPAddress = "127.0.0.79";
    frmB3Connect* form = OpenConnectForm(app);

    Click(form->cmdConnect);

    EXPECT_TRUE(bConnected);
    EXPECT_EQ(panel.received(), FramesOf({"05", "01", "311FF00B"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ConnectTcp, PanelThatAcceptsButNeverAnswersTheRevision)
{
    FakePanel panel;
    ASSERT_TRUE(panel.listenTcp("127.0.0.75"));
    panel.injectFault(FakePanel::Fault::Silence, -1);
    DialogRecorder dialogs;
    AppHarness app;

    frmB3Connect* form = connectOverTcp(app, "127.0.0.75");

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection Failed."});
    EXPECT_EQ(dialogs.messages[0].style, vbExclamation);
    EXPECT_EQ(dialogs.messages[0].title, "OVK Brevantine 3");
    EXPECT_FALSE(bConnected);
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
    EXPECT_EQ(panel.received(), FramesOf({"05", "05", "05"}));
    EXPECT_TRUE(form->cmdConnect->isEnabled());
    EXPECT_EQ(form->cmdConnect->text(), "Connect To Brevantine 3");
    EXPECT_FALSE(form->fraOnLineFunctions->isVisible());
    EXPECT_TRUE(app.window().menuControl("mnuFile")->isEnabled());
}

TEST(ConnectTcp, ConnectGivesUpAfterFiveSecondsWithMenusOffAndNothingSent)
{
    // Nothing listens at this address: the socket never connects.
    DialogRecorder dialogs;
    AppHarness app;
    bool menusOffDuringWait = false;
    bool sentDuringWait = true;
    bool busyDuringWait = false;
    QTimer::singleShot(200, [&] {
        menusOffDuringWait = !app.window().menuControl("mnuFile")->isEnabled()
                             && !app.window().menuControl("mnuConnect")->isEnabled();
        busyDuringWait = LinkBusy();
        sentDuringWait = SendCommand("01", 34, 1);
    });
    QElapsedTimer clock;
    clock.start();
    frmB3Connect* form = connectOverTcp(app, "127.0.0.76");
    const qint64 elapsed = clock.elapsed();

    EXPECT_GE(elapsed, 5000);
    EXPECT_LT(elapsed, 8000);
    EXPECT_TRUE(menusOffDuringWait);
    EXPECT_TRUE(busyDuringWait);
    EXPECT_FALSE(sentDuringWait);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection Failed."});
    EXPECT_FALSE(bConnected);
    EXPECT_TRUE(form->cmdConnect->isEnabled());
    EXPECT_TRUE(app.window().menuControl("mnuFile")->isEnabled());
}

TEST_F(ConnectedOverTcp, DroppedConnectionEndsInConnectionLost)
{
    frmB3Connect* form = connectTo("127.0.0.77");
    ASSERT_TRUE(bConnected);

    panel.dropConnectionAfter(0);
    Click(form->cmdRefresh);

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_EQ(dialogs.messages[0].style, vbExclamation);
    EXPECT_FALSE(bConnected);
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->cmdConnect->text(), "Connect To Brevantine 3");
}

TEST(ConnectTcp, ClosingTheMainWindowDuringTheConnectWaitClosesItOnceTheConnectHasEnded)
{
    FakePanel panel;
    ASSERT_TRUE(serveMatchingPanel(panel, "127.0.0.80"));
    panel.injectFault(FakePanel::Fault::LateReply, 1, 300);
    DialogRecorder dialogs;
    AppHarness app;
    bool openDuringWait = false;
    QTimer::singleShot(100, &app.window(), [&app, &openDuringWait] {
        app.window().close();
        openDuringWait = app.window().isVisible();
    });

    frmB3Connect* form = connectOverTcp(app, "127.0.0.80");

    EXPECT_TRUE(openDuringWait);
    EXPECT_EQ(form->cmdConnect->text(), "Disconnect From Brevantine 3");
    EXPECT_TRUE(WaitUntil([&] { return !app.window().isVisible(); }, 5000));
    AppHarness::processEvents();
    EXPECT_EQ(app.form("frmB3Connect"), nullptr);
    EXPECT_FALSE(bConnected);
    EXPECT_TRUE(dialogs.messages.empty());
}

// File New takes the link down; clicked while a Refresh awaits its reply it waits for
// the exchange, so the user sees no false lost-panel message.
TEST_F(ConnectedOverTcp, FileNewDuringAReplyWaitRunsOnceTheExchangeHasEnded)
{
    frmB3Connect* form = connectTo("127.0.0.81");
    ASSERT_TRUE(bConnected);
    dialogs.clear();

    panel.injectFault(FakePanel::Fault::LateReply, 1, 300);
    QTimer::singleShot(100, &app.window(), [this] { app.trigger("mnuNew"); });
    Click(form->cmdRefresh);

    EXPECT_TRUE(WaitUntil([] { return !bConnected; }, 3000));
    AppHarness::processEvents();
    EXPECT_TRUE(dialogs.prompts().empty());
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
}
