#pragma once
// What an item picker needs of the window that shows its cells: the layout,
// the mapping between window and layout coordinates, scrolling and repaints.
#include "layout/LayoutGeometry.h"

#include <cstdint>

class CellLayout;

class ItemPickerView {
public:
    virtual ~ItemPickerView() = default;
    // Null while the window has no layout.
    virtual CellLayout* layout() = 0;
    // Window point to layout point: adds the scroll offset.
    virtual LayoutPoint toLayout(LayoutPoint windowPoint) const = 0;
    virtual LayoutPoint toWindow(LayoutPoint layoutPoint) const = 0;
    // Told of every newly hovered cell, so the window may scroll it into view.
    virtual void showCell(std::int32_t index) = 0;
    virtual void refreshRect(const LayoutRect& windowRect, bool erase) = 0;
};
