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
    // Once the panel has the force it is busy until it answers the wait: the link and
    // the main menus stay held till then, even for a form closed meanwhile.
    const PanelLinkHold held(this);
    setForcing(true);
    const QPointer<frmB3ForceTimers> self(this);
    // Whether the panel took the force does not matter: its wait tells when it is done.
    ExchangeWithPanel(this, panelCommand::ForceTimer(Index));
    QueryPanelStatus(this, panelCommand::ForceWait());
    if (!childForms::stillLoaded(self)) return;
    setForcing(false);
    // Disabling the buttons took the focus away; the next key press belongs to the
    // button the user pressed, not to the first one.
    cmdForce[static_cast<std::size_t>(Index)]->setFocus();
}

void frmB3ForceTimers::setForcing(bool forcing)
{
    forcing_ = forcing;
    lblPleaseWait->setVisible(forcing);
    lblPleaseWait->repaint();
    for (QPushButton* button : cmdForce) button->setEnabled(!forcing);
    if (forcing) mainWindowHooks::DisableMainMenus(this);
    else mainWindowHooks::EnableMainMenus(this);
}
