#pragma once
// Live relay lamps of a connected panel, with switches per relay and for all relays.

#include "live/liveForm.h"

class frmB3RelayStatus : public LiveForm {
    Q_OBJECT
public:
    frmB3RelayStatus();

    void ShowRelayStatus();
    void cmdTurnOff_Click(int Index);
    void cmdTurnOn_Click(int Index);
    void cmdAllRelaysOff_Click();
    void cmdAllRelaysOn_Click();

    std::array<VbLabel*, kLiveRows> lblRelayName{};
    std::array<VbLabel*, kLiveRows> lblRelayStatus{};
    std::array<QPushButton*, kLiveRows> cmdTurnOff{};
    std::array<QPushButton*, kLiveRows> cmdTurnOn{};
    QPushButton* cmdAllRelaysOff = nullptr;
    QPushButton* cmdAllRelaysOn = nullptr;

protected:
    void poll() override { ShowRelayStatus(); }
    void showConnected() override;
    void showNotConnected() override;
    void autoUpdatesSwitched(bool on) override;

private:
    void switchRelay(int relay, bool on);
    void switchAllRelays(bool on);
    void setAllRelaysButtonsVisible(bool visible);
};
