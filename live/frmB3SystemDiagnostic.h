#pragma once
// A soak test of the panel's station network: every 250 ms the panel is asked which
// stations answer and what their inputs are; each station's failures are counted
// and its input changes marked, up to 10000 cycles.

#include <array>

#include "live/engine/stationDiagnostic.h"
#include "platform/childForm.h"

class LivePollTimer;
class QPushButton;
class VbLabel;

class frmB3SystemDiagnostic : public ChildForm {
    Q_OBJECT
public:
    frmB3SystemDiagnostic();

    void Form_Activate() override;
    void Form_Unload() override;
    void Timer1_Timer();
    void cmdStop_Click();
    void cmdClearTotals_Click();
    void cmdClearTLChanges_Click();
    void lblTLNode_Click(int Index);

    std::array<VbLabel*, kDiagnosticStations> lblTLNode{};
    std::array<VbLabel*, kDiagnosticStations> lblTLComError{};
    VbLabel* lblNode = nullptr;
    VbLabel* lblCycleCount = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdClearTotals = nullptr;
    QPushButton* cmdClearTLChanges = nullptr;
    LivePollTimer* Timer1 = nullptr;

    StationDiagnostic test;
    int16_t bTestStopped = 0;

private:
    VbLabel* nodeLabel(int station) const { return lblTLNode[static_cast<std::size_t>(station - 1)]; }
    VbLabel* errorLabel(int station) const { return lblTLComError[static_cast<std::size_t>(station - 1)]; }
    void markInTest(int station);
    void showCycle();
};
