#pragma once
// The eight characters the panel's display defines itself (cell codes 0..7), drawn
// as the display shows them: five dots wide, eight high.

#include <QPixmap>

QPixmap KeypadGlyph(int code);
