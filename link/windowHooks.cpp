#include "link/windowHooks.h"

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
void DisableMainMenus() { callIfSet(windowHooks().setMainMenusEnabled, false); }
void EnableMainMenus() { callIfSet(windowHooks().setMainMenusEnabled, true); }
void DisconnectGW() { callIfSet(windowHooks().disconnectGW); }
} // namespace mainWindowHooks

void SetConnectFormHooks(ConnectFormHooks hooks) { formHooks() = std::move(hooks); }
const ConnectFormHooks& connectFormHooks() { return formHooks(); }
