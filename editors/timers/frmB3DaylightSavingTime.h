#pragma once
// Whether the panel's clock follows daylight saving time, and the Sunday and month on
// which it starts and ends.

#include "platform/childForm.h"

class QGroupBox;
class VbCheckBox;
class VbComboBox;
class VbLabel;

class frmB3DaylightSavingTime : public ChildForm {
    Q_OBJECT
public:
    frmB3DaylightSavingTime();

    void Form_Activate() override;
    void DSTOptEn(bool bEnabled);

    void chkEnableDaylightSavingTime_Click();
    void cboDSTStartWeek_Click();
    void cboDSTStartMonth_Click();
    void cboDSTEndWeek_Click();
    void cboDSTEndMonth_Click();

    QGroupBox* Frame1;
    VbCheckBox* chkEnableDaylightSavingTime;
    VbLabel* lblDSTStarts;
    VbComboBox* cboDSTStartWeek;
    VbLabel* lblDSTStartOf;
    VbComboBox* cboDSTStartMonth;
    VbLabel* lblDSTEnds;
    VbComboBox* cboDSTEndWeek;
    VbLabel* lblDSTEndOf;
    VbComboBox* cboDSTEndMonth;
};
