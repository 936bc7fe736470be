#include "editors/relays/frmB3RelayOutputOptions.h"

#include "gridFormDriver.h"

using namespace gridDriver;

namespace {

class RelayOutputOptions : public GridFormTest {
protected:
    frmB3RelayOutputOptions* openForm() { return open<frmB3RelayOutputOptions>("frmB3RelayOutputOptions"); }
};

} // namespace

TEST_F(RelayOutputOptions, OpeningACellStoresBackOnlyWhenTheListShowedAnotherEntry)
{
    install(8);
    tConfig.iRelayTimerType[1] = 2;
    tConfig.iRelayTimerType[2] = 2;
    frmB3RelayOutputOptions* f = openForm();
    EXPECT_EQ(f->windowTitle(), "Relay Output Options");
    EXPECT_FALSE(bChanged);

    // The list starts with no selection, so the first opening runs the store path.
    click(f->lblTimerType[1]);
    EXPECT_TRUE(bChanged);
    EXPECT_TRUE(f->cboNewTimerType->isVisible());
    EXPECT_EQ(f->cboNewTimerType->pos(), f->lblTimerType[1]->pos());
    EXPECT_EQ(f->cboNewTimerType->ListIndex(), 2);
    clickBackground(f);
    EXPECT_FALSE(f->cboNewTimerType->isVisible());
    EXPECT_EQ(tConfig.iRelayTimerType[1], 2);

    bChanged = VbFalse;
    click(f->lblTimerType[2]);
    EXPECT_FALSE(bChanged);

    choose(f->cboNewTimerType, 2);  // the entry already selected still counts
    EXPECT_TRUE(bChanged);
    EXPECT_FALSE(f->cboNewTimerType->isVisible());

    click(f->lblTimerType[5]);
    choose(f->cboNewTimerType, 6);
    EXPECT_EQ(tConfig.iRelayTimerType[5], 6);
    EXPECT_EQ(f->lblTimerType[5]->caption(), " Pulsed On");

    click(f->lblPowerOnType[2]);
    EXPECT_FALSE(f->cboNewTimerType->isVisible());
    choose(f->cboNewPowerOnType, 3);
    EXPECT_EQ(tConfig.iRelayPowerOnType[2], 3);
    EXPECT_EQ(f->lblPowerOnType[2]->caption(), " Last State");

    // Whichever list a cell opens takes the keys.
    click(f->lblPowerOnType[2]);
    ASSERT_EQ(f->focusWidget(), f->cboNewPowerOnType);
    QTest::keyClick(f->focusWidget(), Qt::Key_Up);
    EXPECT_EQ(tConfig.iRelayPowerOnType[2], 2);
}

TEST_F(RelayOutputOptions, CodesWithoutAnEntryShowEmptyAndAreNeverRewrittenByViewing)
{
    tConfig.iRelayTimerType[2] = 9;
    tConfig.iRelayPowerOnType[3] = -1;
    frmB3RelayOutputOptions* f = openForm();
    EXPECT_EQ(f->lblTimerType[2]->caption(), "");
    EXPECT_EQ(f->lblPowerOnType[3]->caption(), "");

    click(f->lblTimerType[0]);
    bChanged = VbFalse;
    click(f->lblTimerType[2]);
    EXPECT_TRUE(f->cboNewTimerType->isVisible());
    EXPECT_EQ(f->cboNewTimerType->ListIndex(), -1);
    EXPECT_FALSE(bChanged);
    clickBackground(f);
    EXPECT_EQ(tConfig.iRelayTimerType[2], 9);

    click(f->lblPowerOnType[3]);
    EXPECT_EQ(f->cboNewPowerOnType->ListIndex(), -1);
    choose(f->cboNewPowerOnType, 1);
    EXPECT_EQ(tConfig.iRelayPowerOnType[3], 1);
}

TEST_F(RelayOutputOptions, ShiftRightPressOnRowZeroCopiesItToTheInstalledRowsOnly)
{
    install(8);
    for (int r = 0; r < 48; ++r) tConfig.iRelayTimerType[r] = static_cast<int16_t>(r % 7);
    tConfig.iRelayTimerType[0] = 4;
    tConfig.iRelayPowerOnType[0] = 2;
    frmB3RelayOutputOptions* f = openForm();

    // Any press on a name closes the list and marks the configuration changed.
    click(f->lblTimerType[3]);
    bChanged = VbFalse;
    click(f->lblRelayName[3]);
    EXPECT_FALSE(f->cboNewTimerType->isVisible());
    EXPECT_TRUE(bChanged);

    rightPress(f->lblRelayName[1], Qt::ShiftModifier);
    rightPress(f->lblRelayName[0], Qt::ShiftModifier | Qt::ControlModifier);
    rightPress(f->lblRelayName[0], {});
    EXPECT_EQ(tConfig.iRelayTimerType[1], 1);

    rightPress(f->lblRelayName[0], Qt::ShiftModifier);
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(tConfig.iRelayTimerType[r], 4) << r;
        EXPECT_EQ(tConfig.iRelayPowerOnType[r], 2) << r;
        EXPECT_EQ(f->lblPowerOnType[r]->caption(), " On/In:1");
    }
    for (int r = 8; r < 48; ++r) EXPECT_EQ(tConfig.iRelayTimerType[r], r % 7) << r;
}
