// The value lists of the input option and time editors: what choosing stores and
// shows, what opening a cell marks, and stored values that no list has.
#include <functional>
#include <limits>
#include <ostream>

#include "core/dataFolder.h"
#include "editors/inputs/frmB3InputActiveTimes.h"
#include "editors/inputs/frmB3InputOptions.h"
#include "editors/optionDialog.h"
#include "editors/businessHours/frmB3OpenAndCloseTimeNormalDays.h"
#include "gridFormDriver.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"

using namespace gridDriver;

namespace {

constexpr int kRow = 1;
constexpr int kDamagedRow = 2;

struct ListColumn {
    const char* name;
    const char* form;
    std::function<VbLabel*(ChildForm*, int row)> cell;
    std::function<VbComboBox*(ChildForm*)> list;
    std::function<int64_t(int row)> stored;
    std::function<void(int row, int64_t value)> store;
    int lastEntry;
    int64_t firstValue, lastValue;
    const char* firstCaption;
    const char* lastCaption;
    bool cellClickMarks;
    int64_t damagedValue;
    const char* damagedCaption;
};

void PrintTo(const ListColumn& column, std::ostream* os) { *os << column.name; }

template <class Form>
Form* as(ChildForm* form)
{
    return dynamic_cast<Form*>(form);
}

const ListColumn kColumns[] = {
    {"Type", "frmB3InputOptions", [](ChildForm* f, int r) { return as<frmB3InputOptions>(f)->lblInputType[r]; },
     [](ChildForm* f) { return as<frmB3InputOptions>(f)->cboNewType; },
     [](int r) { return int64_t{tConfig.iInputType[r]}; },
     [](int r, int64_t v) { tConfig.iInputType[r] = static_cast<int16_t>(v); }, 12, 0, 12, " Momentary On/Off",
     " Force Timer", false, 13, ""},
    {"Minutes", "frmB3InputOptions", [](ChildForm* f, int r) { return as<frmB3InputOptions>(f)->lblInputTimedOn[r]; },
     [](ChildForm* f) { return as<frmB3InputOptions>(f)->cboNewTime; },
     [](int r) { return int64_t{tConfig.lInputTimedOnMinutes[r]}; },
     [](int r, int64_t v) {
         tConfig.iInputType[r] = 5;
         tConfig.lInputTimedOnMinutes[r] = static_cast<int32_t>(v);
     },
     994, 5, 999, " 5 Min", " 999 Min", false, std::numeric_limits<int32_t>::min(), " -2147483648 Min"},
    {"EnableTime", "frmB3InputActiveTimes", [](ChildForm* f, int r) { return as<frmB3InputActiveTimes>(f)->lblInputEnableTime[r]; },
     [](ChildForm* f) { return as<frmB3InputActiveTimes>(f)->cboNewTime; },
     [](int r) { return int64_t{tConfig.iInputEnableTime[r]}; },
     [](int r, int64_t v) { tConfig.iInputEnableTime[r] = static_cast<int16_t>(v); }, 95, 0, 95, "12:00A", "11:45P",
     true, 96, ""},
    {"CloseTime", "frmB3OpenAndCloseTimeNormalDays",
     [](ChildForm* f, int r) { return as<frmB3OpenAndCloseTimeNormalDays>(f)->lblCloseTime[r]; },
     [](ChildForm* f) { return as<frmB3OpenAndCloseTimeNormalDays>(f)->cboNewTime; },
     [](int r) { return int64_t{tConfig.iCloseTime[r]}; },
     [](int r, int64_t v) { tConfig.iCloseTime[r] = static_cast<int16_t>(v); }, 95, 0, 95, "12:00A", "11:45P", true,
     -5, ""},
};

class ValueLists : public GridFormTest, public ::testing::WithParamInterface<ListColumn> {};

} // namespace

TEST_P(ValueLists, ChoosingStoresShowsAndMarksWhileValuesWithoutEntryStayUntilPicked)
{
    const ListColumn& c = GetParam();
    c.store(kRow, c.lastValue);
    c.store(kDamagedRow, c.damagedValue);
    ChildForm* form = open<ChildForm>(c.form);
    VbComboBox* list = c.list(form);
    VbLabel* cell = c.cell(form, kRow);
    VbLabel* damaged = c.cell(form, kDamagedRow);
    EXPECT_FALSE(bChanged);
    EXPECT_EQ(damaged->caption(), c.damagedCaption);
    EXPECT_TRUE(damaged->isVisible());

    click(cell);
    EXPECT_EQ(list->pos(), cell->pos());
    choose(list, 0);
    EXPECT_EQ(c.stored(kRow), c.firstValue);
    EXPECT_EQ(cell->caption(), c.firstCaption);
    EXPECT_TRUE(bChanged);
    EXPECT_FALSE(list->isVisible());

    // The list already shows the stored entry: only the time cells mark on opening.
    bChanged = VbFalse;
    click(cell);
    EXPECT_EQ(bool(bChanged), c.cellClickMarks);
    bChanged = VbFalse;
    choose(list, c.lastEntry);
    EXPECT_EQ(c.stored(kRow), c.lastValue);
    EXPECT_EQ(cell->caption(), c.lastCaption);
    EXPECT_TRUE(bChanged);

    click(cell);
    clickBackground(form);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(c.stored(kRow), c.lastValue);

    // The list showed the last entry; a value it has no entry for selects none.
    click(damaged);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(c.stored(kDamagedRow), c.damagedValue);
    EXPECT_EQ(damaged->caption(), c.damagedCaption);
    choose(list, 0);
    EXPECT_EQ(c.stored(kDamagedRow), c.firstValue);
}

INSTANTIATE_TEST_SUITE_P(Columns, ValueLists, ::testing::ValuesIn(kColumns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueListMarks, OpeningMarksOnlyTheIntervalAndATimeChosenAfterSaveMarksAgain)
{
    const std::pair<const char*, bool> opened[] = {
        {"mnuInputOptions", false},          {"mnuInputActiveTimes", false},      {"mnuEditPresets", false},
        {"mnuOpenCloseTimeNormalDays", false}, {"mnuOffHoursSweepInterval", true}, {"mnuOffHoursSweepRelays", false},
        {"mnuOffHoursSweepGroups", false},
    };
    DialogRecorder dialogs;
    AppHarness app;
    for (const auto& [menu, marks] : opened) {
        bChanged = VbFalse;
        app.trigger(menu);
        EXPECT_EQ(bool(bChanged), marks) << menu;
    }

    // An interval no button stands for selects none and is kept.
    tConfig.iSweepInterval = 3;
    bChanged = VbFalse;
    app.trigger("mnuOffHoursSweepInterval");
    AppHarness::processEvents();
    auto* interval = app.formAs<OptionDialog>("frmB3OffHoursSweepInterval");
    for (VbOptionButton* option : interval->opt) EXPECT_FALSE(option->Value());
    EXPECT_EQ(tConfig.iSweepInterval, 3);
    EXPECT_FALSE(bChanged);

    app.trigger("mnuOpenCloseTimeNormalDays");
    AppHarness::processEvents();
    auto* days = app.formAs<frmB3OpenAndCloseTimeNormalDays>("frmB3OpenAndCloseTimeNormalDays");
    click(days->lblOpenTime[3]);
    dialogs.answerFileDialog(DataFolderPath() + "/week.B3");
    app.trigger("mnuSave");
    ASSERT_FALSE(bChanged);
    choose(days->cboNewTime, 40);
    EXPECT_EQ(tConfig.iOpenTime[3], 40);
    EXPECT_TRUE(bChanged);
}
