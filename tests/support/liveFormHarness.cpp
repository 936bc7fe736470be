#include "liveFormHarness.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>

#include "core/modB3Glimwarden.h"
#include "link/frmB3Connect.h"
#include "platform/serialPortControl.h"
#include "platform/socketControl.h"
#include "shell/childFormOrder.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"
#include "widgetActions.h"

namespace {
constexpr std::array<const char*, 6> kMainMenus = {"mnuFile", "mnuConnect", "mnuSetup",
                                                   "mnuEdit", "mnuDocument", "mnuAbout"};
constexpr int kSerialPort = 1;
} // namespace

void LiveFormHarness::TearDown()
{
    CloseChildForms();
    DisconnectGW();
}

void LiveFormHarness::connectTcp(int hostByte)
{
    const std::string address = "127.0.6." + std::to_string(hostByte);
    ASSERT_TRUE(panel.listenTcp(address));
    iConnectionType = kConnectionTcpIp;
    sTCPAddress = address;
    showConnectFormOnce();
    WinSockGW().RemoteHost = address;
    WinSockGW().RemotePort = 10001;
    WinSockGW().Connect();
    WinSockGW().waitForConnection(5000);
    ASSERT_EQ(WinSockGW().State(), SocketControl::sckConnected);
    bConnected = VbTrue;
}

void LiveFormHarness::connectSerial()
{
    const std::string path = panel.openPty();
    ASSERT_FALSE(path.empty());
    qputenv(("B3_COM" + std::to_string(kSerialPort)).c_str(), QByteArray::fromStdString(path));
    iConnectionType = kConnectionSerial;
    tConfig.iComPort = kSerialPort;
    showConnectFormOnce();
    comGW().CommPort = kSerialPort;
    comGW().Settings = "115200,n,8,1";
    comGW().setPortOpen(true);
    bConnected = VbTrue;
}

// The link is opened here without the connect form's dialogue, but a lost panel shows
// that form again: it is shown once first, as a connect would, so that showing it
// again changes no link setting (and no changed flag) of its own.
void LiveFormHarness::showConnectFormOnce()
{
    childForms::show(QString::fromLatin1(kConnectFormName));
    childForms::hide(QString::fromLatin1(kConnectFormName));
}

void LiveFormHarness::clickConnectFormButton(QPushButton* frmB3Connect::*button)
{
    auto* form = dynamic_cast<frmB3Connect*>(childForms::show(QString::fromLatin1(kConnectFormName)));
    ASSERT_NE(form, nullptr);
    form->fraOnLineFunctions->show();
    ASSERT_TRUE((form->*button)->isVisible());
    clickWidget(form->*button);
}

void LiveFormHarness::setInstalledPoints(int points)
{
    // Node 1 carries up to eight blocks of four, the other nodes up to four.
    tConfig.iNodeIO.fill(0);
    int blocks = points / 4;
    for (std::size_t node = 0; node < 12 && blocks > 0; ++node) {
        const int here = std::min(blocks, node == 0 ? 8 : 4);
        tConfig.iNodeIO[node] = static_cast<int16_t>(here);
        blocks -= here;
    }
    ASSERT_EQ(GetIOPointCount(), points);
}

bool LiveFormHarness::mainMenusAre(bool enabled) const
{
    return std::all_of(kMainMenus.begin(), kMainMenus.end(), [&](const char* name) {
        return app.window().menuControl(QString::fromLatin1(name))->isEnabled() == enabled;
    });
}

std::vector<std::string> LiveFormHarness::commandsReceived() const
{
    std::vector<std::string> commands;
    for (const std::string& frame : panel.received()) {
        // "[00" + command + two checksum digits + "]"
        commands.push_back(frame.size() >= 6 ? frame.substr(3, frame.size() - 6) : frame);
    }
    return commands;
}

bool LiveFormHarness::waitForCommands(std::size_t count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return panel.received().size() >= count; }, timeoutMs);
}
