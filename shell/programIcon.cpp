#include "shell/programIcon.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

// Drawn rather than shipped as an image, so it is sharp at every size a frame asks
// for: a lit lamp on the dark face of a control panel.
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2B, 0x3A, 0x4A));
    painter.drawRoundedRect(QRectF(0.5 * unit, 0.5 * unit, 15 * unit, 15 * unit), 3 * unit, 3 * unit);

    QRadialGradient glow(QPointF(8 * unit, 7 * unit), 5 * unit);
    glow.setColorAt(0.0, QColor(0xFF, 0xF3, 0xB0));
    glow.setColorAt(1.0, QColor(0xF5, 0xB8, 0x20));
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(8 * unit, 7 * unit), 4.5 * unit, 4.5 * unit);

    painter.setBrush(QColor(0xB8, 0xC2, 0xCC));
    painter.drawRect(QRectF(6 * unit, 11.5 * unit, 4 * unit, 2.5 * unit));
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(drawIcon(size));
    return icon;
}
