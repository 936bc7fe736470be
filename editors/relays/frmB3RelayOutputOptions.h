#pragma once
// Timer type and power-on type of each installed relay.

#include <cstdint>

#include "editors/gridEditor.h"
#include "platform/childForm.h"

class frmB3RelayOutputOptions : public ChildForm {
    Q_OBJECT
public:
    frmB3RelayOutputOptions();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowRelayConfiguration();
    void lblTimerType_Click(int Index);
    void lblPowerOnType_Click(int Index);
    void cboNewTimerType_Click();
    void cboNewPowerOnType_Click();
    void lblRelayName_MouseDown(int Index, int Button, int Shift);

    GridEditor grid;
    LabelArray lblRelayName;
    LabelArray lblTimerType;
    LabelArray lblPowerOnType;
    LabelArray lblTimerTypeHeater;
    LabelArray lblPowerUpHeader;
    VbComboBox* cboNewTimerType;
    VbComboBox* cboNewPowerOnType;
    int16_t iCurrentRow = 0;
};
