#pragma once
// A range control whose track runs across the window from the left; the
// handle picked by the press follows horizontal motion.
#include "controls/RangeControl.h"

class HorizontalRangeControl : public RangeControl {
public:
    HorizontalRangeControl(wxWindow* parent, const ControlStyle& style);

    RoleId xRole() const override { return activeRole(); }
    RoleId yRole() const override { return kRoleNone; }
    int trackLength() const override;
    int crossLength() const override;
    void drawValueText(wxDC& dc, const Parameter& parameter, bool atEnd) override;

protected:
    int pointerPosition(int x, int y) const override;
    wxRect barRect(int from, int length) override;
};
