// Values no list has an entry for, as a damaged data file or an upload brings them:
// every form shows no selection or an empty cell and stores nothing by viewing. The
// action tables' codes above their lists are covered with the action grid.
#include <functional>

#include "editors/timers/frmB3AstroClockSettings.h"
#include "editors/timers/frmB3DaylightSavingTime.h"
#include "editors/businessHours/frmB3OpenAndCloseTimeSingleDates.h"
#include "editors/timers/frmB3TimersConfigure.h"
#include "gridFormDriver.h"
#include "support/widgetActions.h"

using namespace gridDriver;

namespace {

class DamagedTimeValues : public GridFormTest {};

using ShowsNothing = std::function<bool(ChildForm*)>;

template <class Form>
ShowsNothing noEntry(VbComboBox* Form::*list)
{
    return [list](ChildForm* form) { return (dynamic_cast<Form*>(form)->*list)->ListIndex() == -1; };
}

// January 1's open cell shows nothing and opens its list on no entry.
bool emptyFirstOpenCell(ChildForm* form)
{
    auto* f = dynamic_cast<frmB3OpenAndCloseTimeSingleDates*>(form);
    const bool empty = f->lblOpenTime[0]->caption().isEmpty();
    click(f->lblOpenTime[0]);
    return empty && f->cboNewTime->ListIndex() == -1;
}

struct Damage {
    const char* what;
    const char* form;
    std::function<void()> damage;
    ShowsNothing showsNothing;
};

} // namespace

TEST_F(DamagedTimeValues, ShowNoEntryAndSurviveViewing)
{
    using T = frmB3TimersConfigure;
    using D = frmB3DaylightSavingTime;
    using A = frmB3AstroClockSettings;
    const auto timer = [](int16_t code, int16_t minute) {
        return [=] { tConfig.iTimerTime[0] = code, tConfig.iTimerMinute[0] = minute; };
    };
    const auto holiday = [](int16_t month, int16_t date) {
        return [=] { tConfig.iTimerHolidayMonth[0] = month, tConfig.iTimerHolidayDate[0] = date; };
    };
    const Damage table[] = {
        {"minute 60", "frmB3TimersConfigure", timer(5, 60), noEntry(&T::cboNormalTimeMinute)},
        {"negative minute", "frmB3TimersConfigure", timer(5, -1), noEntry(&T::cboNormalTimeMinute)},
        {"negative code", "frmB3TimersConfigure", timer(-5, 0), noEntry(&T::cboNormalTimeAmPm)},
        {"negative code's hour", "frmB3TimersConfigure", timer(-12, 0), noEntry(&T::cboNormalTimeHour)},
        {"minute word 256", "frmB3TimersConfigure", timer(0x18, 256), noEntry(&T::cboMinuteFromAstro)},
        {"offset 1000", "frmB3TimersConfigure", timer(0x1B, 232), noEntry(&T::cboMinuteFromAstro)},
        {"offset 1023", "frmB3TimersConfigure", timer(0x9B, 255), noEntry(&T::cboMinuteFromOpenClose)},
        {"minute word 32767", "frmB3TimersConfigure", timer(0x9B, 32767), noEntry(&T::cboMinuteFromOpenClose)},
        {"holiday month 13", "frmB3TimersConfigure", holiday(13, 1), noEntry(&T::cboHolidayMonth)},
        {"holiday month -1", "frmB3TimersConfigure", holiday(-1, 1), noEntry(&T::cboHolidayMonth)},
        {"holiday date 0", "frmB3TimersConfigure", holiday(2, 0), noEntry(&T::cboHolidayDate)},
        {"holiday date 32", "frmB3TimersConfigure", holiday(2, 32), noEntry(&T::cboHolidayDate)},
        {"start week 0", "frmB3DaylightSavingTime", [] { tConfig.iDSTStartWeek = 0; }, noEntry(&D::cboDSTStartWeek)},
        {"end week 6", "frmB3DaylightSavingTime", [] { tConfig.iDSTEndWeek = 6; }, noEntry(&D::cboDSTEndWeek)},
        {"start month 0", "frmB3DaylightSavingTime", [] { tConfig.iDSTStartMonth = 0; }, noEntry(&D::cboDSTStartMonth)},
        {"end month 13", "frmB3DaylightSavingTime", [] { tConfig.iDSTEndMonth = 13; }, noEntry(&D::cboDSTEndMonth)},
        {"latitude 19", "frmB3AstroClockSettings", [] { tConfig.iLatitude = 19; }, noEntry(&A::cboLatitude)},
        {"latitude 66", "frmB3AstroClockSettings", [] { tConfig.iLatitude = 66; }, noEntry(&A::cboLatitude)},
        {"longitude 49", "frmB3AstroClockSettings", [] { tConfig.iLongitude = 49; }, noEntry(&A::cboLongitude)},
        {"longitude 151", "frmB3AstroClockSettings", [] { tConfig.iLongitude = 151; }, noEntry(&A::cboLongitude)},
        {"zone 5", "frmB3AstroClockSettings", [] { tConfig.iTimeZone = 5; }, noEntry(&A::cboTimeZone)},
        {"zone -1", "frmB3AstroClockSettings", [] { tConfig.iTimeZone = -1; }, noEntry(&A::cboTimeZone)},
        {"date time 96", "frmB3OpenAndCloseTimeSingleDates", [] { tConfig.iDateOpenTime(0, 0) = 96; },
         emptyFirstOpenCell},
        {"date time 99", "frmB3OpenAndCloseTimeSingleDates", [] { tConfig.iDateOpenTime(0, 0) = 99; },
         emptyFirstOpenCell},
        {"date time -1", "frmB3OpenAndCloseTimeSingleDates", [] { tConfig.iDateOpenTime(0, 0) = -1; },
         emptyFirstOpenCell},
    };
    for (const Damage& d : table) {
        SCOPED_TRACE(d.what);
        SetDefaultSettings();
        // The form has shown sound values before, so its lists hold entries.
        childForms::show(d.form);
        d.damage();
        const PanelConfig damaged = tConfig;
        ChildForm* form = childForms::show(d.form);
        EXPECT_TRUE(d.showsNothing(form));
        EXPECT_EQ(tConfig, damaged);
    }
}

TEST_F(DamagedTimeValues, AClockHourStoresOnlyWithBothHourAndHalfOfDay)
{
    tConfig.iTimerTime[0] = -5;
    auto* f = open<frmB3TimersConfigure>("frmB3TimersConfigure");
    choose(f->cboNormalTimeHour, 3);
    EXPECT_EQ(tConfig.iTimerTime[0], -5);
    choose(f->cboNormalTimeAmPm, 1);
    EXPECT_EQ(tConfig.iTimerTime[0], 15);
}
