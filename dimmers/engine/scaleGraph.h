#pragma once
// The photocell scaling graph's rules, apart from any display: three grips held in
// twips as real numbers (a grip placed from a stored percent must store back that
// percent, which whole pixels would not), which grip the pointer is over, dragging,
// the arrow keys, the value texts and the points the grips stand for.
//
// Grips 1 and 2 are the ends (the one further left is point A, the other point C),
// grip 3 the middle point B, which always stays horizontally between the ends.

#include <array>
#include <cstdint>
#include <string>

inline constexpr double kScaleWidth = 3945, kScaleHeight = 3000;  // the picture, twips
inline constexpr double kGripSize = 120, kGripHit = 90, kGripAttach = 45;
inline constexpr double kGripMaxLeft = kScaleWidth - kGripSize;  // 3825 = input 255
inline constexpr double kGripMaxTop = kScaleHeight - kGripSize;  // 2880 = output 0 %
inline constexpr double kTwipsPerInput = 15, kTwipsPerPercent = 28.8, kKeyStep = 15;

struct ScalePoint {
    int16_t in = 0;       // photocell input 0 .. 255
    int16_t percent = 0;  // output 0 .. 100
};
struct ScalePoints {
    ScalePoint a, b, c;
};

struct GripPlace {
    double left = 0, top = 0;
};

struct ScaleLine {
    double x1, y1, x2, y2;
};

// What the three value labels show for a grip.
struct GripTexts {
    std::string input;       // "128/255"
    std::string footCandle;  // "14 fc"
    std::string voltage;     // "5.0 V"
};

enum ScaleKey { kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40 };

class ScaleGraph {
public:
    // Grip 1 at A, grip 2 at C, grip 3 at B.
    void place(const ScalePoints& points);
    void setTwoPoint(bool twoPoint) { twoPoint_ = twoPoint; }
    bool twoPoint() const { return twoPoint_; }
    const GripPlace& grip(int g) const { return grips_[static_cast<std::size_t>(g)]; }

    // The grip whose hit square holds the point (edges included), the highest index
    // of overlapping grips; 0 for none. The hidden middle grip of two-point style is
    // never hit.
    int GripOver(double X, double Y) const;

    // A press: starts a drag of the grip under the pointer, which also becomes the
    // keyboard grip. False on an empty spot; otherwise a move to the press follows.
    bool mouseDown(double X, double Y);
    int dragGrip() const { return dragGrip_; }
    // Any pointer movement: moves the dragged grip to the pointer, clamped, and keeps
    // the middle grip between the ends. Returns the grip under the pointer, 0 none.
    int mouseMove(double X, double Y);
    void mouseUp() { dragGrip_ = 0; }
    // A key moves the keyboard grip one step when the step stays inside the graph.
    // False when the key does nothing at all (no keyboard grip, or the middle grip
    // under two-point tracking); otherwise the caller shows and stores as after a move.
    bool keyDown(int keyCode, bool twoPointTracking);
    int keyGrip() const { return keyGrip_; }

    // The lead-in, the one or two lines between the grips and the lead-out.
    std::array<ScaleLine, 4> lines() const;
    GripTexts texts(int g) const;
    // Points as the grips stand: A from the end grip further left.
    ScalePoints points() const;

private:
    void keepMiddleBetweenEnds();
    GripPlace& at(int g) { return grips_[static_cast<std::size_t>(g)]; }

    std::array<GripPlace, 4> grips_{};  // index 0 unused
    bool twoPoint_ = false;
    int dragGrip_ = 0;
    int keyGrip_ = 0;
};
