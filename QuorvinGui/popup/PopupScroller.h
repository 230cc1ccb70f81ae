#pragma once
// The scrolling of a popup list whose content is larger than its window:
// offsets kept within the scroll extents, speeds from how near the pointer
// is to an edge, wheel notches, and keeping a cell in view. Owned by the
// popup dialog; it holds no window.
#include "layout/LayoutGeometry.h"

class PopupScroller {
public:
    // The band along each edge in which the pointer scrolls, and the speed
    // in pixels per timer tick at the very edge.
    static constexpr int edgeBand = 64;
    static constexpr int edgeSpeed = 32;
    static constexpr int wheelStep = 20;

    // As opened anew: at the top-left corner, not moving.
    void reset(LayoutSize extents);
    LayoutSize extents() const { return extents_; }
    LayoutPoint offset() const { return offset_; }
    LayoutPoint speed() const { return speed_; }
    bool canScroll() const { return extents_.width > 0 || extents_.height > 0; }

    // Sets the speeds for the pointer at a point of a window of that size.
    void autoScroll(LayoutPoint pointer, LayoutSize window);
    // One timer tick; true when an offset moved.
    bool step();
    // rotation and wheelDelta as the toolkit reports them; true when moved.
    bool wheel(int rotation, int wheelDelta);
    // Scrolls just far enough that the cell (in content coordinates) lies
    // in the window; true when an offset moved.
    bool ensureVisible(const LayoutRect& cell, LayoutSize window);

private:
    static int speedAlong(int pointer, int window, int extent);
    static int visibleOffset(int offset, int cellStart, int cellEnd, int window, int extent);
    static int clamped(int offset, int extent);
    bool moveTo(LayoutPoint offset);

    LayoutSize extents_;
    LayoutPoint offset_;
    LayoutPoint speed_;
};
