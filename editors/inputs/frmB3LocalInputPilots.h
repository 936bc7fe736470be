#pragma once
// What each installed local input's pilot lamp follows: a source cell and a number
// cell over one pilot word.

#include <cstdint>

#include "editors/gridEditor.h"
#include "platform/childForm.h"

class frmB3LocalInputPilots : public ChildForm {
    Q_OBJECT
public:
    frmB3LocalInputPilots();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowPilotConfiguration();
    void lblPilotSource_Click(int Index);
    void lblPilotNumber_Click(int Index);
    void cboNewSource_Click();
    void cboNewNumber_Click();

    GridEditor grid;
    LabelArray lblInputName;
    LabelArray lblPilotSource;
    LabelArray lblPilotNumber;
    VbComboBox* cboNewSource;
    VbComboBox* cboNewNumber;
    int16_t iCurrentRow = 0;
};
