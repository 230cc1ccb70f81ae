#pragma once
// Where a keyboard scaling curve lies in a control of a given size: the
// baseline, the height of the break and each side's line from the break to
// its outer end, every value read as a fraction of the size. Plain arithmetic
// for the curve controls.
#include "layout/LayoutGeometry.h"
#include "text/Rational.h"

#include <optional>

class ScalingCurveGeometry {
public:
    // Side modes.
    static constexpr int bothSides = 0;
    static constexpr int rightSideOnly = 2;
    static constexpr int leftSideOnly = 4;
    // Baseline modes; any other value puts the baseline in the middle.
    static constexpr int baselineAtTop = 1;
    static constexpr int baselineAtBottom = 3;

    // A side's line from the break (inner) to the outer edge of the control.
    struct Segment {
        LayoutPoint inner;
        LayoutPoint outer;

        friend bool operator==(const Segment&, const Segment&) = default;
    };

    ScalingCurveGeometry(int width, int height, int sideMode, int baselineMode);

    bool showsLeft() const { return sideMode_ != rightSideOnly; }
    bool showsRight() const { return sideMode_ != leftSideOnly; }
    int baselineY() const;
    // The break's height: the baseline shifted up by the offset.
    int centreY(std::optional<Rational> offset) const;
    int breakX() const;
    // A positive slope rises from left to right on both sides; with both
    // sides shown each covers half the height for a slope of 1.
    Segment leftSide(int centreY, Rational slope) const;
    Segment rightSide(int centreY, Rational slope) const;
    // The part of a segment inside the rows 0 .. height - 1, cut where it
    // crosses the top or bottom edge; none when it lies wholly outside.
    std::optional<Segment> clipped(const Segment& segment) const;
    // Whether x lies on the right side for the hover.
    bool isRightHalf(int x) const { return x > width_ / 2; }

private:
    // (height - 1) x slope, halved when both sides share the width.
    int rise(Rational slope) const;
    int crossingX(const Segment& segment, int edgeY) const;

    int width_;
    int height_;
    int sideMode_;
    int baselineMode_;
};
