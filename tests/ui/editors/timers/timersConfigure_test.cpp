#include <functional>

#include "editors/timers/frmB3TimersConfigure.h"
#include "gridFormDriver.h"
#include "support/widgetActions.h"

using namespace gridDriver;

namespace {

class TimersConfigure : public GridFormTest {
protected:
    frmB3TimersConfigure* openForm() { return open<frmB3TimersConfigure>("frmB3TimersConfigure"); }
};

int checkedTimeType(const frmB3TimersConfigure* f)
{
    for (int i = 0; i < 3; ++i)
        if (f->optTimeType[i]->isChecked()) return i;
    return -1;
}

} // namespace

TEST_F(TimersConfigure, AStoredTimeShowsInItsFamilysListsAndViewingStoresNothingElse)
{
    struct Case {
        int16_t code, minute;
        int family;
        QStringList shown;  // the family's visible lists, left to right
    };
    const Case cases[] = {
        {0, 0, 0, {"12:", "00", "AM"}},
        {23, 59, 0, {"11:", "59", "PM"}},
        {0x79, 44, 1, {"After Sunset", "300 Min"}},
        {0xB9, 30, 2, {"After Open", "286 Min"}},
    };
    frmB3TimersConfigure* f = openForm();
    EXPECT_EQ(f->windowTitle(), "Configure Timers");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        tConfig.iTimerTime[2] = c.code;
        tConfig.iTimerMinute[2] = c.minute;
        const PanelConfig before = tConfig;
        choose(f->cboTimerNumber, 2);
        EXPECT_EQ(tConfig, before);
        EXPECT_EQ(checkedTimeType(f), c.family);
        QStringList shown;
        for (VbComboBox* list : {f->cboNormalTimeHour, f->cboNormalTimeMinute, f->cboNormalTimeAmPm, f->cboAstroType,
                                 f->cboMinuteFromAstro, f->cboOpenCloseType, f->cboMinuteFromOpenClose})
            if (list->isVisible()) shown << list->currentText();
        EXPECT_EQ(shown, c.shown);
        EXPECT_TRUE(f->optDaysType[0]->isChecked());
        for (VbCheckBox* box : f->chkDays) EXPECT_EQ(box->Value(), 1);
    }
}

TEST_F(TimersConfigure, ChoicesStoreTheEncodedTime)
{
    using Act = std::function<void(frmB3TimersConfigure*)>;
    struct Case {
        const char* what;
        int16_t code, minute;
        Act act;
        int16_t expectedCode, expectedMinute;
    };
    const Case cases[] = {
        {"After Close 700 Min", 0, 0,
         [](auto* f) {
             clickWidget(f->optTimeType[2]);
             choose(f->cboOpenCloseType, 3);
             choose(f->cboMinuteFromOpenClose, 700);
         },
         250, 188},
        {"11: PM", 0, 0, [](auto* f) { choose(f->cboNormalTimeHour, 11), choose(f->cboNormalTimeAmPm, 1); }, 23, 0},
        {"12: PM", 0, 7, [](auto* f) { choose(f->cboNormalTimeAmPm, 1); }, 12, 7},
        {"AM keeps 11:", 23, 0, [](auto* f) { choose(f->cboNormalTimeAmPm, 0); }, 11, 0},
        {"999 Min", 0x18, 0, [](auto* f) { choose(f->cboMinuteFromAstro, 999); }, 0x1B, 231},
        {"Before Sunrise keeps the offset", 0x79, 44, [](auto* f) { choose(f->cboAstroType, 0); }, 0x19, 44},
        {"After Close to Astro", 0xF8, 5, [](auto* f) { clickWidget(f->optTimeType[1]); }, 24, 0},
        {"Astro to Open/Close", 0x79, 44, [](auto* f) { clickWidget(f->optTimeType[2]); }, 0x98, 0},
        {"Open/Close to Normal", 0xB9, 30, [](auto* f) { clickWidget(f->optTimeType[0]); }, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetDefaultSettings();
        tConfig.iTimerTime[0] = c.code;
        tConfig.iTimerMinute[0] = c.minute;
        frmB3TimersConfigure* f = openForm();
        bChanged = VbFalse;
        c.act(f);
        EXPECT_EQ(tConfig.iTimerTime[0], c.expectedCode);
        EXPECT_EQ(tConfig.iTimerMinute[0], c.expectedMinute);
        EXPECT_TRUE(bChanged);
    }
}

TEST_F(TimersConfigure, DaysAreAMaskOfExclusionsAndAHolidayIsOneDate)
{
    tConfig.iTimerHolidayDate[0] = 31;
    frmB3TimersConfigure* f = openForm();
    clickWidget(f->chkDays[0]);
    EXPECT_EQ(tConfig.iTimerDays[0], 1);
    clickWidget(f->chkDays[7]);
    EXPECT_EQ(tConfig.iTimerDays[0], 129);
    clickWidget(f->chkDays[0]);
    EXPECT_EQ(tConfig.iTimerDays[0], 128);

    clickWidget(f->optDaysType[1]);
    EXPECT_EQ(tConfig.iTimerHolidayMonth[0], 1);
    EXPECT_TRUE(f->optTimeType[0]->isChecked());
    EXPECT_FALSE(f->chkDays[0]->isVisible());
    EXPECT_EQ(f->cboHolidayMonth->currentText(), "January");
    EXPECT_EQ(f->cboHolidayDate->currentText(), "31");
    choose(f->cboHolidayMonth, 1);
    EXPECT_EQ(tConfig.iTimerHolidayMonth[0], 2);
    EXPECT_EQ(tConfig.iTimerHolidayDate[0], 31);

    clickWidget(f->optDaysType[0]);
    EXPECT_EQ(tConfig.iTimerHolidayMonth[0], 0);
    EXPECT_EQ(f->chkDays[7]->Value(), 0);
    EXPECT_EQ(tConfig.iTimerDays[0], 128);
}
