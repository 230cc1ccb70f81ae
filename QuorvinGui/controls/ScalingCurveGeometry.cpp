#include "controls/ScalingCurveGeometry.h"

#include <algorithm>

namespace {

// pixels x value, rounded half away from zero.
int scaled(std::int64_t pixels, Rational value)
{
    return static_cast<int>(Rational::round(Rational(pixels * value.numerator, value.denominator)));
}

} // namespace

ScalingCurveGeometry::ScalingCurveGeometry(int width, int height, int sideMode, int baselineMode)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), sideMode_(sideMode), baselineMode_(baselineMode)
{
}

int ScalingCurveGeometry::baselineY() const
{
    if (baselineMode_ == baselineAtTop)
        return 0;
    if (baselineMode_ == baselineAtBottom)
        return height_ - 1;
    return height_ / 2;
}

int ScalingCurveGeometry::centreY(std::optional<Rational> offset) const
{
    return offset ? baselineY() - scaled(height_, *offset) : baselineY();
}

int ScalingCurveGeometry::breakX() const
{
    if (sideMode_ == leftSideOnly)
        return width_ - 1;
    if (sideMode_ == rightSideOnly)
        return 0;
    return width_ / 2;
}

int ScalingCurveGeometry::rise(Rational slope) const
{
    const bool halved = showsLeft() && showsRight();
    return scaled(height_ - 1, halved ? Rational(slope.numerator, slope.denominator * 2) : slope);
}

ScalingCurveGeometry::Segment ScalingCurveGeometry::leftSide(int centreY, Rational slope) const
{
    return {{breakX(), centreY}, {0, centreY + rise(slope)}};
}

ScalingCurveGeometry::Segment ScalingCurveGeometry::rightSide(int centreY, Rational slope) const
{
    return {{breakX(), centreY}, {width_ - 1, centreY - rise(slope)}};
}

int ScalingCurveGeometry::crossingX(const Segment& segment, int edgeY) const
{
    // Only called for a segment with one end beyond the edge, so dy is not 0.
    std::int64_t dy = segment.outer.y - segment.inner.y;
    std::int64_t along = static_cast<std::int64_t>(edgeY - segment.inner.y) * (segment.outer.x - segment.inner.x);
    if (dy < 0) {
        dy = -dy;
        along = -along;
    }
    return segment.inner.x + static_cast<int>(Rational::round(Rational(along, static_cast<std::uint32_t>(dy))));
}

std::optional<ScalingCurveGeometry::Segment> ScalingCurveGeometry::clipped(const Segment& segment) const
{
    const int bottom = height_ - 1;
    const auto outside = [bottom](int y) { return y < 0 || y > bottom; };
    const auto edgeOf = [bottom](int y) { return y < 0 ? 0 : bottom; };
    if ((segment.inner.y < 0 && segment.outer.y < 0) || (segment.inner.y > bottom && segment.outer.y > bottom))
        return std::nullopt;
    Segment cut = segment;
    if (outside(segment.inner.y))
        cut.inner = {crossingX(segment, edgeOf(segment.inner.y)), edgeOf(segment.inner.y)};
    if (outside(segment.outer.y))
        cut.outer = {crossingX(segment, edgeOf(segment.outer.y)), edgeOf(segment.outer.y)};
    return cut;
}
