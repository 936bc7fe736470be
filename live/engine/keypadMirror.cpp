#include "live/engine/keypadMirror.h"

int KeypadKeyCode(int index) { return index == kKeypadKeys - 1 ? 0x30 : 1 << index; }

void KeypadMirror::pressKey(int index)
{
    if (index < 0 || index >= kKeypadKeys) return;
    iKeyCode = static_cast<int16_t>(KeypadKeyCode(index));
    ++presses_;
}

PanelCommand KeypadMirror::nextPoll()
{
    pressesInPoll_ = presses_;
    return panelCommand::KeypadPoll(iKeyCode);
}

void KeypadMirror::pollAnswered()
{
    if (presses_ == pressesInPoll_) iKeyCode = 0;
}

void KeypadMirror::forgetDrawn()
{
    iLastCell.fill(kNotDrawn);
    iLastLamps = kNotDrawn;
}

std::vector<int> KeypadMirror::cellsToDraw(std::string_view display)
{
    std::vector<int> cells;
    for (std::size_t i = 0; i < iLastCell.size() && i < display.size(); ++i) {
        const int code = static_cast<unsigned char>(display[i]);
        if (code == iLastCell[i]) continue;
        iLastCell[i] = code;
        cells.push_back(static_cast<int>(i));
    }
    return cells;
}

bool KeypadMirror::lampsToApply(int lamps)
{
    if (lamps == iLastLamps) return false;
    iLastLamps = lamps;
    return true;
}
