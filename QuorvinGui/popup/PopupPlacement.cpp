#include "popup/PopupPlacement.h"

#include <algorithm>

namespace {

struct AxisPlacement {
    int position;
    int scrollExtent;
};

// One axis: start at the owner; when that runs off the area, either fill the
// area from its start and scroll the rest, or end at the owner's far edge.
AxisPlacement placeAlong(int areaStart, int areaExtent, int anchorStart, int anchorEnd, int content)
{
    if (anchorStart + content <= areaStart + areaExtent)
        return {anchorStart, 0};
    if (content > areaExtent)
        return {areaStart, content - areaExtent};
    return {std::max(anchorEnd - content, areaStart), 0};
}

} // namespace

PopupPlacement placePopup(const LayoutRect& area, LayoutPoint anchorTopLeft, LayoutPoint anchorBottomRight,
    LayoutSize content)
{
    const AxisPlacement across = placeAlong(area.x, area.width, anchorTopLeft.x, anchorBottomRight.x, content.width);
    const AxisPlacement down = placeAlong(area.y, area.height, anchorTopLeft.y, anchorBottomRight.y, content.height);
    return {{across.position, down.position},
        {content.width - across.scrollExtent, content.height - down.scrollExtent},
        {across.scrollExtent, down.scrollExtent}};
}
