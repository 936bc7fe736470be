#pragma once
// What each local input does to the relays, local inputs or timers its type acts on,
// and the preset a Set Preset input recalls.

#include "editors/inputs/inputControlForm.h"

class frmB3InputToRelayControl : public InputControlForm {
    Q_OBJECT
public:
    frmB3InputToRelayControl();

    LabelArray& lblRelayName{targetNames};
    VbComboBox* cboPreset;
};
