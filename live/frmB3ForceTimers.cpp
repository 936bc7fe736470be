#include "live/frmB3ForceTimers.h"

#include <QPointer>
#include <QPushButton>

#include "core/modB3Glimwarden.h"
#include "link/engine/panelCommands.h"
#include "link/panelPoll.h"
#include "link/panelDoor.h"
#include "link/windowHooks.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3ForceTimers)

frmB3ForceTimers::frmB3ForceTimers() : ChildForm(QStringLiteral("frmB3ForceTimers"))
{
    setCaption(QStringLiteral("Force Timers"));
    setTwipsSize(10815, 7335);
    for (int i = 0; i < kLiveRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        lblTimerName[at] = makeRowNameLabel(this, i, QStringLiteral("Timer "));
        cmdForce[at] = makeRowButton(this, i, 1920, QStringLiteral("Force"), 735);
        connect(cmdForce[at], &QPushButton::clicked, this, [this, i] { cmdForce_Click(i); });
    }
    lblNoConnection = makeNoConnectionLabel(this);
    lblPleaseWait = placed(new VbLabel(this), 240, 6360, 3615, 375);
    styleStateLabel(lblPleaseWait);
    lblPleaseWait->setCaption(QStringLiteral("Forcing Timer...Please Wait"));
    lblPleaseWait->hide();
}

void frmB3ForceTimers::Form_Activate()
{
    const bool connected = bConnected != 0;
    lblNoConnection->setVisible(!connected);
    for (int i = 0; i < kLiveRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (connected) lblTimerName[at]->setCaption(toQ(tConfig.sTimerName[at]));
        lblTimerName[at]->setVisible(connected);
        cmdForce[at]->setVisible(connected);
    }
    lblPleaseWait->hide();
}

void frmB3ForceTimers::Form_Unload()
{
    if (forcing_) setForcing(false);
}

void frmB3ForceTimers::cmdForce_Click(int Index)
{
    if (Index < 0 || Index >= kLiveRows || forcing_) return;
    setForcing(true);
    const QPointer<frmB3ForceTimers> self(this);
    // Whether the panel took the force does not matter: its wait tells when it is done.
    const PanelExchange force = ExchangeWithPanel(this, panelCommand::ForceTimer(Index));
    // A form closed meanwhile has ended the force itself.
    if (!force.ownerAlive || !forcing_) return;
    QueryPanelStatus(this, panelCommand::ForceWait());
    if (self && forcing_) setForcing(false);
}

void frmB3ForceTimers::setForcing(bool forcing)
{
    forcing_ = forcing;
    lblPleaseWait->setVisible(forcing);
    lblPleaseWait->repaint();
    for (QPushButton* button : cmdForce) button->setEnabled(!forcing);
    if (forcing) mainWindowHooks::DisableMainMenus();
    else mainWindowHooks::EnableMainMenus();
}
