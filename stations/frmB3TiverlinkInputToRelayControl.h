#pragma once
// What each input of a networked station does to the installed relays (to the timers
// for a "4 Input" Timer Disable input), and the preset a Set Preset input recalls.

#include "stations/stationInputControlForm.h"

class frmB3TiverlinkInputToRelayControl : public StationInputControlForm {
    Q_OBJECT
public:
    frmB3TiverlinkInputToRelayControl();

    LabelArray& lblRelayName{targetNames};
    VbComboBox* cboPreset;
};
