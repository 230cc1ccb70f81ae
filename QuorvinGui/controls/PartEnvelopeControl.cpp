#include "controls/PartEnvelopeControl.h"

#include <algorithm>

int PartEnvelopeControl::originX() const
{
    const auto& segments = shape().segments();
    const std::size_t first = shape().hasStart() ? 1 : 0;
    if (first >= segments.size())
        return margin();
    const int width = columnWidth();
    const int now = EnvelopeShape::envelopeTimeToPixels(segments[first], width, false);
    const int neutral = EnvelopeShape::envelopeTimeToPixels(segments[first], width, true);
    return margin() + std::max(0, neutral - now);
}

EnvelopeShape::Placement PartEnvelopeControl::referenceSegment() const
{
    return {.timesAtZero = true, .levelsAtZero = true};
}
