#include "editors/timers/frmB3DaylightSavingTime.h"

#include <QGroupBox>

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "editors/gridEditor.h"
#include "editors/settingControls.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3DaylightSavingTime)

namespace {

constexpr std::array<std::string_view, 5> kSundays = {"1st Sunday", "2nd Sunday", "3rd Sunday", "4th Sunday",
                                                      "Last Sunday"};

// Week and month fields hold their list position + 1.
constexpr int kFirstEntryValue = 1;

} // namespace

frmB3DaylightSavingTime::frmB3DaylightSavingTime() : ChildForm(QStringLiteral("frmB3DaylightSavingTime"))
{
    setCaption(QStringLiteral("Daylight Saving Time"));
    setTwipsSize(6240, 2280);

    Frame1 = placed(new QGroupBox(QStringLiteral("Daylight Saving Time"), this), 120, 120, 6000, 2040);
    chkEnableDaylightSavingTime = addButton<VbCheckBox>(
        Frame1, QStringLiteral("Enable Automatic Daylight Saving Time Adjustment"), 240, 360, 5520);
    lblDSTStarts = addCaption(Frame1, QStringLiteral("DST Starts"), 240, 900, 1080);
    cboDSTStartWeek = addDropDown(Frame1, 1380, 900, 1680, listEntries(kSundays));
    lblDSTStartOf = addCaption(Frame1, QStringLiteral("Of"), 3180, 900, 360);
    cboDSTStartMonth = addDropDown(Frame1, 3600, 900, 1080, listEntries(kMonthAbbreviations));
    lblDSTEnds = addCaption(Frame1, QStringLiteral("DST Ends"), 240, 1380, 1080);
    cboDSTEndWeek = addDropDown(Frame1, 1380, 1380, 1680, listEntries(kSundays));
    lblDSTEndOf = addCaption(Frame1, QStringLiteral("Of"), 3180, 1380, 360);
    cboDSTEndMonth = addDropDown(Frame1, 3600, 1380, 1080, listEntries(kMonthAbbreviations));

    connect(chkEnableDaylightSavingTime, &VbCheckBox::Click, this,
            &frmB3DaylightSavingTime::chkEnableDaylightSavingTime_Click);
    connect(cboDSTStartWeek, &VbComboBox::Click, this, &frmB3DaylightSavingTime::cboDSTStartWeek_Click);
    connect(cboDSTStartMonth, &VbComboBox::Click, this, &frmB3DaylightSavingTime::cboDSTStartMonth_Click);
    connect(cboDSTEndWeek, &VbComboBox::Click, this, &frmB3DaylightSavingTime::cboDSTEndWeek_Click);
    connect(cboDSTEndMonth, &VbComboBox::Click, this, &frmB3DaylightSavingTime::cboDSTEndMonth_Click);
}

void frmB3DaylightSavingTime::Form_Activate()
{
    const bool enabled = tConfig.bDSTEnabled != 0;
    chkEnableDaylightSavingTime->setValue(enabled ? 1 : 0);
    DSTOptEn(enabled);
    cboDSTStartWeek->setListIndex(tConfig.iDSTStartWeek - kFirstEntryValue);
    cboDSTStartMonth->setListIndex(tConfig.iDSTStartMonth - kFirstEntryValue);
    cboDSTEndWeek->setListIndex(tConfig.iDSTEndWeek - kFirstEntryValue);
    cboDSTEndMonth->setListIndex(tConfig.iDSTEndMonth - kFirstEntryValue);
}

void frmB3DaylightSavingTime::DSTOptEn(bool bEnabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{cboDSTStartWeek, cboDSTStartMonth, cboDSTEndWeek,
                                                           cboDSTEndMonth, lblDSTStarts, lblDSTStartOf, lblDSTEnds,
                                                           lblDSTEndOf})
        control->setEnabled(bEnabled);
}

void frmB3DaylightSavingTime::chkEnableDaylightSavingTime_Click()
{
    const bool ticked = chkEnableDaylightSavingTime->Value() == 1;
    tConfig.bDSTEnabled = ticked ? VbTrue : VbFalse;
    DSTOptEn(ticked);
    bChanged = VbTrue;
}

void frmB3DaylightSavingTime::cboDSTStartWeek_Click() { storeListEntry(cboDSTStartWeek, tConfig.iDSTStartWeek, kFirstEntryValue); }

void frmB3DaylightSavingTime::cboDSTStartMonth_Click() { storeListEntry(cboDSTStartMonth, tConfig.iDSTStartMonth, kFirstEntryValue); }

void frmB3DaylightSavingTime::cboDSTEndWeek_Click() { storeListEntry(cboDSTEndWeek, tConfig.iDSTEndWeek, kFirstEntryValue); }

void frmB3DaylightSavingTime::cboDSTEndMonth_Click() { storeListEntry(cboDSTEndMonth, tConfig.iDSTEndMonth, kFirstEntryValue); }
