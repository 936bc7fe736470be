#pragma once
// Services of the main window that every other part calls. Each creates the main
// window first when it does not exist yet.

#include <functional>
#include <string>

class frmB3MasterMDI;

frmB3MasterMDI& MasterMDI();

// Unloads every child form in the fixed order, hiding (not unloading) the connect
// form and stopping its poll timer. Errors of a single step do not stop the rest.
void CloseChildForms();
// Greys and restores the top-level menus File, Connect, Setup, Edit, Document, About.
void DisableMainMenus();
void EnableMainMenus();
// Panel 1: " File Name: " & sFileName; panel 2: "Connected" / "Disconnected"; and the
// connect form's network-diagnostics button while the diagnostics file is open.
void UpdateStatusBar();
// Status bar panels are numbered 1 and 2 as the user sees them.
void SetStatusPanelText(int panel, const std::string& text);
std::string StatusPanelText(int panel);

// What the main window needs of the connect form, which lives in the link layer and
// installs these when it loads. Unset hooks do nothing.
struct ConnectFormHooks {
    std::function<void()> disconnectGW;                         // DisconnectGW
    std::function<void()> stopPollTimer;                        // Timer1.Enabled = False
    std::function<void(bool)> setNetworkDiagnosticsVisible;     // cmdNetworkDiagnostics.Visible
    std::function<bool()> isLinkBusy;                           // an exchange or transfer is running
    std::function<void()> cancelTransfer;                       // ask a running transfer to stop
};
void SetConnectFormHooks(ConnectFormHooks hooks);
const ConnectFormHooks& connectFormHooks();
// Loads the connect form if needed and calls its DisconnectGW.
void DisconnectGW();
