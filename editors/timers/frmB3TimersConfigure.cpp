#include "editors/timers/frmB3TimersConfigure.h"

#include <QGroupBox>

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "editors/engine/listEntries.h"
#include "editors/engine/loadingFlag.h"
#include "editors/gridEditor.h"
#include "editors/settingControls.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/twips.h"

B3_REGISTER_CHILD_FORM(frmB3TimersConfigure)

namespace {

constexpr std::array<std::string_view, 4> kAstroTypes = {"Before Sunrise", "After Sunrise", "Before Sunset",
                                                         "After Sunset"};
constexpr std::array<std::string_view, 4> kOpenCloseTypes = {"Before Open", "After Open", "Before Close",
                                                             "After Close"};
constexpr std::array<std::string_view, 2> kAmPm = {"AM", "PM"};
constexpr std::array<const char*, 3> kTimeTypeCaptions = {"Normal Time", "Astro Time", "Open/Close Time"};
constexpr std::array<const char*, 2> kDaysTypeCaptions = {"Normal Days", "Holiday"};

constexpr int kListLeft = 2040;

// "12:", then "1:" .. "11:": position = hour Mod 12.
QStringList hourEntries()
{
    return QStringList{QStringLiteral("12:")} + listEntries(suffixedNumberEntries(1, 11, ":"));
}

QStringList minuteEntries()
{
    QStringList entries;
    for (int m = 0; m <= 59; ++m) entries << toQ(Format00(m));
    return entries;
}

} // namespace

frmB3TimersConfigure::frmB3TimersConfigure() : ChildForm(QStringLiteral("frmB3TimersConfigure"))
{
    LoadingScope loading(bLoading);
    setCaption(QStringLiteral("Configure Timers"));
    setTwipsSize(6000, 4320);

    lblTimer = addCaption(this, QStringLiteral("Timer"), 240, 240, 720);
    cboTimerNumber = addDropDown(this, 960, 240, 2175, {});

    // Each frame groups its own option buttons: the time and the day type are chosen apart.
    Frame1 = placed(new QGroupBox(QStringLiteral("Time"), this), 240, 720, 5520, 1440);
    for (int i = 0; i < 3; ++i)
        optTimeType[i] = addButton<VbOptionButton>(Frame1, kTimeTypeCaptions[i], 120, 300 + 360 * i, 1800);
    cboNormalTimeHour = addDropDown(Frame1, kListLeft, 300, 720, hourEntries());
    cboNormalTimeMinute = addDropDown(Frame1, kListLeft + 780, 300, 720, minuteEntries());
    cboNormalTimeAmPm = addDropDown(Frame1, kListLeft + 1560, 300, 720, listEntries(kAmPm));
    const QStringList offsetEntries = listEntries(suffixedNumberEntries(0, kRelativeOffsets - 1, " Min"));
    cboAstroType = addDropDown(Frame1, kListLeft, 300, 1800, listEntries(kAstroTypes));
    cboMinuteFromAstro = addDropDown(Frame1, kListLeft + 1860, 300, 1200, offsetEntries);
    cboOpenCloseType = addDropDown(Frame1, kListLeft, 300, 1800, listEntries(kOpenCloseTypes));
    cboMinuteFromOpenClose =
        addDropDown(Frame1, kListLeft + 1860, 300, 1200, offsetEntries);

    Frame2 = placed(new QGroupBox(QStringLiteral("Day"), this), 240, 2280, 5520, 1800);
    for (int i = 0; i < 2; ++i)
        optDaysType[i] = addButton<VbOptionButton>(Frame2, kDaysTypeCaptions[i], 120, 300 + 360 * i, 1800);
    for (int i = 0; i < 8; ++i) {
        const char* caption = i < 7 ? kWeekdayNames[i].data() : "Ignore Holidays";
        chkDays[i] = addButton<VbCheckBox>(Frame2, caption, kListLeft + 1680 * (i / 4), 300 + 330 * (i % 4), 1620);
    }
    cboHolidayMonth = addDropDown(Frame2, kListLeft, 300, 1500, listEntries(kMonthNames));
    cboHolidayDate = addDropDown(Frame2, kListLeft + 1560, 300, 720, listEntries(suffixedNumberEntries(1, 31, "")));

    for (VbComboBox* list : {cboNormalTimeHour, cboNormalTimeMinute, cboNormalTimeAmPm, cboAstroType,
                             cboMinuteFromAstro, cboOpenCloseType, cboMinuteFromOpenClose, cboHolidayMonth,
                             cboHolidayDate})
        list->setListIndex(0);
    showFamilyLists(TimerFamily::Normal);
    cboHolidayMonth->hide();
    cboHolidayDate->hide();

    connect(cboTimerNumber, &VbComboBox::Click, this, &frmB3TimersConfigure::cboTimerNumber_Click);
    connectArray(optTimeType, &VbOptionButton::Click, [this](int i) { optTimeType_Click(i); });
    connectArray(optDaysType, &VbOptionButton::Click, [this](int i) { optDaysType_Click(i); });
    connectArray(chkDays, &VbCheckBox::Click, [this](int i) { chkDays_Click(i); });
    connect(cboNormalTimeHour, &VbComboBox::Click, this, &frmB3TimersConfigure::cboNormalTimeHour_Click);
    connect(cboNormalTimeAmPm, &VbComboBox::Click, this, &frmB3TimersConfigure::cboNormalTimeAmPm_Click);
    connect(cboNormalTimeMinute, &VbComboBox::Click, this, &frmB3TimersConfigure::cboNormalTimeMinute_Click);
    connect(cboAstroType, &VbComboBox::Click, this, &frmB3TimersConfigure::cboAstroType_Click);
    connect(cboOpenCloseType, &VbComboBox::Click, this, &frmB3TimersConfigure::cboOpenCloseType_Click);
    connect(cboMinuteFromAstro, &VbComboBox::Click, this, &frmB3TimersConfigure::cboMinuteFromAstro_Click);
    connect(cboMinuteFromOpenClose, &VbComboBox::Click, this, &frmB3TimersConfigure::cboMinuteFromOpenClose_Click);
    connect(cboHolidayMonth, &VbComboBox::Click, this, &frmB3TimersConfigure::cboHolidayMonth_Click);
    connect(cboHolidayDate, &VbComboBox::Click, this, &frmB3TimersConfigure::cboHolidayDate_Click);
}

