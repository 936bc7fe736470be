#pragma once
// What each preset does to each installed relay: nothing, on or off.

#include "editors/gridEditor.h"
#include "platform/childForm.h"

class frmB3EditPresets : public ChildForm {
    Q_OBJECT
public:
    frmB3EditPresets();

    void Form_Activate() override;
    void ShowRelayControl();
    void cboPresetNumber_Click();
    // Also the double click: two quick clicks advance the cell two steps.
    void lblRelayControl_Click(int Index);
    void lblRelayName_MouseDown(int Index, int Button, int Shift);

    GridEditor grid;
    VbComboBox* cboPresetNumber;
    LabelArray lblRelayName;
    LabelArray lblRelayControl;
};
