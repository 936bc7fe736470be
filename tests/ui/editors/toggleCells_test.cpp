// The toggle cells of the preset and off-hours sweep editors.
#include <functional>
#include <ostream>
#include <vector>

#include "editors/relays/frmB3EditPresets.h"
#include "editors/businessHours/offHoursSweepItems.h"
#include "gridFormDriver.h"

using namespace gridDriver;

namespace {

struct CellValue {
    int16_t stored;
    const char* caption;
};

struct ToggleForm {
    const char* form;
    std::function<LabelArray&(ChildForm*)> cells;
    // The value behind row r's cell while the form shows what it opens with.
    std::function<int16_t&(int row)> value;
    std::vector<CellValue> cycle;   // what successive clicks go through, from 0
    CellValue foreign;
    CellValue foreignClicked;
};

void PrintTo(const ToggleForm& form, std::ostream* os) { *os << form.form; }

LabelArray& presetCells(ChildForm* f) { return dynamic_cast<frmB3EditPresets*>(f)->lblRelayControl; }
LabelArray& sweepCells(ChildForm* f) { return dynamic_cast<OffHoursSweepItems*>(f)->lblInclude; }

const ToggleForm kForms[] = {
    {"frmB3EditPresets", presetCells, [](int r) -> int16_t& { return tConfig.iPresetRelayState(0, r); },
     {{0, "-"}, {1, "On"}, {2, "Off"}}, {32767, ""}, {1, "On"}},
    {"frmB3OffHoursSweepRelays", sweepCells, [](int r) -> int16_t& { return tConfig.bSweepRelay[r]; },
     {{0, "-"}, {-1, "Off"}}, {1, "Off"}, {-2, "Off"}},
    {"frmB3OffHoursSweepGroups", sweepCells, [](int r) -> int16_t& { return tConfig.bSweepGroup[r]; },
     {{0, "-"}, {-1, "Off"}}, {1, "Off"}, {-2, "Off"}},
};

class ToggleCells : public GridFormTest, public ::testing::WithParamInterface<ToggleForm> {};
class EditPresets : public GridFormTest {};

} // namespace

TEST_P(ToggleCells, ClicksAndQuickDoubleClicksStepTheCellAndAForeignValueStaysSound)
{
    const ToggleForm& t = GetParam();
    const int n = static_cast<int>(t.cycle.size());
    t.value(2) = t.foreign.stored;
    ChildForm* form = open<ChildForm>(t.form);
    LabelArray& cells = t.cells(form);
    EXPECT_FALSE(bChanged);
    EXPECT_EQ(cells[2]->caption(), t.foreign.caption);

    auto expectStep = [&](int step) {
        const CellValue& v = t.cycle[step % n];
        EXPECT_EQ(t.value(1), v.stored) << step;
        EXPECT_EQ(cells[1]->caption(), v.caption) << step;
    };
    click(cells[1]);
    expectStep(1);
    EXPECT_TRUE(bChanged);
    doubleClick(cells[1]);
    expectStep(3);
    for (int step = 4; step <= n + 3; ++step) {
        click(cells[1]);
        expectStep(step);
    }

    click(cells[2]);
    EXPECT_EQ(t.value(2), t.foreignClicked.stored);
    EXPECT_EQ(cells[2]->caption(), t.foreignClicked.caption);
}

INSTANTIATE_TEST_SUITE_P(Forms, ToggleCells, ::testing::ValuesIn(kForms),
                         [](const auto& info) { return std::string(info.param.form); });

TEST_F(EditPresets, RowZeroCopyReachesTheChosenPresetsInstalledRelaysOnly)
{
    install(4);
    tConfig.iPresetRelayState(3, 0) = 2;
    tConfig.iPresetRelayState(3, 5) = 1;
    tConfig.iPresetRelayState(0, 0) = 1;
    auto* f = open<frmB3EditPresets>("frmB3EditPresets");
    ASSERT_EQ(f->cboPresetNumber->ListCount(), 48);
    EXPECT_EQ(f->cboPresetNumber->ListIndex(), 0);
    EXPECT_EQ(f->lblRelayControl[0]->caption(), "On");
    choose(f->cboPresetNumber, 3);
    EXPECT_EQ(f->lblRelayControl[0]->caption(), "Off");
    EXPECT_FALSE(bChanged);

    rightPress(f->lblRelayName[1], Qt::ShiftModifier);
    EXPECT_TRUE(bChanged);
    EXPECT_EQ(tConfig.iPresetRelayState(3, 1), 0);

    rightPress(f->lblRelayName[0], Qt::ShiftModifier);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(tConfig.iPresetRelayState(3, r), 2) << r;
        EXPECT_EQ(f->lblRelayControl[r]->caption(), "Off") << r;
    }
    EXPECT_EQ(tConfig.iPresetRelayState(3, 4), 0);
    EXPECT_EQ(tConfig.iPresetRelayState(3, 5), 1);
    EXPECT_EQ(tConfig.iPresetRelayState(0, 1), 0);
}
