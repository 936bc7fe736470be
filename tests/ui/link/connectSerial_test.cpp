// The connect form against the fake panel over a pseudo-terminal standing in for the
// serial line, directly and behind the fake panel's modem front end.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>

#include "appHarness.h"
#include "connectFormDriver.h"
#include "core/modB3Glimwarden.h"
#include "dialogRecorder.h"
#include "fakePanel.h"
#include "link/commandLink.h"
#include "link/engine/frameProtocol.h"
#include "link/engine/panelCommands.h"
#include "link/frmB3Connect.h"
#include "platform/serialPortControl.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"

namespace {

// COM1 is the fake panel's line; COM2 a device that does not exist.
std::string servePty(FakePanel& panel)
{
    const std::string path = panel.openPty();
    qputenv("B3_COM1", QByteArray::fromStdString(path));
    qputenv("B3_COM2", "/nonexistent/tty");
    const std::array<uint8_t, 1> node0{1};
    panel.setMemory(kNodeTableAddress, node0);
    return path;
}

std::vector<std::string> firstOf(const std::vector<std::string>& all, std::size_t n)
{
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min(n, all.size()))};
}

// One log, in delivery order, of the texts a status panel showed when it was painted
// and of the events a wait must hold back: a posted event and a timer tick.
class DeliveryLog : public QObject {
public:
    explicit DeliveryLog(QLabel* panel) : panel_(panel) { panel->installEventFilter(this); }
    void expectPostedEventAndTick()
    {
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        tick_.callOnTimeout([this] { entries.push_back("tick"); });
        tick_.setSingleShot(true);
        tick_.start(0);
    }
    std::vector<std::string> entries;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == panel_ && event->type() == QEvent::Paint) entries.push_back(panel_->text().toStdString());
        return false;
    }
    void customEvent(QEvent*) override { entries.push_back("posted"); }

private:
    QLabel* panel_;
    QTimer tick_;
};

} // namespace

TEST(ConnectSerial, DirectLinkPollsWhileShownAndALostLineEndsTheConnection)
{
    FakePanel panel;
    ASSERT_FALSE(servePty(panel).empty());
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = OpenConnectForm(app);
    EXPECT_TRUE(form->optComPort[0]->isEnabled());
    EXPECT_FALSE(form->optComPort[1]->isEnabled());
    EXPECT_TRUE(form->optComPort[0]->Value());

    Click(form->cmdConnect);
    ASSERT_TRUE(bConnected);
    EXPECT_EQ(firstOf(panel.received(), 1), FramesOf({"05"}));
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_FALSE(form->cmdRefresh->isVisibleTo(form->fraOnLineFunctions));
    for (VbOptionButton* option : form->optComPort) EXPECT_FALSE(option->isEnabled());
    EXPECT_EQ(app.statusPanel(2), "Connected");

    // The timer reads the status; the node table is read once.
    ASSERT_TRUE(WaitUntil([&] { return panel.received().size() >= 5; }, 3000));
    EXPECT_EQ(firstOf(panel.received(), 5), FramesOf({"05", "01", "311FF00B", "01", "01"}));
    EXPECT_FALSE(form->lblPanelTime->caption().isEmpty());

    // Hidden, the form stops polling; shown again, it polls again without a port scan.
    CloseChildForms();
    EXPECT_FALSE(form->Timer1->isActive());
    app.trigger("mnuConnect");
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_TRUE(comGW().PortOpen());

    panel.dropConnectionAfter(0);
    ASSERT_TRUE(WaitUntil([&] { return !dialogs.messages.empty(); }, 20000));
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_EQ(dialogs.messages[0].style, vbExclamation);
    EXPECT_FALSE(bConnected);
    EXPECT_FALSE(comGW().PortOpen());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
    EXPECT_TRUE(form->isVisible());
}

// The serial wait handles no events, yet the user sees each retry as it happens.
TEST(ConnectSerial, RetryTextsAreDrawnDuringTheWaitWhileNothingElseIsDelivered)
{
    FakePanel panel;
    ASSERT_FALSE(servePty(panel).empty());
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = OpenConnectForm(app);
    Click(form->cmdConnect);
    ASSERT_TRUE(bConnected);
    form->Timer1->stop();
    AppHarness::processEvents();

    DeliveryLog log(app.window().StatusBar1[1]);
    log.expectPostedEventAndTick();
    panel.injectFault(FakePanel::Fault::BadChecksum, 3);
    EXPECT_FALSE(SendCommand("01", 34, 1));
    EXPECT_EQ(log.entries, (std::vector<std::string>{"Error - Retry: 1", "Error - Retry: 2"}));

    // What was held back arrives once the exchange is over.
    const auto logged = [&log](const std::string& entry) { return std::ranges::count(log.entries, entry) == 1; };
    EXPECT_TRUE(WaitUntil([&] { return logged("posted") && logged("tick"); }, 3000));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ConnectSerial, ModemResetsDialsConnectsAndHangsUp)
{
    FakePanel panel;
    panel.setModemFrontEnd(true);
    ASSERT_FALSE(servePty(panel).empty());
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = OpenConnectForm(app);
    ChooseLinkType(form, kConnectionModem);

    // Six characters are not a phone number: nothing touches the port.
    TypeInto(form->txtPhoneNumber, "555-12");
    Click(form->cmdConnect);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"A Valid Phone Number Must Entered"});
    EXPECT_EQ(dialogs.messages[0].style, vbInformation);
    EXPECT_FALSE(bConnected);
    EXPECT_FALSE(comGW().PortOpen());
    EXPECT_TRUE(panel.received().empty());

    dialogs.clear();
    TypeInto(form->txtPhoneNumber, "3");
    Click(form->cmdConnect);
    ASSERT_TRUE(bConnected);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Modem Connected"});
    EXPECT_EQ(dialogs.messages[0].style, vbOKOnly);
    EXPECT_TRUE(form->bModemUp);
    EXPECT_FALSE(form->lblModem->isVisibleTo(form));
    EXPECT_EQ(firstOf(panel.received(), 3), (std::vector<std::string>{"ATZ\r", "ATDT 555-123\r", BuildFrame("05")}));
    EXPECT_TRUE(panel.modemOnline());

    // Over a modem each attempt waits three times the time-out: a reply 1.5 s late to
    // a command of 1 s is taken at the first attempt.
    form->Timer1->stop();
    panel.clearReceived();
    panel.injectFault(FakePanel::Fault::LateReply, 1, 1500);
    EXPECT_TRUE(SendCommand("01", 34, 1));
    EXPECT_EQ(panel.received(), FramesOf({"01"}));
    // SendRaw calls a reply shorter than asked for a time-out, and keeps what came.
    EXPECT_TRUE(SendRaw(BuildFrame("01"), 34, 1));
    EXPECT_FALSE(SendRaw(BuildFrame("01"), 35, 1));
    EXPECT_EQ(sReply.size(), 34u);

    QElapsedTimer clock;
    clock.start();
    Click(form->cmdConnect);
    EXPECT_GE(clock.elapsed(), 1000);   // DTR held low for a second
    EXPECT_FALSE(bConnected);
    EXPECT_FALSE(form->bModemUp);
    const auto frames = panel.received();
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(frames.end() - 2, frames.end()), (std::vector<std::string>{"[%%%%%", "ATZ"}));
    EXPECT_FALSE(panel.modemOnline());
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
}

