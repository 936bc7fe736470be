#pragma once
// Which installed relays belong to each group: one Yes/No toggle cell per relay.

#include "editors/gridEditor.h"
#include "platform/childForm.h"

class frmB3RelayGrouping : public ChildForm {
    Q_OBJECT
public:
    frmB3RelayGrouping();

    void Form_Activate() override;
    void ShowGroupConfiguration();
    void cboGroup_Click();
    void lblInclude_Click(int Index);
    void lblRelayName_MouseDown(int Index, int Button, int Shift);

    GridEditor grid;
    VbComboBox* cboGroup;
    LabelArray lblRelayName;
    LabelArray lblInclude;
};
