#include "live/frmB3RelayGroupStatus.h"

#include <QPushButton>

#include "core/modB3Glimwarden.h"
#include "link/engine/panelCommands.h"
#include "link/panelPoll.h"
#include "link/panelDoor.h"
#include "platform/childFormRegistry.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3RelayGroupStatus)

frmB3RelayGroupStatus::frmB3RelayGroupStatus()
    : LiveForm(QStringLiteral("frmB3RelayGroupStatus"), QStringLiteral("Group Status"))
{
    buildSwitchRows(QStringLiteral("Group "), lblGroupName, lblGroupStatus, cmdTurnOff, cmdTurnOn,
                    [this](int i) { cmdTurnOff_Click(i); }, [this](int i) { cmdTurnOn_Click(i); });
}

void frmB3RelayGroupStatus::showConnected() { showNamedRows(kLiveRows, tConfig.sGroupName, lblGroupName); }

void frmB3RelayGroupStatus::ShowGroupStatus()
{
    const auto page = QueryItemPage(this, panelCommand::ReadGroupStatus());
    if (!page) return;
    for (int g = 0; g < kLiveRows; ++g) {
        const auto at = static_cast<std::size_t>(g);
        const ItemState state = DefinableItemState((*page)[at]);
        const bool defined = state != ItemState::NotDefined;
        cmdTurnOff[at]->setVisible(defined);
        cmdTurnOn[at]->setVisible(defined);
        setDefinableLamp(lblGroupStatus[at], state, QStringLiteral("On"));
    }
}

void frmB3RelayGroupStatus::switchGroup(int group, bool on)
{
    SendClickCommand(this, panelCommand::SwitchGroup(group, on));
}

void frmB3RelayGroupStatus::cmdTurnOff_Click(int Index) { switchGroup(Index, false); }
void frmB3RelayGroupStatus::cmdTurnOn_Click(int Index) { switchGroup(Index, true); }