int frmB3TimersConfigure::timer() const { return cboTimerNumber->ListIndex(); }

void frmB3TimersConfigure::Form_Activate()
{
    cboTimerNumber->setItems(nameEntries(tConfig.sTimerName, 48));
    cboTimerNumber->setListIndex(0);
    ShowTimerSettings();
}

void frmB3TimersConfigure::cboTimerNumber_Click()
{
    const int t = timer();
    if (bLoading || t < 0) return;
    optTimeType[static_cast<int>(timerFamily(tConfig.iTimerTime[t]))]->setValue(true);
    optDaysType[tConfig.iTimerHolidayMonth[t] == 0 ? 0 : 1]->setValue(true);
    ShowTimerSettings();
}

void frmB3TimersConfigure::ShowTimerSettings()
{
    const int t = timer();
    if (t < 0) return;
    const TimerTime time{tConfig.iTimerTime[t], tConfig.iTimerMinute[t]};
    switch (timerFamily(time.code)) {
    case TimerFamily::Normal: {
        LoadingScope showing(bShowingTime);
        cboNormalTimeHour->setListIndex(hourEntry(time.code));
        cboNormalTimeMinute->setListIndex(time.minute);
        cboNormalTimeAmPm->setListIndex(amPmEntry(time.code));
        break;
    }
    case TimerFamily::Astro:
        cboAstroType->setListIndex(relativeTypeEntry(time.code));
        cboMinuteFromAstro->setListIndex(offsetEntry(time));
        break;
    case TimerFamily::OpenClose:
        cboOpenCloseType->setListIndex(relativeTypeEntry(time.code));
        cboMinuteFromOpenClose->setListIndex(offsetEntry(time));
        break;
    }
    // A timer edited before may have changed meanwhile: read t's values afresh.
    if (tConfig.iTimerHolidayMonth[t] != 0) {
        cboHolidayMonth->setListIndex(tConfig.iTimerHolidayMonth[t] - 1);
        cboHolidayDate->setListIndex(tConfig.iTimerHolidayDate[t] - 1);
    } else {
        for (int i = 0; i < 8; ++i) chkDays[i]->setValue(dayTicked(tConfig.iTimerDays[t], i) ? 1 : 0);
    }
}

