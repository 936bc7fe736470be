#pragma once
// Live contact lamps of the installed local inputs of a connected panel.

#include "live/liveForm.h"

class frmB3InputStatus : public LiveForm {
    Q_OBJECT
public:
    frmB3InputStatus();

    void ShowInputStatus();

    std::array<VbLabel*, kLiveRows> lblInputName{};
    std::array<VbLabel*, kLiveRows> lblInputOffStatus{};
    std::array<VbLabel*, kLiveRows> lblInputOnStatus{};

protected:
    void poll() override { ShowInputStatus(); }
    void showConnected() override;
};
