#include "link/frmB3Connect.h"

#include <QDateTime>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "link/commandLink.h"
#include "link/windowHooks.h"
#include "link/engine/panelCommands.h"
#include "link/engine/panelReplies.h"
#include "link/engine/panelStatusText.h"
#include "link/panelPoll.h"
#include "link/panelDoor.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/linkError.h"
#include "platform/msgBox.h"
#include "platform/serialPortControl.h"
#include "platform/socketControl.h"
#include "platform/stopwatch.h"
#include "platform/stopwatchWait.h"
#include "platform/twips.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"

namespace pc = panelCommand;

namespace {

constexpr int kWaitStopwatch = 1;
constexpr int kTcpConnectLimitMs = 5000;
constexpr int kPanelPort = 10001;
constexpr int kMinPhoneDigits = 7;
constexpr unsigned int kYellow = 0xFFFF;
constexpr unsigned int kGreen = 0xFF00;
constexpr unsigned int kRed = 0xFF;

VbLabel* label(QWidget* parent, const char* caption, int left, int top, int width, int height = 285)
{
    auto* l = placed(new VbLabel(parent), left, top, width, height);
    l->setCaption(caption);
    return l;
}

QPushButton* button(QWidget* parent, const char* caption, int left, int top, int width, int height = 375)
{
    return placed(new QPushButton(caption, parent), left, top, width, height);
}

} // namespace

frmB3Connect::frmB3Connect() : ChildForm("frmB3Connect")
{
    setCaption("Connect");
    setTwipsSize(10080, 6600);
    buildLinkControls();
    buildOnLineFunctions();
    buildPasswordFrame();
    connectTransferControls();
    LoadRevLabels();
    installMainWindowHooks();
}

