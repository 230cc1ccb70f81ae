#pragma once
// Receives the item picked in a popup list and tells which item is current.
// Implemented by the control that opens the popup.
#include <cstdint>

class PopupSelectionTarget {
public:
    virtual ~PopupSelectionTarget() = default;
    // index is a cell of the layout the popup showed.
    virtual void select(std::int32_t index) = 0;
    // -1 when nothing is current.
    virtual std::int32_t currentIndex() const = 0;
    // Where the current item is among the cells shown, which differs from
    // currentIndex while the list is filtered; -1 when it is not shown.
    virtual std::int32_t currentCell() const { return currentIndex(); }
};
