#pragma once
// Positions and sizes given in twips convert at a fixed 15 twips per pixel, and
// colours given as &HBBGGRR through one helper, so every form lays out alike.

#include <QColor>
#include <QRect>

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }
inline constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
// Places a control at a rectangle given in twips and returns it, so a form creates and
// places each control in one statement.
template <class Widget>
Widget* placed(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}
// &HBBGGRR: &H8080FF is a light red, &HFFFF00 cyan.
inline QColor vbColor(unsigned int bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}
