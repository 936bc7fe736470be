#pragma once
// The time of day each installed local input is enabled and disabled.

#include "editors/gridEditor.h"
#include "editors/quarterHourCells.h"
#include "platform/childForm.h"

class frmB3InputActiveTimes : public ChildForm {
    Q_OBJECT
public:
    frmB3InputActiveTimes();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowEnableTimes();
    void lblInputEnableTime_Click(int Index);
    void lblInputDisableTime_Click(int Index);
    void cboNewTime_Click();

    GridEditor grid;
    QuarterHourCells times;
    LabelArray lblInputName;
    LabelArray& lblInputEnableTime{times.firstCells};
    LabelArray& lblInputDisableTime{times.secondCells};
    LabelArray lblInputEnableHeader;
    LabelArray lblInputDisableHeader;
    VbComboBox*& cboNewTime{times.list};
};
