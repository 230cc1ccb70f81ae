#pragma once
// Equally sized cells arranged in a window: the cell under a point, where a
// cell lies, how large the whole is, and the painting of the cells in view.
// Owned by the window or control that shows it.
#include "layout/LayoutGeometry.h"

#include <cstdint>

class wxDC;

class CellLayout {
public:
    virtual ~CellLayout() = default;
    // Paints what lies in a width x height view scrolled by (scrollX,
    // scrollY); the cell numbered highlighted is drawn highlighted.
    virtual void draw(wxDC& dc, int width, int height, int scrollX, int scrollY, std::int32_t highlighted) = 0;
    virtual void setCellSize(int width, int height) = 0;
    virtual LayoutSize cellSize() const = 0;
    // From one cell to the next across and down: the cell size plus the gap.
    virtual LayoutSize cellPitch() const = 0;
    // The cell at a point in layout coordinates, or -1.
    virtual std::int32_t cellAt(int x, int y) const = 0;
    virtual LayoutPoint cellOrigin(std::int32_t index) const = 0;
    // Arranges the cells to be at most maxHeight high where it can; returns
    // the size of the cells without the margins.
    virtual LayoutSize fitToHeight(int maxHeight) = 0;
};
