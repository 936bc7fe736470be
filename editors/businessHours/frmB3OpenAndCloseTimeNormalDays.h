#pragma once
// The business open and close time of each weekday.

#include "editors/gridEditor.h"
#include "editors/quarterHourCells.h"
#include "platform/childForm.h"

class frmB3OpenAndCloseTimeNormalDays : public ChildForm {
    Q_OBJECT
public:
    frmB3OpenAndCloseTimeNormalDays();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowOpenCloseTimes();
    void lblOpenTime_Click(int Index);
    void lblCloseTime_Click(int Index);
    void cboNewTime_Click();

    GridEditor grid;
    QuarterHourCells times;
    LabelArray lblDayOfWeek;
    LabelArray& lblOpenTime{times.firstCells};
    LabelArray& lblCloseTime{times.secondCells};
    VbLabel* lblOpenHeader;
    VbLabel* lblCloseHeader;
    VbComboBox*& cboNewTime{times.list};
};
