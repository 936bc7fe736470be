#include "link/windowHooks.h"

#include <QPointer>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/childFormRegistry.h"

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

struct MainMenusState {
    std::vector<QPointer<const QObject>> keepers;
    int holds = 0;
};

MainMenusState& mainMenus()
{
    static MainMenusState state;
    return state;
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
namespace {

// Off while a loaded form keeps them off; on when none does, unless a hold defers it.
void applyMainMenus()
{
    auto& keepers = mainMenus().keepers;
    std::erase_if(keepers, [](const QPointer<const QObject>& keeper) { return !childForms::stillLoaded(keeper); });
    if (!keepers.empty()) callIfSet(windowHooks().setMainMenusEnabled, false);
    else if (mainMenus().holds == 0) callIfSet(windowHooks().setMainMenusEnabled, true);
}

} // namespace

// An unloaded keeper is dropped again at once by applyMainMenus.
void DisableMainMenus(const QObject* keeper)
{
    auto& keepers = mainMenus().keepers;
    if (std::find(keepers.begin(), keepers.end(), keeper) == keepers.end()) keepers.emplace_back(keeper);
    applyMainMenus();
}

void EnableMainMenus(const QObject* keeper)
{
    std::erase(mainMenus().keepers, keeper);
    applyMainMenus();
}

void DisconnectGW() { callIfSet(windowHooks().disconnectGW); }

MainMenusHold::MainMenusHold() { ++mainMenus().holds; }

MainMenusHold::~MainMenusHold()
{
    if (--mainMenus().holds == 0) applyMainMenus();
}
} // namespace mainWindowHooks

void SetConnectFormHooks(ConnectFormHooks hooks) { formHooks() = std::move(hooks); }
const ConnectFormHooks& connectFormHooks() { return formHooks(); }
