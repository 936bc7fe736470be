#pragma once
// Type of each installed local input, and the minutes of a Timed On input.

#include <cstdint>

#include "editors/gridEditor.h"
#include "platform/childForm.h"

class frmB3InputOptions : public ChildForm {
    Q_OBJECT
public:
    frmB3InputOptions();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowInputConfiguration();
    void lblInputType_Click(int Index);
    void lblInputTimedOn_Click(int Index);
    void cboNewType_Click();
    void cboNewTime_Click();

    GridEditor grid;
    LabelArray lblInputName;
    LabelArray lblInputType;
    LabelArray lblInputTimedOn;
    VbComboBox* cboNewType;
    VbComboBox* cboNewTime;
    int16_t iSelectedInput = 0;
};
