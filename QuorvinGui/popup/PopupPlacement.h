#pragma once
// Where a popup list goes on the display: over its owner when it fits, moved
// back inside the work area when it would run off, and scrolled by exactly
// the excess when it is larger than the work area.
#include "layout/LayoutGeometry.h"

struct PopupPlacement {
    LayoutPoint position;
    // The window's size: the content less the scroll extents.
    LayoutSize size;
    // How far the content may scroll each way; 0 when it fits.
    LayoutSize scrollExtent;

    friend bool operator==(const PopupPlacement&, const PopupPlacement&) = default;
};

// anchorTopLeft and anchorBottomRight bound the owner on the screen.
PopupPlacement placePopup(const LayoutRect& area, LayoutPoint anchorTopLeft, LayoutPoint anchorBottomRight,
    LayoutSize content);
