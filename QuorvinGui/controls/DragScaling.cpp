#include "controls/DragScaling.h"

#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "text/Rational.h"

#include <algorithm>
#include <limits>

namespace {

std::int32_t clampToInt32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::int32_t DragScaling::deltaFromPixels(std::int64_t pixels, std::int32_t track, const Parameter* parameter)
{
    if (parameter == nullptr)
        return 0;
    return deltaFromPixels(pixels, track, parameter->minimum(), parameter->maximum(),
        parameter->scale().numerator < 0);
}

std::int32_t DragScaling::deltaFromPixels(std::int64_t pixels, std::int32_t track, std::int32_t minimum,
    std::int32_t maximum, bool reversed)
{
    if (track <= 0 || maximum <= minimum)
        return 0;
    const std::int64_t span = std::int64_t{maximum} - minimum;
    const std::int64_t delta = Rational::roundTowardZero(Rational(span * pixels, static_cast<std::uint32_t>(track)));
    return clampToInt32(reversed ? -delta : delta);
}

std::int32_t DragScaling::limitFine(std::int32_t delta, std::int64_t pixels)
{
    const std::int64_t half = pixels / 2;
    if (pixels > 0)
        return static_cast<std::int32_t>(std::min<std::int64_t>(delta, half));
    if (pixels < 0)
        return static_cast<std::int32_t>(std::max<std::int64_t>(delta, half));
    return delta;
}

bool DragScaling::applyDelta(std::int32_t delta, std::int64_t pixels, Parameter& parameter,
    std::int32_t originValue, bool fine)
{
    if (fine)
        delta = limitFine(delta, pixels);
    return parameter.trySetValue(clampToInt32(std::int64_t{originValue} + delta), flagsUserEdit, pixels > 0);
}
