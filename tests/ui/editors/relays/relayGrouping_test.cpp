#include "editors/relays/frmB3RelayGrouping.h"

#include "gridFormDriver.h"

using namespace gridDriver;

namespace {

class RelayGrouping : public GridFormTest {
protected:
    frmB3RelayGrouping* openForm() { return open<frmB3RelayGrouping>("frmB3RelayGrouping"); }
};

QColor background(const VbLabel* cell) { return cell->palette().color(QPalette::Window); }

} // namespace

TEST_F(RelayGrouping, ShowsTheSelectedGroupWithoutStoringAnything)
{
    tConfig.sGroupName[4] = "LOBBY";
    tConfig.bRelayInGroup(0, 1) = VbTrue;
    tConfig.bRelayInGroup(4, 2) = VbTrue;
    const PanelConfig before = tConfig;
    frmB3RelayGrouping* f = openForm();
    ASSERT_EQ(f->cboGroup->ListCount(), 48);
    EXPECT_EQ(f->cboGroup->itemText(4), "LOBBY");
    EXPECT_EQ(f->cboGroup->ListIndex(), 0);
    EXPECT_EQ(f->lblInclude[0]->caption(), "No");
    EXPECT_EQ(background(f->lblInclude[0]), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(f->lblInclude[1]->caption(), "Yes");
    EXPECT_EQ(background(f->lblInclude[1]), QColor(0xFF, 0xFF, 0xFF));

    choose(f->cboGroup, 4);
    EXPECT_EQ(f->lblInclude[1]->caption(), "No");
    EXPECT_EQ(f->lblInclude[2]->caption(), "Yes");
    EXPECT_FALSE(bChanged);
    EXPECT_EQ(tConfig, before);

    // Each activation starts again at group 1.
    childForms::show("frmB3RelayGrouping");
    EXPECT_EQ(f->cboGroup->ListIndex(), 0);
}

TEST_F(RelayGrouping, EveryPressOnACellTogglesIt)
{
    frmB3RelayGrouping* f = openForm();
    click(f->lblInclude[3]);
    EXPECT_EQ(tConfig.bRelayInGroup(0, 3), -1);
    EXPECT_TRUE(bChanged);
    click(f->lblInclude[3]);
    EXPECT_EQ(tConfig.bRelayInGroup(0, 3), 0);

    doubleClick(f->lblInclude[3]);
    EXPECT_EQ(tConfig.bRelayInGroup(0, 3), 0);
    EXPECT_EQ(f->lblInclude[3]->caption(), "No");
    doubleClick(f->lblInclude[3]);
    click(f->lblInclude[3]);
    EXPECT_EQ(f->lblInclude[3]->caption(), "Yes");

    // A foreign non-zero value counts as member and toggles by complement.
    tConfig.bRelayInGroup(0, 2) = 1;
    click(f->lblInclude[2]);
    EXPECT_EQ(tConfig.bRelayInGroup(0, 2), -2);
    EXPECT_EQ(f->lblInclude[2]->caption(), "Yes");
}

TEST_F(RelayGrouping, RowZeroCopyReachesTheSelectedGroupAndInstalledRelaysOnly)
{
    install(8);
    tConfig.bRelayInGroup(4, 0) = VbTrue;
    tConfig.bRelayInGroup(4, 20) = 0;
    frmB3RelayGrouping* f = openForm();
    choose(f->cboGroup, 4);

    rightPress(f->lblRelayName[2], Qt::ShiftModifier);
    EXPECT_TRUE(bChanged);
    EXPECT_EQ(tConfig.bRelayInGroup(4, 2), 0);

    rightPress(f->lblRelayName[0], Qt::ShiftModifier);
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(tConfig.bRelayInGroup(4, r), -1) << r;
        EXPECT_EQ(f->lblInclude[r]->caption(), "Yes");
    }
    EXPECT_EQ(tConfig.bRelayInGroup(4, 8), 0);
    for (int g = 0; g < 48; ++g) {
        if (g != 4) {
            EXPECT_EQ(tConfig.bRelayInGroup(g, 1), 0) << g;
        }
    }
}
