#include "link/windowHooks.h"

#include <utility>

namespace {

MainWindowHooks& windowHooks()
{
    static MainWindowHooks installed;
    return installed;
}

ConnectFormHooks& formHooks()
{
    static ConnectFormHooks installed;
    return installed;
}

struct MenuHolds {
    int count = 0;
    bool switchOnDeferred = false;
};

MenuHolds& menuHolds()
{
    static MenuHolds holds;
    return holds;
}

template <class Hook, class... Args>
void callIfSet(const Hook& hook, Args&&... args)
{
    if (hook) hook(std::forward<Args>(args)...);
}

} // namespace

void SetMainWindowHooks(MainWindowHooks hooks) { windowHooks() = std::move(hooks); }

namespace mainWindowHooks {
void SetStatusPanelText(int panel, const std::string& text) { callIfSet(windowHooks().setStatusPanelText, panel, text); }
void UpdateStatusBar() { callIfSet(windowHooks().updateStatusBar); }
void CloseChildForms() { callIfSet(windowHooks().closeChildForms); }
void DisableMainMenus()
{
    menuHolds().switchOnDeferred = false;
    callIfSet(windowHooks().setMainMenusEnabled, false);
}

void EnableMainMenus()
{
    if (menuHolds().count > 0) menuHolds().switchOnDeferred = true;
    else callIfSet(windowHooks().setMainMenusEnabled, true);
}

void DisconnectGW() { callIfSet(windowHooks().disconnectGW); }

MainMenusHold::MainMenusHold() { ++menuHolds().count; }

MainMenusHold::~MainMenusHold()
{
    if (--menuHolds().count > 0 || !std::exchange(menuHolds().switchOnDeferred, false)) return;
    callIfSet(windowHooks().setMainMenusEnabled, true);
}
} // namespace mainWindowHooks

void SetConnectFormHooks(ConnectFormHooks hooks) { formHooks() = std::move(hooks); }
const ConnectFormHooks& connectFormHooks() { return formHooks(); }
