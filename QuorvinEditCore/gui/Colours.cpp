#include "gui/Colours.h"

#include <algorithm>

namespace {

constexpr int fullRatio = 255;

unsigned char blendChannel(unsigned char towards, unsigned char base, int ratio)
{
    return static_cast<unsigned char>((towards * ratio + base * (fullRatio - ratio)) / fullRatio);
}

} // namespace

wxColour colourDarkGrey() { return {96, 96, 96, wxALPHA_OPAQUE}; }

wxColour colourLightGrey() { return {192, 192, 192, wxALPHA_OPAQUE}; }

wxColour blendColours(const wxColour& towards, const wxColour& base, int ratio)
{
    // Outside 0..255 a channel would wrap round to a wrong colour.
    ratio = std::clamp(ratio, 0, fullRatio);
    return {blendChannel(towards.Red(), base.Red(), ratio), blendChannel(towards.Green(), base.Green(), ratio),
            blendChannel(towards.Blue(), base.Blue(), ratio), wxALPHA_OPAQUE};
}
