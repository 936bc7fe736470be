#include "editors/businessHours/frmB3OpenAndCloseTimeSingleDates.h"

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "editors/engine/listEntries.h"
#include "editors/settingControls.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"

B3_REGISTER_CHILD_FORM(frmB3OpenAndCloseTimeSingleDates)

namespace {

// February always has 29 rows: the table is the same every year.
constexpr std::array<int16_t, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDayRows = 31;
// A date without a time holds 100; anything from 100 up shows as none.
constexpr int16_t kNoTime = 100;
constexpr int kClearEntry = 0;

constexpr int kDateLeft = 3960;
constexpr int kOpenLeft = kDateLeft + 720;
constexpr int kCloseLeft = kDateLeft + 1560;
const CellLook kDateLook{615, 0xC0C0C0, Qt::AlignCenter};
const CellLook kTimeLook{795, 0xE0E0E0, Qt::AlignCenter};
const CellLook kDateHeaderLook{615, 0xFFFF00, Qt::AlignCenter, false};
const CellLook kTimeHeaderLook{795, 0xFFFF00, Qt::AlignCenter, false};

bool hasTime(int16_t time) { return time < kNoTime; }

QString timeText(int16_t time) { return hasTime(time) ? toQ(quarterHourCellText(time)) : QStringLiteral("--:--"); }

// "Clear" for no time, entry q + 1 for quarter hour q; none for 96..99 or below 0.
int timeEntry(int16_t time)
{
    if (!hasTime(time)) return kClearEntry;
    const int quarterHour = listPosition(time, 0, kQuarterHours);
    return quarterHour < 0 ? -1 : quarterHour + 1;
}

} // namespace

frmB3OpenAndCloseTimeSingleDates::frmB3OpenAndCloseTimeSingleDates()
    : ChildForm(QStringLiteral("frmB3OpenAndCloseTimeSingleDates")),
      grid(this, GridGeometry{420, 3600, 360, 16, kDayRows})
{
    setCaption(QStringLiteral("Open And Close Time Single Dates"));
    setTwipsSize(10200, 6360);

    for (int m = 0; m < 12; ++m)
        optMonth[m] = addButton<VbOptionButton>(this, toQ(std::string(kMonthNames[m])), 240, 420 + 360 * m, 1440);
    lblDate = grid.addCells(kDateLeft, kDateLook);
    for (int d = 0; d < kDayRows; ++d) lblDate[d]->setCaption(toQ(FormatNumber(d + 1)));
    lblOpenTime = grid.addCells(kOpenLeft, kTimeLook);
    lblCloseTime = grid.addCells(kCloseLeft, kTimeLook);
    lblDateHeader = grid.addHeaders(QStringLiteral("Date"), kDateLeft, 60, kDateHeaderLook);
    lblOpenHeader = grid.addHeaders(QStringLiteral("Open"), kOpenLeft, 60, kTimeHeaderLook);
    lblCloseHeader = grid.addHeaders(QStringLiteral("Close"), kCloseLeft, 60, kTimeHeaderLook);
    for (const LabelArray* headers : {&lblDateHeader, &lblOpenHeader, &lblCloseHeader})
        showHeaders(*headers, kDayRows);
    // The list spans the whole gap to the close column, so "Clear" is not cut.
    cboNewTime = grid.addList(kCloseLeft - kOpenLeft,
                              QStringList{QStringLiteral("Clear")} + listEntries(quarterHourEntries()));

    connectArray(optMonth, &VbOptionButton::Click, [this](int i) { optMonth_Click(i); });
    connectArray(lblOpenTime, &VbLabel::Click, [this](int i) { lblOpenTime_Click(i); });
    connectArray(lblCloseTime, &VbLabel::Click, [this](int i) { lblCloseTime_Click(i); });
    connect(cboNewTime, &VbComboBox::Click, this, &frmB3OpenAndCloseTimeSingleDates::cboNewTime_Click);
    optMonth[0]->setValue(true);
}

void frmB3OpenAndCloseTimeSingleDates::Form_Activate()
{
    cboNewTime->hide();
    ShowOpenCloseTimes();
}

void frmB3OpenAndCloseTimeSingleDates::Form_Click() { cboNewTime->hide(); }

void frmB3OpenAndCloseTimeSingleDates::optMonth_Click(int Index)
{
    iDaysInSelectedMonth = kDaysInMonth[Index];
    iSelectedMonth = static_cast<int16_t>(Index);
    // An open list belongs to a day of the month shown before.
    cboNewTime->hide();
    ShowOpenCloseTimes();
}

void frmB3OpenAndCloseTimeSingleDates::ShowOpenCloseTimes()
{
    for (int d = 0; d < iDaysInSelectedMonth; ++d) {
        lblOpenTime[d]->setCaption(timeText(tConfig.iDateOpenTime(iSelectedMonth, d)));
        lblCloseTime[d]->setCaption(timeText(tConfig.iDateCloseTime(iSelectedMonth, d)));
    }
    showRows({&lblDate, &lblOpenTime, &lblCloseTime}, iDaysInSelectedMonth);
}

void frmB3OpenAndCloseTimeSingleDates::openCell(bool openColumn, int day)
{
    bEditingOpenTime = openColumn ? VbTrue : VbFalse;
    iSelectedDay = static_cast<int16_t>(day);
    const int16_t time = (openColumn ? tConfig.iDateOpenTime : tConfig.iDateCloseTime)(iSelectedMonth, day);
    // Quiet: opening a cell stores nothing, so a date's other time is never cleared unasked.
    grid.openList(cboNewTime, (openColumn ? lblOpenTime : lblCloseTime)[day], timeEntry(time), 0,
                  GridEditor::Preset::Quiet);
    bChanged = VbTrue;
}

void frmB3OpenAndCloseTimeSingleDates::lblOpenTime_Click(int Index) { openCell(true, Index); }

void frmB3OpenAndCloseTimeSingleDates::lblCloseTime_Click(int Index) { openCell(false, Index); }

void frmB3OpenAndCloseTimeSingleDates::cboNewTime_Click()
{
    int16_t& open = tConfig.iDateOpenTime(iSelectedMonth, iSelectedDay);
    int16_t& close = tConfig.iDateCloseTime(iSelectedMonth, iSelectedDay);
    storeChosenEntry(
        cboNewTime,
        [&](int16_t entry) {
            if (entry == kClearEntry) {
                open = close = kNoTime;
                return;
            }
            // A date with one time gets midnight for the other.
            int16_t& chosen = bEditingOpenTime ? open : close;
            int16_t& other = bEditingOpenTime ? close : open;
            chosen = static_cast<int16_t>(entry - 1);
            if (!hasTime(other)) other = 0;
        },
        [this] { ShowOpenCloseTimes(); });
}
