#include "popup/PopupScroller.h"

#include <algorithm>

void PopupScroller::reset(LayoutSize extents)
{
    extents_ = {std::max(0, extents.width), std::max(0, extents.height)};
    offset_ = {};
    speed_ = {};
}

int PopupScroller::clamped(int offset, int extent) { return std::clamp(offset, 0, extent); }

bool PopupScroller::moveTo(LayoutPoint offset)
{
    const LayoutPoint moved{clamped(offset.x, extents_.width), clamped(offset.y, extents_.height)};
    if (moved == offset_)
        return false;
    offset_ = moved;
    return true;
}

// -32 at the near edge down to 0 at the band's inner end, the same rising
// toward the far edge; integer division keeps the inner end at rest.
int PopupScroller::speedAlong(int pointer, int window, int extent)
{
    if (extent <= 0)
        return 0;
    if (pointer < edgeBand)
        return pointer * edgeSpeed / edgeBand - edgeSpeed;
    if (pointer > window - edgeBand)
        return (pointer - (window - edgeBand)) * edgeSpeed / edgeBand;
    return 0;
}

void PopupScroller::autoScroll(LayoutPoint pointer, LayoutSize window)
{
    speed_ = {speedAlong(pointer.x, window.width, extents_.width),
        speedAlong(pointer.y, window.height, extents_.height)};
}

bool PopupScroller::step() { return moveTo({offset_.x + speed_.x, offset_.y + speed_.y}); }

bool PopupScroller::wheel(int rotation, int wheelDelta)
{
    if (wheelDelta == 0)
        return false;
    return moveTo({offset_.x, offset_.y - wheelStep * rotation / wheelDelta});
}

int PopupScroller::visibleOffset(int offset, int cellStart, int cellEnd, int window, int extent)
{
    if (extent <= 0)
        return offset;
    if (cellStart < offset)
        return cellStart;
    if (cellEnd > offset + window)
        return cellEnd - window;
    return offset;
}

bool PopupScroller::ensureVisible(const LayoutRect& cell, LayoutSize window)
{
    return moveTo({visibleOffset(offset_.x, cell.x, cell.right(), window.width, extents_.width),
        visibleOffset(offset_.y, cell.y, cell.bottom(), window.height, extents_.height)});
}
