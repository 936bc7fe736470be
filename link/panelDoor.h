#pragma once
// The one door through which forms talk to the panel. Over TCP/IP a reply wait runs
// the event loop, and in it a lost panel or a close box may unload any form, the one
// waiting included. The door does that care once: it refuses while someone else
// holds the link (nothing is sent, and a refusal is never a failure), runs the
// exchange, and tells the caller what came back and whether its form still exists.

#include <memory>
#include <string>

#include "link/engine/panelCommands.h"
#include "link/windowHooks.h"

class LinkBusyScope;
class QObject;

enum class PanelAnswer { Refused, Failed, Replied };

struct PanelExchange {
    PanelAnswer answer = PanelAnswer::Refused;
    bool ownerAlive = true;
    std::string reply;  // the checked reply when answer is Replied

    bool replied() const { return answer == PanelAnswer::Replied; }
    // A reply the caller may paint from: it came back and the caller is still there.
    bool usable() const { return replied() && ownerAlive; }
};

// One framed command and its reply on behalf of `owner`. While it is awaited the main
// menus are held (mainWindowHooks::MainMenusHold): a form that had switched them off
// and is closed meanwhile gets them back only once the exchange has returned.
PanelExchange ExchangeWithPanel(const QObject* owner, const PanelCommand& command);

// Exchanges that belong together (a force and the wait for its end): from the first to
// the last the link stays held for `owner`, so nothing else gets in between, and the
// main menus stay held as during one exchange, whether or not the form is still there.
class PanelLinkHold {
public:
    explicit PanelLinkHold(const QObject* owner);
    ~PanelLinkHold();
    PanelLinkHold(const PanelLinkHold&) = delete;
    PanelLinkHold& operator=(const PanelLinkHold&) = delete;

private:
    // The menus come back only once the link is free again.
    mainWindowHooks::MainMenusHold menus_;
    std::unique_ptr<LinkBusyScope> link_;
};

// A click's command whose result does not matter (a switch). While the link is busy
// it is kept, one for all forms and the last one only, and sent as soon as the link is
// free, unless its form has gone meanwhile. True when `owner` still exists afterwards.
bool SendClickCommand(const QObject* owner, const PanelCommand& command);
