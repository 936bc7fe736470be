#include "live/frmB3RelayStatus.h"

#include <QPushButton>

#include "core/modB3Glimwarden.h"
#include "live/engine/liveItemStates.h"
#include "link/engine/panelCommands.h"
#include "link/panelPoll.h"
#include "link/panelDoor.h"
#include "platform/childFormRegistry.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3RelayStatus)

frmB3RelayStatus::frmB3RelayStatus() : LiveForm(QStringLiteral("frmB3RelayStatus"), QStringLiteral("Relay Status"))
{
    buildSwitchRows(QStringLiteral("Relay "), lblRelayName, lblRelayStatus, cmdTurnOff, cmdTurnOn,
                    [this](int i) { cmdTurnOff_Click(i); }, [this](int i) { cmdTurnOn_Click(i); });

    cmdAllRelaysOff = placed(new QPushButton(QStringLiteral("All Relays Off"), this), 7440, 6360, 1455, 495);
    connect(cmdAllRelaysOff, &QPushButton::clicked, this, [this] { cmdAllRelaysOff_Click(); });
    cmdAllRelaysOn = placed(new QPushButton(QStringLiteral("All Relays On"), this), 9120, 6360, 1455, 495);
    connect(cmdAllRelaysOn, &QPushButton::clicked, this, [this] { cmdAllRelaysOn_Click(); });
}

void frmB3RelayStatus::showConnected()
{
    showNamedRows(GetIOPointCount(), tConfig.sRelayName, lblRelayName);
    setAllRelaysButtonsVisible(true);
}

void frmB3RelayStatus::showNotConnected()
{
    LiveForm::showNotConnected();
    setAllRelaysButtonsVisible(false);
}

void frmB3RelayStatus::setAllRelaysButtonsVisible(bool visible)
{
    cmdAllRelaysOff->setVisible(visible);
    cmdAllRelaysOn->setVisible(visible);
}

void frmB3RelayStatus::autoUpdatesSwitched(bool on)
{
    cmdAllRelaysOff->setEnabled(!on);
    cmdAllRelaysOn->setEnabled(!on);
}

void frmB3RelayStatus::ShowRelayStatus()
{
    const auto page = QueryItemPage(this, panelCommand::ReadRelayStatus());
    if (!page) return;
    const int count = GetIOPointCount();
    for (int r = 0; r < count; ++r) {
        const auto at = static_cast<std::size_t>(r);
        setOnOffLamp(lblRelayStatus[at], RelayCharIsOn((*page)[at]));
    }
}

void frmB3RelayStatus::switchRelay(int relay, bool on)
{
    SendClickCommand(this, panelCommand::SwitchRelay(relay, on));
}

void frmB3RelayStatus::cmdTurnOff_Click(int Index) { switchRelay(Index, false); }
void frmB3RelayStatus::cmdTurnOn_Click(int Index) { switchRelay(Index, true); }

void frmB3RelayStatus::switchAllRelays(bool on)
{
    cmdAllRelaysOff->setEnabled(false);
    cmdAllRelaysOn->setEnabled(false);
    if (!SendClickCommand(this, panelCommand::SwitchRelay(kAllItems, on))) return;
    cmdAllRelaysOff->setEnabled(true);
    cmdAllRelaysOn->setEnabled(true);
}

void frmB3RelayStatus::cmdAllRelaysOff_Click() { switchAllRelays(false); }
void frmB3RelayStatus::cmdAllRelaysOn_Click() { switchAllRelays(true); }
