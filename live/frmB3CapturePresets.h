#pragma once
// The presets of a connected panel: which are set, activating one, and capturing the
// relays' present states into a preset both in the panel and in the configuration.

#include "live/liveForm.h"

class frmB3CapturePresets : public LiveForm {
    Q_OBJECT
public:
    frmB3CapturePresets();

    void ShowPresetStatus();
    void cmdSet_Click(int Index);
    void cmdCapture_Click(int Index);

    std::array<VbLabel*, kLiveRows> lblPresetName{};
    std::array<VbLabel*, kLiveRows> lblPresetStatus{};
    std::array<QPushButton*, kLiveRows> cmdSet{};
    std::array<QPushButton*, kLiveRows> cmdCapture{};

protected:
    void poll() override { ShowPresetStatus(); }
    void showConnected() override;
};
