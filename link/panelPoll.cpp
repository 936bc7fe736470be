#include "link/panelPoll.h"

#include "core/modB3Glimwarden.h"
#include "link/commandLink.h"
#include "link/engine/panelReplies.h"
#include "link/panelDoor.h"

LivePollTimer::LivePollTimer(int intervalMs, QObject* parent) : QObject(parent)
{
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!LinkBusy()) emit Timer();
    });
}

void PollUnlessLinkBusy(const std::function<void()>& poll)
{
    if (!LinkBusy()) poll();
}

std::optional<std::string> QueryPanelStatus(const QObject* owner, const PanelCommand& command, QueryFailure failure)
{
    const bool linkWasUp = bConnected != 0;
    PanelExchange exchange = ExchangeWithPanel(owner, command);
    if (exchange.answer == PanelAnswer::Failed && failure == QueryFailure::LosesPanel) {
        // Over TCP/IP the wait yields: a link taken down meanwhile (File New or Open,
        // a disconnect, exit, a loss already reported) has been dealt with by whoever
        // took it down, and reporting it again would show the connect form over theirs.
        if (!(linkWasUp && !bConnected)) ConnectionLost();
    }
    if (!exchange.usable()) return std::nullopt;
    return std::move(exchange.reply);
}

std::optional<std::string> QueryItemPage(const QObject* owner, const PanelCommand& command)
{
    const auto reply = QueryPanelStatus(owner, command);
    if (!reply) return std::nullopt;
    return DecodeItemPage(*reply);
}

std::optional<std::vector<uint8_t>> QueryPanelBytes(const QObject* owner, const PanelCommand& command, int count,
                                                    QueryFailure failure)
{
    const auto reply = QueryPanelStatus(owner, command, failure);
    if (!reply) return std::nullopt;
    return DecodeBytes(*reply, count);
}
