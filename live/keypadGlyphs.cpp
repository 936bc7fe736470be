#include "live/keypadGlyphs.h"

#include <QPainter>
#include <array>
#include <cstdint>

#include "live/engine/keypadMirror.h"

namespace {

constexpr int kDotColumns = 5;
constexpr int kDotRows = 8;
constexpr int kDotPitch = 3;

// One byte a dot row, the leftmost dot in bit 4.
using Glyph = std::array<uint8_t, kDotRows>;
constexpr std::array<Glyph, kKeypadCustomGlyphs> kGlyphs = {{
    {0x04, 0x0E, 0x15, 0x04, 0x04, 0x04, 0x04, 0x00},  // arrow up
    {0x04, 0x04, 0x04, 0x04, 0x15, 0x0E, 0x04, 0x00},  // arrow down
    {0x00, 0x04, 0x02, 0x1F, 0x02, 0x04, 0x00, 0x00},  // arrow right
    {0x00, 0x04, 0x08, 0x1F, 0x08, 0x04, 0x00, 0x00},  // arrow left
    {0x04, 0x0E, 0x0E, 0x0E, 0x1F, 0x00, 0x04, 0x00},  // bell
    {0x0E, 0x11, 0x11, 0x11, 0x0A, 0x0E, 0x0E, 0x00},  // lamp
    {0x00, 0x01, 0x03, 0x16, 0x1C, 0x08, 0x00, 0x00},  // tick
    {0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F},  // block
}};

} // namespace

QPixmap KeypadGlyph(int code)
{
    QPixmap glyph(kDotColumns * kDotPitch, kDotRows * kDotPitch);
    glyph.fill(Qt::transparent);
    if (code < 0 || code >= kKeypadCustomGlyphs) return glyph;
    QPainter painter(&glyph);
    for (int row = 0; row < kDotRows; ++row)
        for (int column = 0; column < kDotColumns; ++column)
            if (kGlyphs[static_cast<std::size_t>(code)][static_cast<std::size_t>(row)] & (0x10 >> column))
                painter.fillRect(column * kDotPitch, row * kDotPitch, kDotPitch - 1, kDotPitch - 1, Qt::black);
    return glyph;
}