void frmB3TimersConfigure::showFamilyLists(TimerFamily family)
{
    for (VbComboBox* list : {cboNormalTimeHour, cboNormalTimeMinute, cboNormalTimeAmPm})
        list->setVisible(family == TimerFamily::Normal);
    for (VbComboBox* list : {cboAstroType, cboMinuteFromAstro}) list->setVisible(family == TimerFamily::Astro);
    for (VbComboBox* list : {cboOpenCloseType, cboMinuteFromOpenClose})
        list->setVisible(family == TimerFamily::OpenClose);
}

void frmB3TimersConfigure::optTimeType_Click(int Index)
{
    const int t = timer();
    if (bLoading || t < 0) return;
    bChanged = VbTrue;
    const auto family = static_cast<TimerFamily>(Index);
    showFamilyLists(family);
    const TimerTime time = inFamily({tConfig.iTimerTime[t], tConfig.iTimerMinute[t]}, family);
    tConfig.iTimerTime[t] = time.code;
    tConfig.iTimerMinute[t] = time.minute;
    ShowTimerSettings();
}

void frmB3TimersConfigure::optDaysType_Click(int Index)
{
    const int t = timer();
    if (bLoading || t < 0) return;
    bChanged = VbTrue;
    const bool holiday = Index == 1;
    for (VbCheckBox* box : chkDays) box->setVisible(!holiday);
    cboHolidayMonth->setVisible(holiday);
    cboHolidayDate->setVisible(holiday);
    if (!holiday) tConfig.iTimerHolidayMonth[t] = 0;
    else if (tConfig.iTimerHolidayMonth[t] == 0) tConfig.iTimerHolidayMonth[t] = 1;
    ShowTimerSettings();
}

void frmB3TimersConfigure::storeNormalHour()
{
    const int t = timer();
    const int hour = cboNormalTimeHour->ListIndex();
    const int amPm = cboNormalTimeAmPm->ListIndex();
    if (bLoading || bShowingTime || t < 0 || hour < 0 || amPm < 0) return;
    tConfig.iTimerTime[t] = normalCode(amPm, hour);
    bChanged = VbTrue;
}

void frmB3TimersConfigure::cboNormalTimeHour_Click() { storeNormalHour(); }

void frmB3TimersConfigure::cboNormalTimeAmPm_Click() { storeNormalHour(); }

void frmB3TimersConfigure::cboNormalTimeMinute_Click()
{
    const int t = timer();
    if (!bLoading && t >= 0) storeListEntry(cboNormalTimeMinute, tConfig.iTimerMinute[t]);
}

void frmB3TimersConfigure::storeRelativeType(const VbComboBox* list)
{
    const int t = timer();
    const int type = list->ListIndex();
    if (bLoading || t < 0 || type < 0) return;
    tConfig.iTimerTime[t] = withRelativeType(tConfig.iTimerTime[t], type);
    bChanged = VbTrue;
}

void frmB3TimersConfigure::cboAstroType_Click() { storeRelativeType(cboAstroType); }

void frmB3TimersConfigure::cboOpenCloseType_Click() { storeRelativeType(cboOpenCloseType); }

void frmB3TimersConfigure::storeOffset(const VbComboBox* list)
{
    const int t = timer();
    const int offset = list->ListIndex();
    if (bLoading || t < 0 || offset < 0) return;
    const TimerTime time = withOffset({tConfig.iTimerTime[t], tConfig.iTimerMinute[t]}, offset);
    tConfig.iTimerTime[t] = time.code;
    tConfig.iTimerMinute[t] = time.minute;
    bChanged = VbTrue;
}

void frmB3TimersConfigure::cboMinuteFromAstro_Click() { storeOffset(cboMinuteFromAstro); }

void frmB3TimersConfigure::cboMinuteFromOpenClose_Click() { storeOffset(cboMinuteFromOpenClose); }

void frmB3TimersConfigure::cboHolidayMonth_Click()
{
    const int t = timer();
    if (!bLoading && t >= 0) storeListEntry(cboHolidayMonth, tConfig.iTimerHolidayMonth[t], 1);
}

void frmB3TimersConfigure::cboHolidayDate_Click()
{
    const int t = timer();
    if (!bLoading && t >= 0) storeListEntry(cboHolidayDate, tConfig.iTimerHolidayDate[t], 1);
}

void frmB3TimersConfigure::chkDays_Click(int Index)
{
    const int t = timer();
    if (t < 0) return;
    tConfig.iTimerDays[t] = withDayTicked(tConfig.iTimerDays[t], Index, chkDays[Index]->Value() == 1);
    bChanged = VbTrue;
}
