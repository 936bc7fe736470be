#pragma once
// What each local input does to the 48 groups.

#include "editors/inputs/inputControlForm.h"

class frmB3InputToGroupControl : public InputControlForm {
    Q_OBJECT
public:
    frmB3InputToGroupControl();

    LabelArray& lblGroupName{targetNames};
};
