#pragma once
// A range control whose track runs up the window from the bottom; the
// handle picked by the press follows vertical motion.
#include "controls/RangeControl.h"

class VerticalRangeControl : public RangeControl {
public:
    VerticalRangeControl(wxWindow* parent, const ControlStyle& style);

    RoleId xRole() const override { return kRoleNone; }
    RoleId yRole() const override { return activeRole(); }
    int trackLength() const override;
    int crossLength() const override;
    void drawValueText(wxDC& dc, const Parameter& parameter, bool atEnd) override;

protected:
    int pointerPosition(int x, int y) const override;
    wxRect barRect(int from, int length) override;
};
