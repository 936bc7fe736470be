#include "shell/mainServices.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <cctype>

#include "core/dataFolder.h"
#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"
#include "shell/childFormOrder.h"
#include "shell/frmB3MasterMDI.h"

namespace {

QPointer<frmB3MasterMDI>& mainWindow()
{
    static QPointer<frmB3MasterMDI> window;
    return window;
}

const ConnectFormHooks& hooks() { return connectFormHooks(); }

constexpr std::array<const char*, 6> kMainMenus = {"mnuFile", "mnuConnect", "mnuSetup",
                                                   "mnuEdit", "mnuDocument", "mnuAbout"};

void setMainMenusEnabled(bool enabled)
{
    for (const char* name : kMainMenus) {
        if (QAction* menu = MasterMDI().menuControl(name)) menu->setEnabled(enabled);
    }
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

QLabel* statusPanel(int panel)
{
    if (panel < 1 || panel > static_cast<int>(MasterMDI().StatusBar1.size())) return nullptr;
    return MasterMDI().StatusBar1[static_cast<std::size_t>(panel - 1)];
}

template <class Step>
void ignoringErrors(const Step& step)
{
    try {
        step();
    } catch (...) {
    }
}

// The link reaches the window only through these.
void installLinkHooks()
{
    MainWindowHooks link;
    link.setStatusPanelText = [](int panel, const std::string& text) { SetStatusPanelText(panel, text); };
    link.updateStatusBar = [] { UpdateStatusBar(); };
    link.closeChildForms = [] { CloseChildForms(); };
    link.setMainMenusEnabled = [](bool enabled) { setMainMenusEnabled(enabled); };
    link.disconnectGW = [] { DisconnectGW(); };
    SetMainWindowHooks(std::move(link));
}

} // namespace

frmB3MasterMDI& MasterMDI()
{
    if (!mainWindow()) {
        mainWindow() = new frmB3MasterMDI;
        installLinkHooks();
    }
    return *mainWindow();
}

void DestroyMainWindow()
{
    // The connect form, and with it whatever its hooks refer to, goes with the window.
    SetConnectFormHooks({});
    delete mainWindow().data();
}

void CloseChildForms()
{
    MasterMDI();
    ignoringErrors([] { childForms::unload(kSetupFormName); });
    ignoringErrors([] { childForms::hide(kConnectFormName); });
    ignoringErrors([] {
        if (hooks().stopPollTimer) hooks().stopPollTimer();
    });
    for (const char* form : kChildFormsInUnloadOrder) ignoringErrors([form] { childForms::unload(form); });
}

void DisableMainMenus() { setMainMenusEnabled(false); }
void EnableMainMenus() { setMainMenusEnabled(true); }

void UpdateStatusBar()
{
    SetStatusPanelText(1, " File Name: " + sFileName);
    SetStatusPanelText(2, bConnected ? "Connected" : "Disconnected");
    // The network diagnostics are offered only while the diagnostics file is the open
    // file; the comparison ignores letter case.
    const bool diagnostics = lowerCase(sFileName) == lowerCase(DiagnosticsFilePath());
    if (hooks().setNetworkDiagnosticsVisible) hooks().setNetworkDiagnosticsVisible(diagnostics);
}

// Panel texts may hold a path, so they are taken as the file system's bytes.
// A changed text is drawn at once: the serial waits hold the UI thread without handling
// events, so a retry shown before one would otherwise stay unseen until the exchange
// is over. A synchronous repaint delivers no tick and no click, so nothing interleaves
// the exchange; an unchanged text (every good reply of a transfer) costs no paint.
void SetStatusPanelText(int panel, const std::string& text)
{
    QLabel* label = statusPanel(panel);
    if (!label) return;
    const QString shown = QFile::decodeName(text.c_str());
    if (label->text() == shown) return;
    label->setText(shown);
    label->repaint();
}

std::string StatusPanelText(int panel)
{
    const QLabel* label = statusPanel(panel);
    return label ? QFile::encodeName(label->text()).toStdString() : std::string();
}

void DisconnectGW()
{
    MasterMDI();
    childForms::load(kConnectFormName);
    if (hooks().disconnectGW) hooks().disconnectGW();
}
