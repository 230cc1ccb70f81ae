#include "controls/RangeTrack.h"

#include <cstdlib>

namespace {

// The value text modes shared with the sliders.
constexpr int textInTrack = 0;
constexpr int textBandAbove = 1;

} // namespace

std::int32_t RangeTrack::margin(int valueTextMode, bool fixedMargin, std::int32_t border, std::int32_t textWidth)
{
    if (fixedMargin || valueTextMode == textBandAbove)
        return border;
    if (valueTextMode == textInTrack)
        return border + textWidth;
    return 0;
}

RangeTrack::RangeTrack(std::int32_t minimum, std::int32_t maximum, std::int32_t margin, std::int32_t trackLength)
    : minimum_(minimum), maximum_(maximum), margin_(margin), trackLength_(trackLength)
{
}

std::int32_t RangeTrack::position(std::int32_t value) const
{
    if (maximum_ == minimum_)
        return 0;
    const std::int64_t usable = trackLength_ - 2 * margin_;
    return static_cast<std::int32_t>((value - minimum_) * usable / (maximum_ - minimum_) + margin_);
}

RangeTrack::Handle RangeTrack::nearerHandle(std::int64_t fromMin, std::int64_t fromMax)
{
    const std::int64_t toMin = std::llabs(fromMin);
    const std::int64_t toMax = std::llabs(fromMax);
    if (toMin != toMax)
        return toMin < toMax ? Handle::min : Handle::max;
    return fromMin < 0 ? Handle::min : Handle::max;
}

std::vector<RangeTrack::Piece> RangeTrack::barPieces(std::int32_t start, std::int32_t end, std::int32_t low,
    std::int32_t high)
{
    if (low == high)
        return {{low, 1}};
    if (low < high)
        return {{low, high - low}};
    return {{start, high - start}, {low, end - low}};
}

bool RangeTrack::showsZeroLine(bool fixedMargin, std::int32_t low, std::int32_t high, std::int32_t zero)
{
    return !fixedMargin || high - low < zero;
}