TEST(ConnectSerial, ModemOnAPortThatWillNotOpenFailsWithoutHangingUp)
{
    qputenv("B3_COM1", "/nonexistent/tty");
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = OpenConnectForm(app);
    EXPECT_FALSE(form->optComPort[0]->isEnabled());
    ChooseLinkType(form, kConnectionModem);
    TypeInto(form->txtPhoneNumber, "5551234");

    Click(form->cmdConnect);

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection Failed."});
    EXPECT_FALSE(bConnected);
    EXPECT_FALSE(comGW().PortOpen());
    EXPECT_TRUE(form->cmdConnect->isEnabled());
    EXPECT_FALSE(form->lblModem->isVisibleTo(form));
}

TEST(ConnectSerial, LinkTypeChoiceAndKeyFilters)
{
    FakePanel panel;
    ASSERT_FALSE(servePty(panel).empty());
    qputenv("B3_COM3", qgetenv("B3_COM1"));
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = OpenConnectForm(app);
    const auto shown = [form](QWidget* w) { return w->isVisibleTo(form); };
    const auto ticks = [form] {
        return std::array<int, 3>{form->chkConnectionType[0]->Value(), form->chkConnectionType[1]->Value(),
                                  form->chkConnectionType[2]->Value()};
    };
    EXPECT_EQ(ticks(), (std::array<int, 3>{1, 0, 0}));
    EXPECT_FALSE(shown(form->txtPhoneNumber));
    EXPECT_FALSE(shown(form->txtTCPIP));
    EXPECT_TRUE(shown(form->optComPort[15]));

    // The mouse chooses the link type and leaves the changed flag alone.
    bChanged = VbFalse;
    ChooseLinkType(form, kConnectionTcpIp);
    EXPECT_EQ(ticks(), (std::array<int, 3>{0, 0, 1}));
    EXPECT_EQ(iConnectionType, kConnectionTcpIp);
    EXPECT_TRUE(shown(form->txtTCPIP));
    EXPECT_FALSE(shown(form->txtPhoneNumber));
    for (VbOptionButton* option : form->optComPort) EXPECT_FALSE(shown(option));
    ChooseLinkType(form, kConnectionModem);
    EXPECT_TRUE(shown(form->txtPhoneNumber));
    EXPECT_FALSE(shown(form->txtTCPIP));
    EXPECT_TRUE(shown(form->optComPort[0]));
    EXPECT_FALSE(bChanged);

    // The keyboard only ticks its own box.
    form->chkConnectionType[0]->setFocus();
    QTest::keyClick(form->chkConnectionType[0], Qt::Key_Space);
    EXPECT_EQ(ticks(), (std::array<int, 3>{1, 1, 0}));
    EXPECT_EQ(iConnectionType, kConnectionModem);

    TypeInto(form->txtPhoneNumber, "5a5-5, 1b!");
    EXPECT_EQ(form->txtPhoneNumber->Text(), "55-5, 1");
    EXPECT_EQ(sPhoneNumber, "55-5, 1");
    EXPECT_TRUE(bChanged);
    QTest::keyClick(form->txtPhoneNumber, Qt::Key_Backspace);
    EXPECT_EQ(sPhoneNumber, "55-5, ");
    // The Delete key edits even where the platform gives it the text DEL.
    form->txtPhoneNumber->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7F)));
    QApplication::sendEvent(form->txtPhoneNumber, &del);
    EXPECT_EQ(sPhoneNumber, "5-5, ");

    ChooseLinkType(form, kConnectionTcpIp);
    bChanged = VbFalse;
    TypeInto(form->txtTCPIP, "1a2.-3 ,");
    EXPECT_EQ(sTCPAddress, "12.3");
    EXPECT_TRUE(bChanged);

    // A port choice is stored and marks the configuration changed.
    ChooseLinkType(form, kConnectionSerial);
    bChanged = VbFalse;
    ASSERT_TRUE(form->optComPort[2]->isEnabled());
    Click(form->optComPort[2]);
    EXPECT_EQ(tConfig.iComPort, 3);
    EXPECT_TRUE(bChanged);
    EXPECT_TRUE(dialogs.messages.empty());
}
