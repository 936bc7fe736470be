#pragma once
// Every exchange with the panel: SendCommand (one framed command and its checked
// reply, three attempts), SendRaw (unframed text to a modem) and ConnectionLost (the
// common way out after a failed exchange). The reply is left in sReply.
//
// One exchange at a time: while an exchange, a connect or a transfer holds the link,
// LinkBusy() is true. Pollers skip their tick while it is; a nested SendCommand is
// refused without touching the link. Forms outside link/ never call the senders: they
// talk to the panel through the door (link/panelDoor.h).
//
// The main window hears of status texts and a lost panel through the hooks it installs
// (link/windowHooks.h).

#include <cstdint>
#include <functional>
#include <string>

#include "link/engine/panelCommands.h"
#include "platform/childFormRegistry.h"

bool SendCommand(const std::string& sCmd, int16_t iLen, int32_t lSeconds);
bool SendCommand(const PanelCommand& command);
bool SendRaw(const std::string& sText, int16_t iLen, int32_t lSeconds);
bool SendRaw(const PanelCommand& text);
void ConnectionLost();

bool LinkBusy();
// Busy for everyone but the holder: a connect may read the panel through the door
// while it holds the link itself. An exchange under way is busy for everyone.
bool LinkBusyFor(const void* asker);
// Runs whenever the last holder lets the link go.
void SetLinkFreedHandler(std::function<void()> handler);

// Holds the link for its lifetime (nests). A form closed meanwhile is deleted only
// after the holder has returned.
class LinkBusyScope {
public:
    explicit LinkBusyScope(const void* holder = nullptr);
    ~LinkBusyScope();
    LinkBusyScope(const LinkBusyScope&) = delete;
    LinkBusyScope& operator=(const LinkBusyScope&) = delete;

private:
    const void* holder_;
    childForms::DeletionHold formsKept_;
};
