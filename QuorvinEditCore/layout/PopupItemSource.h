#pragma once
// The items a cell layout shows: how many there are, how one is drawn into
// its cell and whether one matches a typed filter. Implemented by the owners
// of popup lists and by the memory grid view; the layout does not own it.
#include "layout/LayoutGeometry.h"
#include "text/RefString.h"

#include <cstddef>
#include <cstdint>

class wxDC;

class PopupItemSource {
public:
    // drawItem flags: centre the item's text in its cell (the grid never
    // asks for it).
    static constexpr int centredItem = 0x1;

    virtual ~PopupItemSource() = default;
    virtual void drawItem(wxDC& dc, std::int32_t index, bool highlighted, const LayoutRect& cell, int flags) = 0;
    virtual std::int32_t itemCount() const = 0;
    // Whether item index's text holds text at character position.
    virtual bool itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const = 0;
};
