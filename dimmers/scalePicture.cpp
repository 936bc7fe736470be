#include "dimmers/scalePicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "dimmers/engine/scaleGraph.h"
#include "platform/twips.h"

namespace {

constexpr unsigned int kMiddleGripColour = 0x800000;

QPointF pixels(double xTwips, double yTwips) { return {xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel}; }

int vbKeyCode(int key)
{
    switch (key) {
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    default: return 0;
    }
}

} // namespace

ScalePicture::ScalePicture(const ScaleGraph& graph, QWidget* parent) : QWidget(parent), graph_(graph)
{
    setFixedSize(twipsToPixels(static_cast<int>(kScaleWidth)), twipsToPixels(static_cast<int>(kScaleHeight)));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void ScalePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    const auto lines = graph_.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 2 && graph_.twoPoint()) continue;
        painter.drawLine(pixels(lines[i].x1, lines[i].y1), pixels(lines[i].x2, lines[i].y2));
    }
    const double size = kGripSize / kTwipsPerPixel;
    for (int g = 1; g <= 3; ++g) {
        if (g == 3 && graph_.twoPoint()) continue;
        const QColor colour = g == 3 ? vbColor(kMiddleGripColour) : QColor(Qt::black);
        painter.fillRect(QRectF(pixels(graph_.grip(g).left, graph_.grip(g).top), QSizeF(size, size)), colour);
    }
}

void ScalePicture::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->position().x() * kTwipsPerPixel, event->position().y() * kTwipsPerPixel);
}

void ScalePicture::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(event->position().x() * kTwipsPerPixel, event->position().y() * kTwipsPerPixel);
}

void ScalePicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(event->position().x() * kTwipsPerPixel, event->position().y() * kTwipsPerPixel);
}

void ScalePicture::keyPressEvent(QKeyEvent* event) { emit KeyDown(vbKeyCode(event->key())); }
