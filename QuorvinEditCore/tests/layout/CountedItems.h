#pragma once
// Headless stand-ins: a number of items with nothing to draw, and the grid's
// arithmetic without painting.
#include "layout/CellGrid.h"

class CountedItems : public PopupItemSource {
public:
    explicit CountedItems(std::int32_t count) : count(count) {}
    void drawItem(wxDC&, std::int32_t, bool, const LayoutRect&, int) override {}
    std::int32_t itemCount() const override { return count; }
    bool itemMatches(std::int32_t, const char16_t*, std::size_t) const override { return false; }

    std::int32_t count;
};

class HeadlessGrid : public CellGrid {
public:
    using CellGrid::CellGrid;
    void draw(wxDC&, int, int, int, int, std::int32_t) override {}
};
