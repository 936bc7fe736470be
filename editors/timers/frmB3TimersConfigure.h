#pragma once
// One timer at a time: when it fires (a clock time, or an offset from sunrise/sunset
// or from opening/closing) and on which days (a weekday mask, or one holiday date).

#include <array>
#include <cstdint>

#include "editors/timers/engine/timerTime.h"
#include "platform/childForm.h"

class QGroupBox;
class VbCheckBox;
class VbComboBox;
class VbLabel;
class VbOptionButton;

class frmB3TimersConfigure : public ChildForm {
    Q_OBJECT
public:
    frmB3TimersConfigure();

    void Form_Activate() override;
    void ShowTimerSettings();

    void cboTimerNumber_Click();
    void optTimeType_Click(int Index);
    void optDaysType_Click(int Index);
    void cboNormalTimeHour_Click();
    void cboNormalTimeAmPm_Click();
    void cboNormalTimeMinute_Click();
    void cboAstroType_Click();
    void cboOpenCloseType_Click();
    void cboMinuteFromAstro_Click();
    void cboMinuteFromOpenClose_Click();
    void cboHolidayMonth_Click();
    void cboHolidayDate_Click();
    void chkDays_Click(int Index);

    VbLabel* lblTimer;
    VbComboBox* cboTimerNumber;
    QGroupBox* Frame1;
    std::array<VbOptionButton*, 3> optTimeType{};
    VbComboBox* cboNormalTimeHour;
    VbComboBox* cboNormalTimeMinute;
    VbComboBox* cboNormalTimeAmPm;
    VbComboBox* cboAstroType;
    VbComboBox* cboMinuteFromAstro;
    VbComboBox* cboOpenCloseType;
    VbComboBox* cboMinuteFromOpenClose;
    QGroupBox* Frame2;
    std::array<VbCheckBox*, 8> chkDays{};
    std::array<VbOptionButton*, 2> optDaysType{};
    VbComboBox* cboHolidayMonth;
    VbComboBox* cboHolidayDate;

    int16_t bLoading = 0;
    int16_t bShowingTime = 0;

private:
    // The shown timer, -1 while the list has none selected.
    int timer() const;
    void showFamilyLists(TimerFamily family);
    void storeNormalHour();
    void storeRelativeType(const VbComboBox* list);
    void storeOffset(const VbComboBox* list);
};
