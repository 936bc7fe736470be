#pragma once
// Every exchange with the panel: SendCommand (one framed command and its checked
// reply, three attempts), SendRaw (unframed text to a modem) and ConnectionLost (the
// common way out after a failed exchange). The reply is left in sReply.
//
// One exchange at a time: while an exchange, a connect or a transfer holds the link,
// LinkBusy() is true. Pollers skip their tick and clicks are dropped while it is; a
// nested SendCommand is refused without touching the link.

#include <cstdint>
#include <string>

#include "link/engine/panelCommands.h"
#include "platform/childFormRegistry.h"

bool SendCommand(const std::string& sCmd, int16_t iLen, int32_t lSeconds);
bool SendCommand(const PanelCommand& command);
bool SendRaw(const std::string& sText, int16_t iLen, int32_t lSeconds);
bool SendRaw(const PanelCommand& text);
void ConnectionLost();

bool LinkBusy();

// Holds the link for its lifetime (nests). A form closed meanwhile is deleted only
// after the holder has returned.
class LinkBusyScope {
public:
    LinkBusyScope();
    ~LinkBusyScope();
    LinkBusyScope(const LinkBusyScope&) = delete;
    LinkBusyScope& operator=(const LinkBusyScope&) = delete;

private:
    childForms::DeletionHold formsKept_;
};
