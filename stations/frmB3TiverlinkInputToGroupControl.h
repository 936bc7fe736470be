#pragma once
// What each input of a networked station does to the 48 groups.

#include "stations/stationInputControlForm.h"

class frmB3TiverlinkInputToGroupControl : public StationInputControlForm {
    Q_OBJECT
public:
    frmB3TiverlinkInputToGroupControl();

    LabelArray& lblGroupName{targetNames};
};
