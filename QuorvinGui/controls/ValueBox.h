#pragma once
// A box showing its parameter's value, edited by dragging in any direction
// (right and up increase) at the fine rate, by keys and by the wheel. Keeps
// a default of its own. Owned by its control group's entry.
#include "controls/DragControl.h"
#include "controls/ValueDrawing.h"

class ValueBox : public DragControl {
public:
    ValueBox(wxWindow* parent, const ControlStyle& style);

    // The text the box shows, empty without a parameter.
    RefString shownText() const { return currentValueText(mainParameter()); }

    // Both axes move the main parameter.
    RoleId xRole() const override { return roleMain; }
    RoleId yRole() const override { return roleMain; }
    void setXRole(RoleId) override {}
    void setYRole(RoleId) override {}
    // Always fine: a small box would otherwise jump across a long range.
    void dragTo(int x, int y, bool fine) override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

protected:
    std::int32_t* defaultValueSlot() override { return ownDefaultValue(); }
};
