#include <QPushButton>

#include "editors/timers/frmB3AstroClockSettings.h"
#include "editors/timers/frmB3DaylightSavingTime.h"
#include "gridFormDriver.h"
#include "support/widgetActions.h"

using namespace gridDriver;

namespace {

class ClockSettings : public GridFormTest {};

} // namespace

TEST_F(ClockSettings, TheDaylightSavingBoxGreysTheRuleAndKeepsIt)
{
    tConfig.bDSTEnabled = VbFalse;
    auto* f = open<frmB3DaylightSavingTime>("frmB3DaylightSavingTime");
    const QList<QWidget*> rule = {f->cboDSTStartWeek, f->cboDSTStartMonth, f->cboDSTEndWeek, f->cboDSTEndMonth,
                                  f->lblDSTStarts,    f->lblDSTStartOf,    f->lblDSTEnds,    f->lblDSTEndOf};
    for (QWidget* control : rule) EXPECT_FALSE(control->isEnabled());
    EXPECT_EQ(f->cboDSTStartWeek->currentText(), "2nd Sunday");
    EXPECT_EQ(f->cboDSTStartMonth->currentText(), "Mar");
    EXPECT_EQ(f->cboDSTEndWeek->currentText(), "1st Sunday");
    EXPECT_EQ(f->cboDSTEndMonth->currentText(), "Nov");

    clickWidget(f->chkEnableDaylightSavingTime);
    EXPECT_EQ(tConfig.bDSTEnabled, VbTrue);
    for (QWidget* control : rule) EXPECT_TRUE(control->isEnabled());
    choose(f->cboDSTStartWeek, 4);
    choose(f->cboDSTEndMonth, 11);
    EXPECT_EQ(tConfig.iDSTStartWeek, 5);
    EXPECT_EQ(tConfig.iDSTEndMonth, 12);

    bChanged = VbFalse;
    clickWidget(f->chkEnableDaylightSavingTime);
    EXPECT_EQ(tConfig.bDSTEnabled, VbFalse);
    EXPECT_TRUE(bChanged);
    EXPECT_FALSE(f->cboDSTEndMonth->isEnabled());
    EXPECT_EQ(tConfig.iDSTStartWeek, 5);
    EXPECT_EQ(tConfig.iDSTEndMonth, 12);
}

TEST_F(ClockSettings, ACityLooksUpLatitudeAndLongitudeOnly)
{
    tConfig.iTimeZone = 3;
    auto* f = open<frmB3AstroClockSettings>("frmB3AstroClockSettings");
    EXPECT_EQ(f->cboLatitude->currentText(), "45");
    EXPECT_EQ(f->cboLongitude->currentText(), "90");
    EXPECT_EQ(f->cboTimeZone->currentText(), "Pacific");
    EXPECT_FALSE(f->cboFindLatLon->isVisible());

    clickWidget(f->cmdFindLatLon);
    EXPECT_FALSE(f->cboLatitude->isEnabled());
    EXPECT_FALSE(f->cmdFindLatLon->isEnabled());
    ASSERT_TRUE(f->cboFindLatLon->isVisible());
    EXPECT_EQ(f->cboFindLatLon->ListCount(), 260);
    EXPECT_EQ(f->cboFindLatLon->currentText(), "Alabama,Birmingham");
    EXPECT_EQ(f->cboFindLatLon->itemText(191), "Oregon,Salem");

    // Cancel stores nothing; the next look-up starts on the city last chosen.
    choose(f->cboFindLatLon, 259);
    bChanged = VbFalse;
    clickWidget(f->cmdCancel);
    EXPECT_FALSE(bChanged);
    EXPECT_EQ(tConfig.iLatitude, 45);
    EXPECT_TRUE(f->cboLatitude->isEnabled());
    EXPECT_FALSE(f->cmdAccept->isVisible());

    clickWidget(f->cmdFindLatLon);
    EXPECT_EQ(f->cboFindLatLon->currentText(), "Wyoming,Sheridan");
    choose(f->cboFindLatLon, 192);
    EXPECT_EQ(f->cboFindLatLon->currentText(), "Oregon,Eugene");
    clickWidget(f->cmdAccept);
    EXPECT_EQ(tConfig.iLatitude, 44);
    EXPECT_EQ(tConfig.iLongitude, 123);
    EXPECT_EQ(tConfig.iTimeZone, 3);
    EXPECT_TRUE(bChanged);
    EXPECT_EQ(f->cboLongitude->currentText(), "123");
    EXPECT_TRUE(f->cboLatitude->isEnabled());
    EXPECT_FALSE(f->cboFindLatLon->isVisible());

    choose(f->cboTimeZone, 4);
    EXPECT_EQ(tConfig.iTimeZone, 4);
}
