#include "controls/SliderGeometry.h"

#include "params/Parameter.h"
#include "text/Rational.h"

#include <algorithm>

SliderGeometry SliderGeometry::forParameter(const Parameter& parameter, std::int32_t margin,
    std::int32_t trackLength)
{
    return compute(parameter.getValue(), parameter.rawFromDisplay(Rational(0)), parameter.minimum(),
        parameter.maximum(), parameter.scale().numerator < 0, margin, trackLength);
}

SliderGeometry SliderGeometry::compute(std::int32_t value, std::int32_t zeroValue, std::int32_t minimum,
    std::int32_t maximum, bool reversed, std::int32_t margin, std::int32_t trackLength)
{
    SliderGeometry geometry;
    geometry.start = margin;
    if (maximum <= minimum) {
        geometry.end = margin;
        geometry.zero = margin;
        return geometry;
    }
    const std::int64_t low = minimum;
    const std::int64_t high = maximum;
    std::int64_t v = std::clamp<std::int64_t>(value, low, high);
    std::int64_t z = std::clamp<std::int64_t>(zeroValue, low, high);
    if (reversed) {
        v = high - v + low;
        z = high - z + low;
    }
    const std::int64_t usable = std::max<std::int64_t>(std::int64_t{trackLength} - 2 * std::int64_t{margin}, 0);
    const auto span = static_cast<std::uint32_t>(high - low);
    const auto position = [&](std::int64_t raw) {
        return static_cast<std::int32_t>(margin + Rational::roundTowardZero(Rational((raw - low) * usable, span)));
    };
    geometry.end = position(high);
    geometry.zero = position(z);
    geometry.bar = position(v) - geometry.zero;
    if (geometry.bar == 0 && v != z)
        geometry.bar = v > z ? 1 : -1;
    return geometry;
}

std::int32_t SliderGeometry::barEnd() const
{
    return zero + (bar == 0 ? 1 : bar);
}

SliderGeometry::TextRegion SliderGeometry::textRegion() const
{
    const std::int32_t lowerEdge = std::min(zero, barEnd());
    const std::int32_t upperEdge = std::max(zero, barEnd());
    const std::int32_t low = lowerEdge - start;
    const std::int32_t middle = upperEdge - lowerEdge;
    const std::int32_t high = end - upperEdge;
    if (low >= middle && low >= high)
        return TextRegion::Low;
    if (high >= middle)
        return TextRegion::High;
    return TextRegion::Bar;
}

std::int32_t SliderGeometry::textRegionStart() const
{
    switch (textRegion()) {
    case TextRegion::Low:
        return start;
    case TextRegion::Bar:
        return std::min(zero, barEnd());
    case TextRegion::High:
        // Past the zero line of a bar below zero: a minus sign on the line
        // would not read.
        return std::max(zero + 1, barEnd());
    }
    return start;
}
