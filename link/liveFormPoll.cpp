#include "link/liveFormPoll.h"

#include <QPointer>

#include "core/modB3Glimwarden.h"
#include "link/commandLink.h"
#include "link/engine/panelReplies.h"
#include "platform/childFormRegistry.h"

LivePollTimer::LivePollTimer(int intervalMs, QObject* parent) : QObject(parent)
{
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!LinkBusy()) emit Timer();
    });
}

bool QueryPanelStatus(const QObject* owner, const PanelCommand& command)
{
    const QPointer<const QObject> alive(owner);
    const bool linkWasUp = bConnected != 0;
    if (!SendCommand(command)) {
        // Over TCP/IP the wait yields: a link taken down meanwhile (File New or Open,
        // a disconnect, exit, a loss already reported) has been dealt with by whoever
        // took it down, and reporting it again would show the connect form over theirs.
        if (linkWasUp && !bConnected) return false;
        ConnectionLost();
        return false;
    }
    return childForms::stillLoaded(alive);
}

std::optional<std::string> QueryItemPage(const QObject* owner, const PanelCommand& command)
{
    if (!QueryPanelStatus(owner, command)) return std::nullopt;
    return DecodeItemPage(sReply);
}

std::optional<std::vector<uint8_t>> QueryPanelBytes(const QObject* owner, const PanelCommand& command, int count)
{
    if (!QueryPanelStatus(owner, command)) return std::nullopt;
    return DecodeBytes(sReply, count);
}

bool SendPanelCommand(const QObject* owner, const PanelCommand& command)
{
    const QPointer<const QObject> alive(owner);
    if (!LinkBusy()) SendCommand(command);
    return childForms::stillLoaded(alive);
}
