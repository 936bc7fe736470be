#include "stations/frmB3TiverlinkInputToRelayControl.h"

#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3TiverlinkInputToRelayControl)

frmB3TiverlinkInputToRelayControl::frmB3TiverlinkInputToRelayControl()
    : StationInputControlForm(QStringLiteral("frmB3TiverlinkInputToRelayControl"),
                              QStringLiteral("Tiverlink Input To Relay Control"), InputControlTable::Relays),
      cboPreset(addPresetList())
{
}
