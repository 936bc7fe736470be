#pragma once
// What each input's pilot lamp of one networked station follows: held off or on, or
// on while a relay, group or preset is on. The pilots can also be worked out from
// what the inputs control, for the station shown or for all stations.

#include <cstdint>

#include "editors/gridEditor.h"
#include "platform/childForm.h"

class QPushButton;

class frmB3TiverlinkPilots : public ChildForm {
    Q_OBJECT
public:
    frmB3TiverlinkPilots();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowPilotConfiguration();
    void cboTiverlinkDevice_Click();
    void lblPilotSource_Click(int Index);
    void lblPilotNumber_Click(int Index);
    void cboNewSource_Click();
    void cboNewNumber_Click();
    void cmdAutoMapThisTL_Click();
    void cmdAutoMapAllTL_Click();

    GridEditor grid;
    VbComboBox* cboTiverlinkDevice;
    LabelArray lblInputName;
    LabelArray lblPilotSource;
    LabelArray lblPilotNumber;
    VbComboBox* cboNewSource;
    VbComboBox* cboNewNumber;
    QPushButton* cmdAutoMapThisTL;
    QPushButton* cmdAutoMapAllTL;
    int16_t iSelectedInput = 0;

private:
    int16_t& selectedPilot();
    // Stores a word picked from a list into the input whose list was opened.
    void storePilot(VbComboBox* list, int16_t (*edit)(int16_t word, int entry));
};
