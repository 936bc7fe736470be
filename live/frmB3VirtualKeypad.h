#pragma once
// The panel's front keypad and its four-line display, mirrored: each poll sends the
// key last pressed on screen and brings back the whole display and the key lamps.

#include <array>

#include "live/engine/keypadMirror.h"
#include "live/liveForm.h"

class QLabel;

class frmB3VirtualKeypad : public LiveForm {
    Q_OBJECT
public:
    frmB3VirtualKeypad();

    void Form_Activate() override;
    void cmdKey_Click(int Index);
    void ShowFromGW();

    std::array<VbLabel*, kKeypadDisplayLength> lblLCD{};
    std::array<QLabel*, kKeypadDisplayLength> imgCustomChar{};
    std::array<QLabel*, kKeypadCustomGlyphs> imgSourceChar{};
    std::array<QPushButton*, kKeypadKeys> cmdKey{};

    // The key waiting for the next poll and what the display last showed.
    KeypadMirror mirror;

protected:
    void poll() override { ShowFromGW(); }
    void showConnected() override {}

private:
    void drawCell(int cell, int code);
    void applyLamps(int lamps);
};
