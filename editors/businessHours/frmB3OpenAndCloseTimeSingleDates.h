#pragma once
// Open and close times of single dates of the year, which replace the weekday times
// on those dates: one month at a time, a row per day with an open and a close cell.

#include <array>
#include <cstdint>

#include "editors/gridEditor.h"
#include "platform/childForm.h"

class frmB3OpenAndCloseTimeSingleDates : public ChildForm {
    Q_OBJECT
public:
    frmB3OpenAndCloseTimeSingleDates();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowOpenCloseTimes();

    void optMonth_Click(int Index);
    void lblOpenTime_Click(int Index);
    void lblCloseTime_Click(int Index);
    void cboNewTime_Click();

    GridEditor grid;
    std::array<VbOptionButton*, 12> optMonth{};
    LabelArray lblDate;
    LabelArray lblOpenTime;
    LabelArray lblCloseTime;
    LabelArray lblDateHeader;
    LabelArray lblOpenHeader;
    LabelArray lblCloseHeader;
    VbComboBox* cboNewTime;

    int16_t bEditingOpenTime = VbFalse;
    int16_t iSelectedMonth = 0;
    int16_t iSelectedDay = 0;
    int16_t iDaysInSelectedMonth = 31;

private:
    void openCell(bool openColumn, int day);
};
