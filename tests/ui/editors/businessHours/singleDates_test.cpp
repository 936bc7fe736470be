#include "editors/businessHours/frmB3OpenAndCloseTimeSingleDates.h"
#include "gridFormDriver.h"
#include "platform/twips.h"
#include "support/widgetActions.h"

using namespace gridDriver;

namespace {

class SingleDates : public GridFormTest {
protected:
    frmB3OpenAndCloseTimeSingleDates* openForm()
    {
        return open<frmB3OpenAndCloseTimeSingleDates>("frmB3OpenAndCloseTimeSingleDates");
    }
};

} // namespace

TEST_F(SingleDates, EachMonthShowsItsDaysInTwoColumns)
{
    auto* f = openForm();
    EXPECT_EQ(f->windowTitle(), "Open And Close Time Single Dates");
    EXPECT_TRUE(f->optMonth[0]->isChecked());
    EXPECT_EQ(f->lblDate[16]->pos(), QPoint(twipsToPixels(3960 + 3600), twipsToPixels(420)));
    EXPECT_EQ(f->lblCloseTime[30]->pos(), QPoint(twipsToPixels(3960 + 3600 + 1560), twipsToPixels(14 * 360 + 420)));
    EXPECT_TRUE(f->lblCloseHeader[1]->isVisible());
    const std::pair<int, int> months[] = {{0, 31}, {1, 29}, {3, 30}, {11, 31}};
    for (const auto& [month, days] : months) {
        SCOPED_TRACE(month);
        clickWidget(f->optMonth[month]);
        for (const LabelArray* cells : {&f->lblDate, &f->lblOpenTime, &f->lblCloseTime})
            EXPECT_EQ(visibleCount(*cells), days);
        EXPECT_EQ(f->lblDate[days - 1]->caption(), QString::number(days));
        EXPECT_EQ(f->lblOpenTime[days - 1]->caption(), "--:--");
    }
}

TEST_F(SingleDates, ATimeGivesTheDateMidnightForTheOtherAndClearEmptiesBoth)
{
    tConfig.iDateOpenTime(3, 9) = 95;
    auto* f = openForm();
    clickWidget(f->optMonth[3]);

    click(f->lblOpenTime[4]);
    EXPECT_EQ(f->cboNewTime->ListIndex(), 0);
    EXPECT_EQ(f->cboNewTime->ListCount(), 97);
    choose(f->cboNewTime, 33);
    EXPECT_EQ(tConfig.iDateOpenTime(3, 4), 32);
    EXPECT_EQ(tConfig.iDateCloseTime(3, 4), 0);
    EXPECT_EQ(f->lblOpenTime[4]->caption(), "8:00A");
    EXPECT_EQ(f->lblCloseTime[4]->caption(), "12:00A");
    EXPECT_FALSE(f->cboNewTime->isVisible());

    click(f->lblCloseTime[4]);
    EXPECT_EQ(f->cboNewTime->ListIndex(), 1);
    choose(f->cboNewTime, 0);
    EXPECT_EQ(tConfig.iDateOpenTime(3, 4), 100);
    EXPECT_EQ(tConfig.iDateCloseTime(3, 4), 100);
    EXPECT_EQ(f->lblOpenTime[4]->caption(), "--:--");
    EXPECT_EQ(f->lblCloseTime[4]->caption(), "--:--");

    click(f->lblOpenTime[9]);
    EXPECT_EQ(f->cboNewTime->currentText(), "11:45P");
}

TEST_F(SingleDates, OpeningStoresNothingEveryStoreMarksAndAMonthChangeClosesTheList)
{
    // A date with a close time only, as the documentation allows and an upload brings.
    tConfig.iDateCloseTime(0, 2) = 84;
    auto* f = openForm();
    const PanelConfig before = tConfig;
    click(f->lblOpenTime[2]);
    EXPECT_TRUE(bChanged);
    EXPECT_EQ(f->cboNewTime->currentText(), "Clear");
    clickBackground(f);
    EXPECT_EQ(tConfig, before);

    // A save while the list stands open clears the mark; the pick marks again.
    click(f->lblOpenTime[2]);
    bChanged = VbFalse;
    choose(f->cboNewTime, 1);
    EXPECT_TRUE(bChanged);
    EXPECT_EQ(tConfig.iDateOpenTime(0, 2), 0);
    EXPECT_EQ(tConfig.iDateCloseTime(0, 2), 84);

    // The user's own Clear on a cell without a time still clears the date.
    click(f->lblOpenTime[5]);
    tConfig.iDateCloseTime(0, 5) = 40;
    choose(f->cboNewTime, 0);
    EXPECT_EQ(tConfig.iDateCloseTime(0, 5), 100);

    click(f->lblOpenTime[30]);
    clickWidget(f->optMonth[1]);
    EXPECT_FALSE(f->cboNewTime->isVisible());
}
