#include "editors/frmB3InputToRelayControl.h"

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3InputToRelayControl)

frmB3InputToRelayControl::frmB3InputToRelayControl()
    : InputControlForm(QStringLiteral("frmB3InputToRelayControl"), QStringLiteral("Input To Relay Control"),
                       InputControlTable::Relays, tConfig.iInputToRelayControl)
{
    cboPreset = grid.addSelector(240, 840, 2175);
    cboPreset->hide();
    connect(cboPreset, &VbComboBox::Click, this, &frmB3InputToRelayControl::cboPreset_Click);
}

void frmB3InputToRelayControl::Form_Activate()
{
    cboPreset->setItems(nameEntries(tConfig.sPresetName, 48));
    InputControlForm::Form_Activate();
}

void frmB3InputToRelayControl::cboPreset_Click()
{
    const int i = cboInput->ListIndex();
    const int p = cboPreset->ListIndex();
    if (i < 0 || p < 0) return;
    tConfig.iInputPreset[i] = static_cast<int16_t>(p);
    bChanged = VbTrue;
}

void frmB3InputToRelayControl::showPresetList(bool visible) { cboPreset->setVisible(visible); }

void frmB3InputToRelayControl::selectPreset(int input) { cboPreset->setListIndex(tConfig.iInputPreset[input]); }
