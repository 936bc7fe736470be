#pragma once
// What the virtual keypad keeps between polls: the key waiting to go out with the
// next poll, and what each display cell and the key lamps last showed, so that a
// poll redraws only what changed.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "link/engine/panelCommands.h"

inline constexpr int kKeypadKeys = 7;           // keys 0..5 and "Both"
inline constexpr int kKeypadLampKeys = 6;       // "Both" has no lamp
inline constexpr int kKeypadCustomGlyphs = 8;   // cell codes 0..7 are the panel's own glyphs

// Key code of button `index`: 1, 2, 4, 8, 16, 32 for keys 0..5, keys 4 and 5
// together (&H30) for "Both".
int KeypadKeyCode(int index);

class KeypadMirror {
public:
    KeypadMirror() { forgetDrawn(); }

    // A press replaces a key not sent yet.
    void pressKey(int index);
    // The poll carrying the waiting key.
    PanelCommand nextPoll();
    // The panel has the key that went out with the poll: it is cleared, unless
    // another key was pressed while the reply was awaited.
    void pollAnswered();

    // Everything counts as not drawn, so the next poll draws every cell and lamp.
    void forgetDrawn();
    // The cells whose code differs from the one last drawn, now taken as drawn.
    std::vector<int> cellsToDraw(std::string_view display);
    // True when the lamp byte differs from the one last applied, now taken as applied.
    bool lampsToApply(int lamps);

    int16_t iKeyCode = 0;

private:
    // Outside 0..255: every code a cell or the lamps can show differs from it.
    static constexpr int kNotDrawn = -1;

    std::array<int, kKeypadDisplayLength> iLastCell{};
    int iLastLamps = kNotDrawn;
    unsigned presses_ = 0;
    unsigned pressesInPoll_ = 0;
};
