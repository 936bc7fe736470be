#pragma once
// How often the off-hours sweep runs: every 1, 2 or 3 hours.

#include <array>

#include "platform/childForm.h"
#include "platform/vbControls.h"

class QGroupBox;

class frmB3OffHoursSweepInterval : public ChildForm {
    Q_OBJECT
public:
    frmB3OffHoursSweepInterval();

    void Form_Activate() override;
    void optOffHoursSweepInterval_Click(int Index);

    QGroupBox* fraOffHoursSweepInterval;
    std::array<VbOptionButton*, 3> optOffHoursSweepInterval{};
};