void frmB3Connect::buildLinkControls()
{
    Frame1 = placed(new QGroupBox("Communications", this), 120, 120, 4080, 3840);
    lblConnectionType = label(Frame1, "Connection Type", 120, 300, 3000);
    static const std::array<const char*, 3> kTypes = {"USB", "Modem", "TCP-IP"};
    for (int i = 0; i < 3; ++i) {
        chkConnectionType[i] = placed(new VbCheckBox(kTypes[i], Frame1), 120 + 1320 * i, 600, 1200, 300);
        connect(chkConnectionType[i], &VbCheckBox::MouseUp, this, [this, i] { chkConnectionType_MouseUp(i); });
    }
    for (int i = 0; i < kComPorts; ++i) {
        optComPort[i] = placed(new VbOptionButton(QStringLiteral("COM%1").arg(i + 1), Frame1), 120 + (i % 4) * 960,
                               1020 + (i / 4) * 300, 900, 285);
        connect(optComPort[i], &VbOptionButton::Click, this, [this, i] { optComPort_Click(i); });
    }
    txtPhoneNumber = placed(new VbTextBox(Frame1), 120, 2340, 3840, 315);
    txtTCPIP = placed(new VbTextBox(Frame1), 120, 2340, 3840, 315);
    txtPhoneNumber->KeyPress = [this](int& KeyAscii) { txtPhoneNumber_KeyPress(KeyAscii); };
    txtTCPIP->KeyPress = [this](int& KeyAscii) { txtTCPIP_KeyPress(KeyAscii); };
    connect(txtPhoneNumber, &VbTextBox::Change, this, [this] { txtPhoneNumber_Change(); });
    connect(txtTCPIP, &VbTextBox::Change, this, [this] { txtTCPIP_Change(); });
    cmdConnect = button(Frame1, "Connect To Brevantine 3", 120, 2820, 3840, 420);
    connect(cmdConnect, &QPushButton::clicked, this, [this] { cmdConnect_Click(); });
    lblModem = label(Frame1, "Modem Connecting.......", 120, 3360, 3840);
    lblModem->setAlignment(Qt::AlignCenter);
    lblModem->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(kPollIntervalMs);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmB3Connect::buildOnLineFunctions()
{
    fraOnLineFunctions = placed(new QGroupBox("On Line Functions", this), 4320, 120, 5640, 6360);
    QGroupBox* f = fraOnLineFunctions;
    lblPanelTimeA = label(f, "Time", 120, 300, 1440);
    lblPanelDateA = label(f, "Date", 120, 600, 1440);
    lblIOInstalledA = label(f, "I/O Installed", 120, 900, 1440);
    lblAddOnCardTypeRevA = label(f, "Add-On Card", 120, 1200, 1440);
    lblPanelTime = label(f, "", 1680, 300, 3720);
    lblPanelDate = label(f, "", 1680, 600, 3720);
    lblIOInstalled = label(f, "", 1680, 900, 3720);
    lblAddOnCardTypeRev = label(f, "", 1680, 1200, 3720);

    fraFirmwareRevision = placed(new QGroupBox("Brevantine 3 Firmware Revision", f), 120, 1560, 5400, 1200);

    cmdRefresh = button(f, "Refresh", 120, 2880, 2640);
    cmdSetGWClock = button(f, "Set Brevantine 3 Clock", 2880, 2880, 2640);
    cmdVirtualKeypad = button(f, "Virtual Keypad", 120, 3300, 2640);
    cmdNetworkDiagnostics = button(f, "Network Diagnostics", 2880, 3300, 2640);
    cmdDownLoadToB2 = button(f, "Download Settings To Brevantine 3", 120, 3840, 5400);
    cmdUpLoadFromB2 = button(f, "Upload Settings From Brevantine 3", 120, 4260, 5400);
    lblActivityProgress = label(f, "Activity Progress", 120, 4800, 5400);
    pbActivityProgress = placed(new QProgressBar(f), 120, 5100, 5400, 300);
    pbActivityProgress->setRange(0, 640);
    pbActivityProgress->setTextVisible(false);
    cmdCancelUpDownLoad = button(f, "Cancel", 2160, 5520, 1320);
    lblActivityProgress->hide();
    pbActivityProgress->hide();
    cmdCancelUpDownLoad->hide();
    cmdNetworkDiagnostics->hide();
    f->hide();

    connect(cmdRefresh, &QPushButton::clicked, this, [this] { cmdRefresh_Click(); });
    connect(cmdSetGWClock, &QPushButton::clicked, this, [this] { cmdSetGWClock_Click(); });
    connect(cmdVirtualKeypad, &QPushButton::clicked, this, [this] { cmdVirtualKeypad_Click(); });
    connect(cmdNetworkDiagnostics, &QPushButton::clicked, this, [this] { cmdNetworkDiagnostics_Click(); });
}

void frmB3Connect::buildPasswordFrame()
{
    fraPassWord = placed(new QGroupBox("Password", fraOnLineFunctions), 120, 3780, 5400, 2055);
    lblPassWord = label(fraPassWord, "Enter Current Password", 120, 300, 2400);
    lblNewPassWord = label(fraPassWord, "Enter New Password", 120, 1020, 2400);
    for (int i = 0; i < kPasswordBoxes; ++i) {
        txtPassWord[i] = placed(new VbTextBox(fraPassWord), 2640 + 420 * i, 300, 360, 315);
        txtNewPassWord[i] = placed(new VbTextBox(fraPassWord), 2640 + 420 * i, 1020, 360, 315);
        txtPassWord[i]->setText("0");
        txtNewPassWord[i]->setText("0");
    }
    chkChangePanelPassWord = placed(new VbCheckBox("Change Panel Password", fraPassWord), 120, 660, 3000, 300);
    cmdPassWordContinue = button(fraPassWord, "Continue", 1200, 1500, 1320);
    cmdPassWordCancel = button(fraPassWord, "Cancel", 2880, 1500, 1320);
    lblNewPassWord->hide();
    for (VbTextBox* box : txtNewPassWord) box->hide();
    fraPassWord->hide();
}

void frmB3Connect::installMainWindowHooks()
{
    const QPointer<frmB3Connect> self(this);
    ConnectFormHooks hooks;
    hooks.disconnectGW = [self] {
        if (self) self->DisconnectGW();
    };
    hooks.stopPollTimer = [self] {
        if (self) self->Timer1->stop();
    };
    hooks.setNetworkDiagnosticsVisible = [self](bool visible) {
        if (self) self->cmdNetworkDiagnostics->setVisible(visible);
    };
    hooks.isLinkBusy = [] { return LinkBusy(); };
    hooks.cancelTransfer = [self] {
        if (self) self->bCancelTransfer = VbTrue;
    };
    SetConnectFormHooks(std::move(hooks));
}

// --- Activation and link settings ---------------------------------------------------

void frmB3Connect::Form_Activate()
{
    FindComPorts();
    showLinkSettings();
    fraPassWord->setGeometry(fraPassWord->x(), fraPassWord->y(), fraPassWord->width(), twipsToPixels(2055));
    if (bConnected) Timer1->start();
}

void frmB3Connect::Form_Unload() { Timer1->stop(); }

bool frmB3Connect::Form_QueryUnload()
{
    Timer1->stop();
    return false;
}

// The poll runs only while the form is shown: a form closed during an exchange stays
// quiet when the exchange returns, until the Connect menu shows it again.
void frmB3Connect::resumePoll()
{
    if (isVisible()) Timer1->start();
}

void frmB3Connect::FindComPorts()
{
    if (bConnected) return;
    for (int i = 0; i < kComPorts; ++i) {
        bPortAvailable[i] = VbFalse;
        try {
            comGW().CommPort = static_cast<int16_t>(i + 1);
            comGW().setPortOpen(true);
            comGW().setPortOpen(false);
            bPortAvailable[i] = VbTrue;
        } catch (const LinkError&) {
        }
        optComPort[i]->setEnabled(bPortAvailable[i] != 0);
    }
}

void frmB3Connect::showLinkSettings()
{
    // A port number outside 1..16 (a damaged file) selects no button.
    if (tConfig.iComPort >= 1 && tConfig.iComPort <= kComPorts) optComPort[tConfig.iComPort - 1]->setValue(true);
    for (int i = 0; i < 3; ++i) chkConnectionType[i]->setValue(i == iConnectionType ? 1 : 0);
    showLinkTypeControls(iConnectionType);
    txtPhoneNumber->setText(sPhoneNumber);
    txtTCPIP->setText(sTCPAddress);
}

void frmB3Connect::showLinkTypeControls(int type)
{
    txtPhoneNumber->setVisible(type == kConnectionModem);
    txtTCPIP->setVisible(type == kConnectionTcpIp);
    for (VbOptionButton* option : optComPort) option->setVisible(type != kConnectionTcpIp);
}

void frmB3Connect::chkConnectionType_MouseUp(int Index)
{
    for (int i = 0; i < 3; ++i) chkConnectionType[i]->setValue(i == Index ? 1 : 0);
    showLinkTypeControls(Index);
    iConnectionType = static_cast<int16_t>(Index);
}

void frmB3Connect::optComPort_Click(int Index)
{
    tConfig.iComPort = static_cast<int16_t>(Index + 1);
    mainWindowHooks::UpdateStatusBar();
    bChanged = VbTrue;
}

void frmB3Connect::txtPhoneNumber_Change()
{
    sPhoneNumber = txtPhoneNumber->Text();
    bChanged = VbTrue;
}

void frmB3Connect::txtTCPIP_Change()
{
    sTCPAddress = txtTCPIP->Text();
    bChanged = VbTrue;
}

void frmB3Connect::txtPhoneNumber_KeyPress(int& KeyAscii)
{
    const bool kept = (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == ' ' || KeyAscii == '-' || KeyAscii == ','
                      || KeyAscii == 8;
    if (!kept) KeyAscii = 0;
}

void frmB3Connect::txtTCPIP_KeyPress(int& KeyAscii)
{
    const bool kept = (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == 8;
    if (!kept) KeyAscii = 0;
}

// --- Connecting and disconnecting ---------------------------------------------------

void frmB3Connect::cmdConnect_Click()
{
    if (LinkBusy()) return;
    if (iConnectionType >= kConnectionTcpIp) ConnectTCP();
    else ConnectSerial();
}

void frmB3Connect::showModemProgress(const char* caption, unsigned int backColor)
{
    lblModem->setCaption(caption);
    lblModem->setBackColor(backColor);
    lblModem->show();
    lblModem->repaint();
}

void frmB3Connect::showConnectedAppearance(int portButtonsToDisable)
{
    cmdConnect->setText("Disconnect From Brevantine 3");
    for (int i = 0; i < portButtonsToDisable; ++i) optComPort[i]->setEnabled(false);
    for (VbCheckBox* box : chkConnectionType) box->setEnabled(false);
    txtPhoneNumber->setEnabled(false);
    txtTCPIP->setEnabled(false);
}

void frmB3Connect::ConnectSerial()
{
    cmdRefresh->hide();
    if (bConnected) {
        DisconnectGW();
    } else {
        if (iConnectionType == kConnectionModem && sPhoneNumber.size() < kMinPhoneDigits) {
            MsgBox("A Valid Phone Number Must Entered", vbInformation, kAppTitle);
            return;
        }
        bConnected = VbTrue;
        const LinkBusyScope busy(this);
        cmdConnect->setEnabled(false);
        try {
            SerialPortControl& port = comGW();
            port.CommPort = tConfig.iComPort;
            if (iConnectionType != kConnectionModem) {
                port.Settings = "115200,n,8,1";
                port.setPortOpen(true);
                port.setRTSEnable(true);
                port.setDTREnable(true);
            } else {
                showModemProgress("Reset Modem.....", kYellow);
                port.Settings = "9600,n,8,1";
                port.setPortOpen(true);
                port.setRTSEnable(true);
                port.setDTREnable(false);
                BlockOnStopwatch(kWaitStopwatch, 1000);
                port.setDTREnable(true);
                SendRaw(pc::ModemReset());
                showModemProgress("Modem Connecting.......", kGreen);
                if (!SendRaw(pc::ModemDial(sPhoneNumber))) throw LinkError("dial failed");
                lblModem->hide();
                MsgBox("Modem Connected", vbOKOnly);
                bModemUp = VbTrue;
                BlockOnStopwatch(kWaitStopwatch, 3000);
                lblModem->hide();
            }
            ReadRevisionOrFail();
        } catch (const LinkError&) {
            failConnect(true);
            return;
        }
        Timer1->start();
        showConnectedAppearance(kComPorts);
        if (tConfig.iComPort >= 1 && tConfig.iComPort <= kComPorts) optComPort[tConfig.iComPort - 1]->setValue(true);
        fraOnLineFunctions->show();
    }
    mainWindowHooks::UpdateStatusBar();
    cmdConnect->setEnabled(true);
}

void frmB3Connect::ConnectTCP()
{
    cmdRefresh->show();
    if (bConnected) {
        DisconnectGW();
    } else {
        bConnected = VbTrue;
        const LinkBusyScope busy(this);
        cmdConnect->setEnabled(false);
        // The wait below lets events run: no other form may be opened meanwhile.
        mainWindowHooks::DisableMainMenus(this);
        try {
            SocketControl& socket = WinSockGW();
            socket.LocalPort = 0;
            socket.RemoteHost = txtTCPIP->Text();
            socket.RemotePort = kPanelPort;
            socket.Connect();
            StopwatchRestart(kWaitStopwatch);
            while (socket.State() != SocketControl::sckConnected && StopwatchElapsedMs(kWaitStopwatch) < kTcpConnectLimitMs)
                socket.waitForConnection(kTcpConnectLimitMs - StopwatchElapsedMs(kWaitStopwatch));
            if (StopwatchElapsedMs(kWaitStopwatch) >= kTcpConnectLimitMs) throw LinkError("connect timed out");
            ReadRevisionOrFail();
        } catch (const LinkError&) {
            mainWindowHooks::EnableMainMenus(this);
            failConnect(false);
            return;
        }
        // The first status read waits with events running too.
        ReadGWStatus();
        mainWindowHooks::EnableMainMenus(this);
        // A status read that failed has already ended the link.
        if (bConnected) {
            showConnectedAppearance(4);
            fraOnLineFunctions->show();
        }
    }
    mainWindowHooks::UpdateStatusBar();
    cmdConnect->setEnabled(true);
    lblModem->hide();
}

// A link counts as up only once the panel has told its revision.
void frmB3Connect::ReadRevisionOrFail()
{
    if (!SendCommand(pc::ReadRevision())) throw LinkError("no revision");
    sRevText = Mid(sReply, 2, kRevisionLabels);
    ShowRevLabels();
}

void frmB3Connect::failConnect(bool serial)
{
    DisconnectGW();
    MsgBox("Connection Failed.", vbExclamation, kAppTitle);
    try {
        if (serial) {
            comGW().setRTSEnable(false);
            if (comGW().PortOpen()) comGW().setPortOpen(false);
        } else if (WinSockGW().State() != SocketControl::sckClosed) {
            WinSockGW().Close();
        }
    } catch (...) {
    }
    bConnected = VbFalse;
    // The exchange may have left "Connected" or a retry count in the status bar.
    mainWindowHooks::UpdateStatusBar();
    cmdConnect->setEnabled(true);
    if (!serial) lblModem->hide();
}

void frmB3Connect::DisconnectGW()
{
    Timer1->stop();
    bHardwareChecked = VbFalse;
    if (iConnectionType == kConnectionModem || bModemUp) {
        showModemProgress("Disconnecting Modem", kRed);
        SendRaw(pc::ModemEscape());
        SendRaw(pc::ModemHangUp());
        comGW().setDTREnable(false);
        BlockOnStopwatch(kWaitStopwatch, 1000);
        comGW().setDTREnable(true);
        bModemUp = VbFalse;
        lblModem->hide();
    }
    try {
        comGW().setRTSEnable(false);
        if (comGW().PortOpen()) comGW().setPortOpen(false);
        if (WinSockGW().State() != SocketControl::sckClosed) WinSockGW().Close();
    } catch (...) {
    }
    bConnected = VbFalse;
    cmdConnect->setText("Connect To Brevantine 3");
    for (int i = 0; i < kComPorts; ++i) optComPort[i]->setEnabled(bPortAvailable[i] != 0);
    for (VbCheckBox* box : chkConnectionType) box->setEnabled(true);
    txtPhoneNumber->setEnabled(true);
    txtTCPIP->setEnabled(true);
    fraOnLineFunctions->hide();
    leavePasswordFrame();
    for (int i = 0; i < kPasswordBoxes; ++i) {
        txtPassWord[i]->setText("0");
        txtNewPassWord[i]->setText("0");
    }
}

// --- Status, clock and revision -----------------------------------------------------

void frmB3Connect::ReadGWStatus()
{
    if (!bConnected) return;
    const auto reply = QueryPanelStatus(this, pc::ReadStatus());
    if (!reply) return;
    const auto status = DecodeStatus(*reply);
    if (!status) {
        ConnectionLost();
        return;
    }
    lblPanelTime->setCaption(toQ(PanelTimeText(status->hour, status->minute, status->second)));
    lblPanelDate->setCaption(toQ(PanelDateText(status->weekday, status->month, status->day, status->year)));
    lblIOInstalled->setCaption(toQ(IOInstalledText(status->ioPoints)));
    lblAddOnCardTypeRev->setCaption(toQ(CardTypeText(status->cardType, status->cardRevision)));
    if (bHardwareChecked) return;
    bHardwareChecked = VbTrue;

    const auto table = QueryPanelStatus(this, pc::ReadMemory(kNodeTableAddress, kNodeTableBytes));
    if (!table) return;
    const auto nodeTable = DecodeBytes(*table, kNodeTableBytes);
    if (!nodeTable) {
        ConnectionLost();
        return;
    }
    std::array<int, kNodeTableBytes> nodes{};
    for (int i = 0; i < kNodeTableBytes; ++i) nodes[i] = (*nodeTable)[i];
    askToAdoptPanelHardware(nodes, status->cardType);
}

void frmB3Connect::askToAdoptPanelHardware(const std::array<int, 12>& nodes, int cardType)
{
    bool differs = false;
    for (int i = 0; i < kNodeTableBytes; ++i) differs = differs || nodes[i] != tConfig.iNodeIO[i];
    if (!differs) differs = cardType != tConfig.iAddOnModule;
    if (!differs) return;

    // No poll may run while the question is open.
    const bool polling = Timer1->isActive();
    Timer1->stop();
    const int answer = MsgBox("Host I/O Configuration Does Not Match Panel Hardware.\r\nChange Host Configuration To Match Panel?",
                              vbYesNo + vbQuestion, kAppTitle);
    if (answer == vbYes) {
        for (int i = 0; i < kNodeTableBytes; ++i) tConfig.iNodeIO[i] = static_cast<int16_t>(nodes[i]);
        bChanged = VbTrue;
        tConfig.iAddOnModule = static_cast<int16_t>(cardType);
    }
    if (polling && bConnected) Timer1->start();
}

void frmB3Connect::Timer1_Timer()
{
    // A tick that falls due while the link is busy is skipped, never counted as a failure.
    if (iConnectionType < kConnectionTcpIp) PollUnlessLinkBusy([this] { ReadGWStatus(); });
}

void frmB3Connect::cmdRefresh_Click()
{
    PollUnlessLinkBusy([this] { ReadGWStatus(); });
}

void frmB3Connect::cmdSetGWClock_Click()
{
    const QDateTime now = QDateTime::currentDateTime();
    Timer1->stop();
    const QDate date = now.date();
    const PanelCommand setClock =
        pc::SetClock(now.time().hour(), now.time().minute(), date.month(), date.day(), date.year(), date.dayOfWeek() % 7);
    if (ExchangeWithPanel(this, setClock).ownerAlive) resumePoll();
}

void frmB3Connect::LoadRevLabels()
{
    for (int i = 0; i < kRevisionLabels; ++i) {
        lblB2FirmwareRevision[i] = placed(new VbLabel(fraFirmwareRevision), (i % 20) * 240 + 120, (i / 20) * 360 + 360, 240, 315);
        lblB2FirmwareRevision[i]->setAlignment(Qt::AlignCenter);
        lblB2FirmwareRevision[i]->show();
    }
}

void frmB3Connect::ShowRevLabels()
{
    const int n = std::min<int>(static_cast<int>(sRevText.size()), kRevisionLabels);
    for (int i = 0; i < kRevisionLabels; ++i)
        lblB2FirmwareRevision[i]->setCaption(i < n ? toQ(sRevText.substr(static_cast<std::size_t>(i), 1)) : QStringLiteral(" "));
}

// --- Other forms ----------------------------------------------------------------------

// A click that falls into a reply wait over TCP/IP is dropped: closing the child forms
// and opening a polling form must wait for the exchange to end.
void frmB3Connect::cmdVirtualKeypad_Click()
{
    if (LinkBusy()) return;
    mainWindowHooks::CloseChildForms();
    childForms::show("frmB3VirtualKeypad");
}

void frmB3Connect::cmdNetworkDiagnostics_Click()
{
    if (LinkBusy()) return;
    mainWindowHooks::CloseChildForms();
    childForms::show("frmB3SystemDiagnostic");
}

B3_REGISTER_CHILD_FORM(frmB3Connect)
