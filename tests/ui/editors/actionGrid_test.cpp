// The behaviour every action table shares, once per member of the family: each member
// names its form, prepares two items whose action list has at least two entries, and
// says where the code of (item, row) is stored.
#include <functional>

#include "editors/actionGridForm.h"
#include "gridFormDriver.h"

using namespace gridDriver;

namespace {

struct ActionGridMember {
    const char* form;
    std::function<void()> prepare;
    std::function<int16_t&(int item, int row)> code;
    bool clamps;  // codes above the top action are lowered when shown
};

const ActionGridMember kMembers[] = {
    {"frmB3InputToRelayControl", [] { tConfig.iInputType[0] = tConfig.iInputType[1] = 11; },
     [](int i, int r) -> int16_t& { return tConfig.iInputToRelayControl(i, r); }, true},
    {"frmB3InputToGroupControl", [] { tConfig.iInputType[0] = tConfig.iInputType[1] = 11; },
     [](int i, int r) -> int16_t& { return tConfig.iInputToGroupControl(i, r); }, true},
    {"frmB3TimerToRelayControl", [] {}, [](int t, int r) -> int16_t& { return tConfig.iTimerToRelayControl(t, r); },
     false},
    {"frmB3TimerToGroupControl", [] {}, [](int t, int r) -> int16_t& { return tConfig.iTimerToGroupControl(t, r); },
     false},
    {"frmB3TimerToPresetControl", [] {},
     [](int t, int r) -> int16_t& { return tConfig.iTimerToPresetControl(t, r); }, false},
};

void PrintTo(const ActionGridMember& member, std::ostream* os) { *os << member.form; }

class ActionGrid : public GridFormTest, public ::testing::WithParamInterface<ActionGridMember> {};

} // namespace

TEST_P(ActionGrid, CellsOpenTheActionListAndAPickStores)
{
    const ActionGridMember& m = GetParam();
    install(48);
    m.prepare();
    m.code(0, 47) = 1;
    m.code(0, 5) = -3;
    m.code(0, 6) = 99;
    m.code(1, 2) = 1;
    auto* f = open<ActionGridForm>(m.form);
    ASSERT_NE(f, nullptr);
    const QString top = f->cboControl->itemText(f->iTopAction);

    // Opening a cell marks the configuration changed and shows the stored code.
    bChanged = VbFalse;
    click(f->lblControl[47]);
    EXPECT_TRUE(bChanged);
    EXPECT_TRUE(f->cboControl->isVisible());
    EXPECT_EQ(f->cboControl->pos(), f->lblControl[47]->pos());
    EXPECT_EQ(f->cboControl->ListIndex(), 1);
    choose(f->cboControl, f->iTopAction);
    EXPECT_EQ(m.code(0, 47), f->iTopAction);
    EXPECT_EQ(f->lblControl[47]->caption(), ' ' + top);
    EXPECT_FALSE(f->cboControl->isVisible());

    // The background closes the list and stores nothing.
    bChanged = VbFalse;
    click(f->lblControl[3]);
    EXPECT_TRUE(bChanged);
    clickBackground(f);
    EXPECT_FALSE(f->cboControl->isVisible());
    EXPECT_EQ(m.code(0, 3), 0);

    // A negative code shows nothing, selects nothing and stays.
    EXPECT_EQ(f->lblControl[5]->caption(), "");
    click(f->lblControl[5]);
    EXPECT_EQ(f->cboControl->ListIndex(), -1);
    EXPECT_EQ(m.code(0, 5), -3);

    // A code above the list is lowered to the top action, or shows nothing and stays.
    EXPECT_EQ(m.code(0, 6), m.clamps ? f->iTopAction : 99);
    EXPECT_EQ(f->lblControl[6]->caption(), m.clamps ? ' ' + top : QString());

    // Another item closes the open list and shows its own codes.
    click(f->lblControl[2]);
    choose(f->selector, 1);
    EXPECT_FALSE(f->cboControl->isVisible());
    EXPECT_EQ(f->lblControl[2]->caption(), ' ' + f->cboControl->itemText(1));
    EXPECT_EQ(f->lblControl[47]->caption(), ' ' + f->cboControl->itemText(0));
}

INSTANTIATE_TEST_SUITE_P(Members, ActionGrid, ::testing::ValuesIn(kMembers),
                         [](const ::testing::TestParamInfo<ActionGridMember>& info) {
                             return std::string(info.param.form);
                         });
