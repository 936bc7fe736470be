#include "editors/inputs/frmB3InputToRelayControl.h"

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3InputToRelayControl)

frmB3InputToRelayControl::frmB3InputToRelayControl()
    : InputControlForm(QStringLiteral("frmB3InputToRelayControl"), QStringLiteral("Input To Relay Control"),
                       InputControlTable::Relays, tConfig.iInputToRelayControl),
      cboPreset(addPresetList())
{
}
