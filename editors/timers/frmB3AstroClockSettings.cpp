#include "editors/timers/frmB3AstroClockSettings.h"

#include <QGroupBox>
#include <QPushButton>

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "editors/engine/listEntries.h"
#include "editors/timers/engine/modB3LatLonLUT.h"
#include "editors/gridEditor.h"
#include "editors/settingControls.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"

B3_REGISTER_CHILD_FORM(frmB3AstroClockSettings)

namespace {

QStringList cityEntries()
{
    QStringList entries;
    for (const CityLatLon& city : tCity) entries << toQ(city.sStateCity);
    return entries;
}

} // namespace

frmB3AstroClockSettings::frmB3AstroClockSettings() : ChildForm(QStringLiteral("frmB3AstroClockSettings"))
{
    setCaption(QStringLiteral("Astro Clock Settings"));
    setTwipsSize(4800, 3480);

    fraAstroSettings = placed(new QGroupBox(QStringLiteral("Astro Clock Settings"), this), 120, 120, 4560, 1560);
    lblLatitude = addCaption(fraAstroSettings, QStringLiteral("Latitude"), 240, 300, 1320);
    cboLatitude = addDropDown(fraAstroSettings, 240, 600, 1320, listEntries(suffixedNumberEntries(kFirstLatitude, kLastLatitude, "")));
    lblLongitude = addCaption(fraAstroSettings, QStringLiteral("Longitude"), 1620, 300, 1320);
    cboLongitude = addDropDown(fraAstroSettings, 1620, 600, 1320, listEntries(suffixedNumberEntries(kFirstLongitude, kLastLongitude, "")));
    lblTimeZone = addCaption(fraAstroSettings, QStringLiteral("Time Zone"), 3000, 300, 1440);
    cboTimeZone = addDropDown(fraAstroSettings, 3000, 600, 1440, listEntries(kTimeZoneNames));

    cmdFindLatLon = addButton<QPushButton>(this, QStringLiteral("Find Latitude / Longitude By City"), 120, 1800, 4560);
    LoadCityTable();
    cboFindLatLon = addDropDown(this, 120, 2280, 4560, cityEntries());
    cboFindLatLon->setListIndex(0);
    cmdAccept = addButton<QPushButton>(this, QStringLiteral("Accept"), 120, 2760, 2220);
    cmdCancel = addButton<QPushButton>(this, QStringLiteral("Cancel"), 2460, 2760, 2220);
    RestoreControls();

    connect(cboLatitude, &VbComboBox::Click, this, &frmB3AstroClockSettings::cboLatitude_Click);
    connect(cboLongitude, &VbComboBox::Click, this, &frmB3AstroClockSettings::cboLongitude_Click);
    connect(cboTimeZone, &VbComboBox::Click, this, &frmB3AstroClockSettings::cboTimeZone_Click);
    connect(cmdFindLatLon, &QPushButton::clicked, this, &frmB3AstroClockSettings::cmdFindLatLon_Click);
    connect(cmdAccept, &QPushButton::clicked, this, &frmB3AstroClockSettings::cmdAccept_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmB3AstroClockSettings::cmdCancel_Click);
}

void frmB3AstroClockSettings::Form_Activate()
{
    cboLatitude->setListIndex(tConfig.iLatitude - kFirstLatitude);
    cboLongitude->setListIndex(tConfig.iLongitude - kFirstLongitude);
    cboTimeZone->setListIndex(tConfig.iTimeZone);
    RestoreControls();
}

void frmB3AstroClockSettings::cboLatitude_Click() { storeListEntry(cboLatitude, tConfig.iLatitude, kFirstLatitude); }

void frmB3AstroClockSettings::cboLongitude_Click()
{
    storeListEntry(cboLongitude, tConfig.iLongitude, kFirstLongitude);
}

void frmB3AstroClockSettings::cboTimeZone_Click() { storeListEntry(cboTimeZone, tConfig.iTimeZone); }

void frmB3AstroClockSettings::enableChoosing(bool choosing)
{
    for (QWidget* control : std::initializer_list<QWidget*>{fraAstroSettings, lblLatitude, cboLatitude, lblLongitude,
                                                           cboLongitude, lblTimeZone, cboTimeZone, cmdFindLatLon})
        control->setEnabled(choosing);
    for (QWidget* control : std::initializer_list<QWidget*>{cboFindLatLon, cmdCancel, cmdAccept})
        control->setVisible(!choosing);
}

void frmB3AstroClockSettings::cmdFindLatLon_Click() { enableChoosing(false); }

void frmB3AstroClockSettings::cmdAccept_Click()
{
    const int i = cboFindLatLon->ListIndex();
    if (i >= 0) {
        cboLatitude->setListIndex(tCity[i].iLat - kFirstLatitude);
        cboLongitude->setListIndex(tCity[i].iLon - kFirstLongitude);
        bChanged = VbTrue;
    }
    RestoreControls();
}

void frmB3AstroClockSettings::cmdCancel_Click() { RestoreControls(); }

void frmB3AstroClockSettings::RestoreControls() { enableChoosing(true); }
