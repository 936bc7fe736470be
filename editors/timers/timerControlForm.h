#pragma once
// What each timer does when it fires, one table per kind of target: relays, groups
// or presets. One class on the action grid serves the three forms: pick a timer, and
// set one action per target.

#include "editors/actionGridForm.h"

// What sets the three forms apart.
struct TimerControlTable {
    const char* formName;
    const char* caption;
    ItemMatrix& matrix;     // (timer, target)
    ActionList actions;     // code = position
    ActionTargets targets;  // relays stop at the installed points; groups and presets show 48
};

class TimerControlForm : public ActionGridForm {
    Q_OBJECT
public:
    explicit TimerControlForm(const TimerControlTable& table);

    void Form_Activate() override;

    VbComboBox*& cboTimer{selector};
    // lblRelayName, lblGroupName or lblPresetName
    LabelArray& lblName{targetNames};

protected:
    int16_t* actionCode(int row) override;
    ActionGridItem shownItem() override;

private:
    TimerControlTable table_;
};
