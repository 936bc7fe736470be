#include "editors/timers/timerControlForm.h"
#include "gridFormDriver.h"
#include "platform/twips.h"

using namespace gridDriver;

namespace {

class TimerControl : public GridFormTest {};

} // namespace

TEST_F(TimerControl, EachTableShowsItsTargetsAndStoresTheChosenAction)
{
    struct Twin {
        const char* form;
        const char* caption;
        ItemMatrix& matrix;
        int rows;  // with 8 relays installed
        const char* lastToolTip;
        QStringList actions;
    };
    const Twin twins[] = {
        {"frmB3TimerToRelayControl", "Timer To Relay Control", tConfig.iTimerToRelayControl, 8, "Relay 08",
         {"None", "Turn On", "Turn Off"}},
        {"frmB3TimerToGroupControl", "Timer To Group Control", tConfig.iTimerToGroupControl, 48, "Group 48",
         {"None", "Turn On", "Turn Off"}},
        {"frmB3TimerToPresetControl", "Timer To Preset Control", tConfig.iTimerToPresetControl, 48, "Preset 48",
         {"None", "Activate"}},
    };
    install(8);
    tConfig.sTimerName[2] = "DUSK";
    for (const Twin& twin : twins) {
        SCOPED_TRACE(twin.form);
        auto* f = open<TimerControlForm>(twin.form);
        EXPECT_EQ(f->windowTitle(), twin.caption);
        EXPECT_EQ(f->cboTimer->ListCount(), 48);
        EXPECT_EQ(f->cboTimer->itemText(2), "DUSK");
        EXPECT_EQ(visibleCount(f->lblName), twin.rows);
        EXPECT_EQ(visibleCount(f->lblControl), twin.rows);
        EXPECT_EQ(f->lblName[twin.rows - 1]->toolTip(), twin.lastToolTip);
        EXPECT_EQ(f->lblControl[20]->pos(), QPoint(twipsToPixels(3600 + 1815), twipsToPixels(4 * 360 + 960)));

        choose(f->cboTimer, 2);
        click(f->lblControl[4]);
        QStringList entries;
        for (int k = 0; k < f->cboControl->count(); ++k) entries << f->cboControl->itemText(k);
        EXPECT_EQ(entries, twin.actions);
        const int last = static_cast<int>(twin.actions.size()) - 1;
        choose(f->cboControl, last);
        EXPECT_EQ(twin.matrix(2, 4), last);
        EXPECT_EQ(f->lblControl[4]->caption(), ' ' + twin.actions.back());
    }
}
