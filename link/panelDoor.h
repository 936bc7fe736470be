#pragma once
// The one door through which forms talk to the panel. Over TCP/IP a reply wait runs
// the event loop, and in it a lost panel or a close box may unload any form, the one
// waiting included. The door does that care once: it refuses while someone else
// holds the link (nothing is sent, and a refusal is never a failure), runs the
// exchange, and tells the caller what came back and whether its form still exists.

#include <string>

#include "link/engine/panelCommands.h"

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

// One framed command and its reply on behalf of `owner`.
PanelExchange ExchangeWithPanel(const QObject* owner, const PanelCommand& command);

// A click's command whose result does not matter (a switch). While the link is busy
// it is kept, one for all forms and the last one only, and sent as soon as the link is
// free, unless its form has gone meanwhile. True when `owner` still exists afterwards.
bool SendClickCommand(const QObject* owner, const PanelCommand& command);
