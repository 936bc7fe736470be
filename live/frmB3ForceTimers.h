#pragma once
// Makes the connected panel run one of its 48 timers now and waits, with a notice on
// screen, until the panel reports the timer's actions done.

#include <array>

#include "live/liveFormRows.h"
#include "platform/childForm.h"

class QPushButton;
class VbLabel;

class frmB3ForceTimers : public ChildForm {
    Q_OBJECT
public:
    frmB3ForceTimers();

    void Form_Activate() override;
    void Form_Unload() override;
    void cmdForce_Click(int Index);

    std::array<VbLabel*, kLiveRows> lblTimerName{};
    std::array<QPushButton*, kLiveRows> cmdForce{};
    VbLabel* lblNoConnection = nullptr;
    VbLabel* lblPleaseWait = nullptr;

private:
    // Over TCP/IP the panel's wait runs the event loop for up to minutes: a second
    // force would be refused, and a menu command would open a form whose reads are
    // refused. The buttons and the main menus stay off until the force has ended.
    void setForcing(bool forcing);

    bool forcing_ = false;
};
