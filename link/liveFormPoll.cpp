#include "link/liveFormPoll.h"

#include <QPointer>

#include "core/modB3Glimwarden.h"
#include "link/commandLink.h"
#include "link/engine/panelReplies.h"

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
    if (!SendCommand(command)) {
        ConnectionLost();
        return false;
    }
    return !alive.isNull();
}

std::optional<std::string> QueryItemPage(const QObject* owner, const PanelCommand& command)
{
    if (!QueryPanelStatus(owner, command)) return std::nullopt;
    return DecodeItemPage(sReply);
}

std::optional<std::vector<uint8_t>> QueryStationTable(const QObject* owner, const PanelCommand& command)
{
    if (!QueryPanelStatus(owner, command)) return std::nullopt;
    return DecodeBytes(sReply, kStationAddresses);
}

bool SendPanelCommand(const QObject* owner, const PanelCommand& command)
{
    const QPointer<const QObject> alive(owner);
    if (!LinkBusy()) SendCommand(command);
    return !alive.isNull();
}
