#include "live/frmB3InputStatus.h"

#include "core/modB3Glimwarden.h"
#include "live/engine/liveItemStates.h"
#include "link/engine/panelCommands.h"
#include "link/panelPoll.h"
#include "platform/childFormRegistry.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3InputStatus)

frmB3InputStatus::frmB3InputStatus() : LiveForm(QStringLiteral("frmB3InputStatus"), QStringLiteral("Input Status"))
{
    for (int i = 0; i < kLiveRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        lblInputName[at] = makeRowNameLabel(this, i, QStringLiteral("Input "));
        lblInputOffStatus[at] = makeRowLamp(this, i, 1920, QStringLiteral("Off"), kDarkLampColour);
        lblInputOnStatus[at] = makeRowLamp(this, i, 2400, QStringLiteral("On"), kDarkLampColour);
        addRowControls(i, {lblInputName[at], lblInputOffStatus[at], lblInputOnStatus[at]});
    }
}

void frmB3InputStatus::showConnected() { showNamedRows(GetIOPointCount(), tConfig.sInputName, lblInputName); }

void frmB3InputStatus::ShowInputStatus()
{
    const auto page = QueryItemPage(this, panelCommand::ReadInputStatus());
    if (!page) return;
    const int count = GetIOPointCount();
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        // Only the contact states 0 to 3 exist; any other value leaves the lamps alone.
        const int contacts = InputContacts((*page)[at]);
        if (contacts < 0 || contacts > 3) continue;
        setLampColour(lblInputOffStatus[at], (contacts & 2) != 0);
        setLampColour(lblInputOnStatus[at], (contacts & 1) != 0);
    }
}
