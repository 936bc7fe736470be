#pragma once
// The link reports, the main window listens. The link and its forms know nothing of
// the main window: what they need of it (status texts, closing the child forms, the
// main menus, taking the link down for a lost panel) goes through hooks that shell/
// installs when it creates the window. The other way round, the main window reaches
// the connect form through the hooks that form installs when it loads. Unset hooks
// do nothing.

#include <functional>
#include <string>

class QObject;

struct MainWindowHooks {
    // Draws a changed text before it returns: the serial waits handle no events.
    std::function<void(int panel, const std::string& text)> setStatusPanelText;
    std::function<void()> updateStatusBar;
    std::function<void()> closeChildForms;
    std::function<void(bool enabled)> setMainMenusEnabled;
    std::function<void()> disconnectGW;  // loads the connect form if needed
};
void SetMainWindowHooks(MainWindowHooks hooks);

// What link code calls; each goes to its hook.
namespace mainWindowHooks {
void SetStatusPanelText(int panel, const std::string& text);
void UpdateStatusBar();
void CloseChildForms();
// The main menus are off while a loaded form keeps them off (its automatic updates, a
// force, the diagnostic, a connect or a transfer) and on once none does and no
// exchange is awaited. A form keeps them off from its DisableMainMenus until its
// EnableMainMenus; an unloaded form keeps nothing off, so a late event reaching one
// cannot leave the menus off with no form to give them back.
void DisableMainMenus(const QObject* keeper);
void EnableMainMenus(const QObject* keeper);
void DisconnectGW();

// Over TCP/IP a reply wait runs the event loop, and a form that switched the main
// menus off may be closed in it. A menu command then would open a form whose reads
// are refused while the wait runs. So while a hold lives the menus only ever go off;
// they come back, if no form keeps them off, when the last hold ends.
class MainMenusHold {
public:
    MainMenusHold();
    ~MainMenusHold();
    MainMenusHold(const MainMenusHold&) = delete;
    MainMenusHold& operator=(const MainMenusHold&) = delete;
};
} // namespace mainWindowHooks

// What the main window needs of the connect form.
struct ConnectFormHooks {
    std::function<void()> disconnectGW;                         // DisconnectGW
    std::function<void()> stopPollTimer;                        // Timer1.Enabled = False
    std::function<void(bool)> setNetworkDiagnosticsVisible;     // cmdNetworkDiagnostics.Visible
    std::function<bool()> isLinkBusy;                           // an exchange or transfer is running
    std::function<void()> cancelTransfer;                       // ask a running transfer to stop
};
void SetConnectFormHooks(ConnectFormHooks hooks);
const ConnectFormHooks& connectFormHooks();
