#include "editors/inputs/frmB3LocalInputPilots.h"

#include "gridFormDriver.h"

using namespace gridDriver;

namespace {

class LocalInputPilots : public GridFormTest {
protected:
    frmB3LocalInputPilots* openForm() { return open<frmB3LocalInputPilots>("frmB3LocalInputPilots"); }
};

} // namespace

TEST_F(LocalInputPilots, EachListReplacesItsPartOfThePilotWord)
{
    tConfig.iInputPilot[0] = 5;
    tConfig.iInputPilot[1] = 64;
    frmB3LocalInputPilots* f = openForm();
    EXPECT_EQ(f->windowTitle(), "Local Input Pilots");
    EXPECT_EQ(f->lblPilotSource[2]->caption(), " On If Relay");
    EXPECT_EQ(f->lblPilotNumber[2]->caption(), " 3");
    EXPECT_EQ(f->cboNewNumber->ListCount(), 48);
    EXPECT_EQ(f->cboNewNumber->itemText(47), "48");

    click(f->lblPilotSource[0]);
    choose(f->cboNewSource, 2);
    EXPECT_EQ(tConfig.iInputPilot[0], 133);
    EXPECT_EQ(f->lblPilotSource[0]->caption(), " On If Preset");
    EXPECT_EQ(f->lblPilotNumber[0]->caption(), " 6");
    EXPECT_FALSE(f->cboNewSource->isVisible());

    click(f->lblPilotNumber[1]);
    EXPECT_EQ(f->cboNewNumber->ListIndex(), 0);
    choose(f->cboNewNumber, 11);
    EXPECT_EQ(tConfig.iInputPilot[1], 75);
    EXPECT_EQ(f->lblPilotSource[1]->caption(), " On If Group");
    EXPECT_EQ(f->lblPilotNumber[1]->caption(), " 12");
    EXPECT_TRUE(bChanged);

    // Opening a list and clicking the background leaves the word as it was.
    click(f->lblPilotNumber[3]);
    EXPECT_TRUE(f->cboNewNumber->isVisible());
    click(f->lblPilotSource[3]);
    EXPECT_FALSE(f->cboNewNumber->isVisible());
    clickBackground(f);
    EXPECT_FALSE(f->cboNewSource->isVisible());
    EXPECT_EQ(tConfig.iInputPilot[3], 3);
}

TEST_F(LocalInputPilots, WordsWithoutAListEntryShowNoEntryAndSurviveViewing)
{
    tConfig.iInputPilot[0] = 200;  // source 3, number 8
    tConfig.iInputPilot[1] = 50;   // relay, number 50
    tConfig.iInputPilot[2] = 300;  // bits above the source
    tConfig.iInputPilot[3] = -1;
    frmB3LocalInputPilots* f = openForm();
    EXPECT_EQ(f->lblPilotSource[0]->caption(), "");
    EXPECT_EQ(f->lblPilotNumber[0]->caption(), " 9");
    EXPECT_EQ(f->lblPilotSource[1]->caption(), " On If Relay");
    EXPECT_EQ(f->lblPilotNumber[1]->caption(), " 51");
    EXPECT_EQ(f->lblPilotSource[3]->caption(), "");
    EXPECT_EQ(f->lblPilotNumber[3]->caption(), "");

    for (int row = 0; row < 4; ++row) {
        click(f->lblPilotSource[row]);
        click(f->lblPilotNumber[row]);
        clickBackground(f);
    }
    EXPECT_EQ(tConfig.iInputPilot[0], 200);
    EXPECT_EQ(tConfig.iInputPilot[1], 50);
    EXPECT_EQ(tConfig.iInputPilot[2], 300);
    EXPECT_EQ(tConfig.iInputPilot[3], -1);

    click(f->lblPilotNumber[1]);
    EXPECT_EQ(f->cboNewNumber->ListIndex(), -1);
    click(f->lblPilotSource[0]);
    EXPECT_EQ(f->cboNewSource->ListIndex(), -1);

    // A chosen source makes the word whole again.
    choose(f->cboNewSource, 1);
    EXPECT_EQ(tConfig.iInputPilot[0], 72);
}
