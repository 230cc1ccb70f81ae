#include "layout/ItemPicker.h"

#include "layout/CellLayout.h"

#include <wx/defs.h>

namespace {

// Whether index names a cell the layout holds: the cell at its origin is itself.
bool holdsCell(const CellLayout& layout, std::int32_t index)
{
    if (index < 0)
        return false;
    const LayoutPoint origin = layout.cellOrigin(index);
    return layout.cellAt(origin.x, origin.y) == index;
}

} // namespace

void ItemPicker::reset()
{
    hover_ = noCell;
    pressState_ = notPressed;
}

std::int32_t ItemPicker::cellUnder(LayoutPoint windowPoint)
{
    const CellLayout* layout = view_.layout();
    if (!layout)
        return noCell;
    const LayoutPoint point = view_.toLayout(windowPoint);
    return layout->cellAt(point.x, point.y);
}

void ItemPicker::refreshCell(const CellLayout& layout, std::int32_t index)
{
    view_.refreshRect(LayoutRect(view_.toWindow(layout.cellOrigin(index)), layout.cellSize()), true);
}

void ItemPicker::setHover(std::int32_t index)
{
    if (const CellLayout* layout = view_.layout()) {
        if (hover_ != noCell)
            refreshCell(*layout, hover_);
        if (index != noCell) {
            view_.showCell(index);
            refreshCell(*layout, index);
        }
    }
    hover_ = index;
}

void ItemPicker::onMotion(LayoutPoint windowPoint)
{
    const std::int32_t index = cellUnder(windowPoint);
    if (index == hover_)
        return;
    // Crossing cells before any press lets the release that ends a drag
    // from the opening press choose.
    if (hover_ != noCell && pressState_ == notPressed)
        pressState_ = movedBeforePress;
    setHover(index);
}

void ItemPicker::onLeftDown(LayoutPoint windowPoint)
{
    pressState_ = cellUnder(windowPoint);
    if (pressState_ == noCell)
        choose(noCell); // a click beside the cells cancels
}

void ItemPicker::onLeftUp(LayoutPoint windowPoint)
{
    const std::int32_t index = cellUnder(windowPoint);
    if (index != noCell && (pressState_ == index || pressState_ == movedBeforePress))
        choose(index);
    pressState_ = released;
}

bool ItemPicker::onKeyDown(int keyCode)
{
    CellLayout* layout = view_.layout();
    if (!layout)
        return false;
    if (hover_ == noCell)
        hoverStartCell(*layout);
    std::int32_t target = noCell;
    switch (keyCode) {
    case WXK_LEFT:
        target = neighbour(*layout, -1, 0);
        break;
    case WXK_RIGHT:
        target = neighbour(*layout, 1, 0);
        break;
    case WXK_UP:
        target = neighbour(*layout, 0, -1);
        break;
    case WXK_DOWN:
        target = neighbour(*layout, 0, 1);
        break;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        choose(hover_);
        return true;
    case WXK_ESCAPE:
        choose(noCell);
        return true;
    case WXK_TAB: // cancels, and goes on to the window, which moves the focus on
        choose(noCell);
        return false;
    default:
        return false;
    }
    if (target != noCell) // no wrapping at the borders
        setHover(target);
    return true;
}

void ItemPicker::hoverStartCell(const CellLayout& layout)
{
    // A current index the list no longer holds (or an empty list) must not
    // become a hover that Return would choose.
    const std::int32_t current = listener_ ? listener_->currentIndex() : noCell;
    if (holdsCell(layout, current))
        setHover(current);
    else if (holdsCell(layout, 0))
        setHover(0);
}

std::int32_t ItemPicker::neighbour(const CellLayout& layout, int stepX, int stepY) const
{
    if (hover_ == noCell)
        return noCell;
    const LayoutPoint origin = layout.cellOrigin(hover_);
    const LayoutSize pitch = layout.cellPitch();
    return layout.cellAt(origin.x + stepX * pitch.width, origin.y + stepY * pitch.height);
}

void ItemPicker::choose(std::int32_t index)
{
    if (listener_)
        listener_->choose(index);
}
