#pragma once
// Turns pointer and key events over a cell layout into a hovered cell and a
// choice. Embedded in the window that shows the cells; the window hands it
// its events in window coordinates.
#include "layout/ItemPickerListener.h"
#include "layout/ItemPickerView.h"
#include "layout/LayoutGeometry.h"

#include <cstdint>

class CellLayout;

class ItemPicker {
public:
    static constexpr std::int32_t noCell = -1;
    // Press states beside a cell index: nothing pressed since the picker
    // (re)opened, the pointer crossed cells before any press, released.
    static constexpr std::int32_t notPressed = -2;
    static constexpr std::int32_t movedBeforePress = -3;
    static constexpr std::int32_t released = -1;

    // listener may be null: the picker then only hovers.
    ItemPicker(ItemPickerView& view, ItemPickerListener* listener) : view_(view), listener_(listener) {}

    void onMotion(LayoutPoint windowPoint);
    void onLeftDown(LayoutPoint windowPoint);
    void onLeftUp(LayoutPoint windowPoint);
    // Takes arrows, Return, keypad Enter and Escape (toolkit key codes);
    // false leaves any other key to the window. Tab cancels as well, and is
    // left to the window, which moves on.
    bool onKeyDown(int keyCode);
    void setHover(std::int32_t index);

    std::int32_t hoverIndex() const { return hover_; }
    std::int32_t pressState() const { return pressState_; }
    // As opened anew: nothing hovered, nothing pressed.
    void reset();

private:
    std::int32_t cellUnder(LayoutPoint windowPoint);
    void refreshCell(const CellLayout& layout, std::int32_t index);
    void hoverStartCell(const CellLayout& layout);
    // The cell one pitch away from the hovered one, or -1 beside the grid.
    std::int32_t neighbour(const CellLayout& layout, int stepX, int stepY) const;
    void choose(std::int32_t index);

    ItemPickerView& view_;
    ItemPickerListener* listener_;
    std::int32_t hover_ = noCell;
    std::int32_t pressState_ = notPressed;
};
