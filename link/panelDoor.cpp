#include "link/panelDoor.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <optional>
#include <utility>

#include "core/modB3Glimwarden.h"
#include "link/commandLink.h"
#include "platform/childFormRegistry.h"

namespace {

struct PendingClick {
    QPointer<const QObject> owner;
    PanelCommand command;
};

std::optional<PendingClick>& pendingClick()
{
    static std::optional<PendingClick> pending;
    return pending;
}

void sendPendingClick()
{
    if (!pendingClick() || LinkBusy()) return;
    const PendingClick click = *std::exchange(pendingClick(), std::nullopt);
    if (childForms::stillLoaded(click.owner)) ExchangeWithPanel(click.owner, click.command);
}

} // namespace

PanelExchange ExchangeWithPanel(const QObject* owner, const PanelCommand& command)
{
    const QPointer<const QObject> alive(owner);
    PanelExchange exchange;
    if (LinkBusyFor(owner)) return exchange;
    const mainWindowHooks::MainMenusHold menus;
    exchange.answer = SendCommand(command) ? PanelAnswer::Replied : PanelAnswer::Failed;
    if (exchange.replied()) exchange.reply = sReply;
    // A form closed during the wait is kept until its code has returned: "alive" is
    // whether it is still loaded.
    exchange.ownerAlive = childForms::stillLoaded(alive);
    return exchange;
}

PanelLinkHold::PanelLinkHold(const QObject* owner) : link_(std::make_unique<LinkBusyScope>(owner)) {}

PanelLinkHold::~PanelLinkHold() = default;

bool SendClickCommand(const QObject* owner, const PanelCommand& command)
{
    if (!LinkBusyFor(owner)) return ExchangeWithPanel(owner, command).ownerAlive;
    pendingClick() = PendingClick{owner, command};
    // The link is freed inside the exchange that held it, before its caller has read
    // the reply: the kept click goes out from the event loop, once that caller is done.
    SetLinkFreedHandler([] { QTimer::singleShot(0, QCoreApplication::instance(), sendPendingClick); });
    return true;
}
