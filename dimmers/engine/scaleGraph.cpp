#include "dimmers/engine/scaleGraph.h"

#include "core/modB3Dimmers.h"
#include "core/vbRuntime.h"

namespace {

GripPlace placeOf(const ScalePoint& p)
{
    return {p.in * kTwipsPerInput, kGripMaxTop - p.percent * kTwipsPerPercent};
}

ScalePoint pointOf(const GripPlace& g)
{
    return {static_cast<int16_t>(NearestEven(g.left / kTwipsPerInput)),
            static_cast<int16_t>(NearestEven((kGripMaxTop - g.top) / kTwipsPerPercent))};
}

double clamped(double raw, double max)
{
    if (raw < 0) return 0;
    if (raw > max) return static_cast<double>(NearestEven(max));
    return static_cast<double>(NearestEven(raw));
}

} // namespace

void ScaleGraph::place(const ScalePoints& points)
{
    at(1) = placeOf(points.a);
    at(2) = placeOf(points.c);
    at(3) = placeOf(points.b);
}

int ScaleGraph::GripOver(double X, double Y) const
{
    int over = 0;
    for (int g = 1; g <= 3; ++g) {
        if (g == 3 && twoPoint_) continue;
        const GripPlace& p = grip(g);
        if (p.left <= X && X <= p.left + kGripHit && p.top <= Y && Y <= p.top + kGripHit) over = g;
    }
    return over;
}

bool ScaleGraph::mouseDown(double X, double Y)
{
    dragGrip_ = GripOver(X, Y);
    if (dragGrip_ == 0) return false;
    keyGrip_ = dragGrip_;
    return true;
}

int ScaleGraph::mouseMove(double X, double Y)
{
    if (dragGrip_ != 0) at(dragGrip_) = {clamped(X, kGripMaxLeft), clamped(Y, kGripMaxTop)};
    keepMiddleBetweenEnds();
    return GripOver(X, Y);
}

bool ScaleGraph::keyDown(int keyCode, bool twoPointTracking)
{
    if (keyGrip_ == 0 || (twoPointTracking && keyGrip_ == 3)) return false;
    GripPlace& g = at(keyGrip_);
    switch (keyCode) {
    case kKeyUp:
        if (g.top - kKeyStep >= 0) g.top -= kKeyStep;
        break;
    case kKeyDown:
        if (g.top + kKeyStep <= kGripMaxTop) g.top += kKeyStep;
        break;
    case kKeyLeft:
        if (g.left - kKeyStep >= 0) g.left -= kKeyStep;
        break;
    case kKeyRight:
        if (g.left + kKeyStep <= kGripMaxLeft) g.left += kKeyStep;
        break;
    default: break;
    }
    keepMiddleBetweenEnds();
    return true;
}

void ScaleGraph::keepMiddleBetweenEnds()
{
    const double left1 = grip(1).left, left2 = grip(2).left;
    double& middle = at(3).left;
    if (left1 < left2) {
        if (middle < left1) middle = left1;
        if (middle > left2) middle = left2;
    } else {
        if (middle < left2) middle = left2;
        if (middle > left1) middle = left1;
    }
}

std::array<ScaleLine, 4> ScaleGraph::lines() const
{
    const bool oneFirst = grip(1).left <= grip(2).left;
    const GripPlace& lg = grip(oneFirst ? 1 : 2);
    const GripPlace& rg = grip(oneFirst ? 2 : 1);
    const GripPlace& m = twoPoint_ ? rg : grip(3);
    const double lx = lg.left + kGripAttach, ly = lg.top + kGripAttach;
    const double mx = m.left + kGripAttach, my = m.top + kGripAttach;
    const double rx = rg.left + kGripAttach, ry = rg.top + kGripAttach;
    return {ScaleLine{0, ly, lx, ly}, ScaleLine{lx, ly, mx, my}, ScaleLine{mx, my, rx, ry},
            ScaleLine{rx, ry, kScaleWidth, ry}};
}

GripTexts ScaleGraph::texts(int g) const
{
    const GripPlace& p = grip(g);
    // Scaled by the fixed grip range, not the picture's size, which may differ.
    const auto level = static_cast<int16_t>(NearestEven(p.left / kGripMaxLeft * 255));
    return {FormatFixed(p.left / kTwipsPerInput, 0) + "/255", FormatNumber(PCLevelToFC(level)) + " fc",
            FormatFixed(10 - p.top / kGripMaxTop * 10, 1) + " V"};
}

ScalePoints ScaleGraph::points() const
{
    const bool oneFirst = grip(1).left <= grip(2).left;
    return {pointOf(grip(oneFirst ? 1 : 2)), pointOf(grip(3)), pointOf(grip(oneFirst ? 2 : 1))};
}
