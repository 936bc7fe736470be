#pragma once
// Live lamps of the 48 relay groups of a connected panel, with a switch per group.

#include "live/liveForm.h"

class frmB3RelayGroupStatus : public LiveForm {
    Q_OBJECT
public:
    frmB3RelayGroupStatus();

    void ShowGroupStatus();
    void cmdTurnOff_Click(int Index);
    void cmdTurnOn_Click(int Index);

    std::array<VbLabel*, kLiveRows> lblGroupName{};
    std::array<VbLabel*, kLiveRows> lblGroupStatus{};
    std::array<QPushButton*, kLiveRows> cmdTurnOff{};
    std::array<QPushButton*, kLiveRows> cmdTurnOn{};

protected:
    void poll() override { ShowGroupStatus(); }
    void showConnected() override;

private:
    void switchGroup(int group, bool on);
};
