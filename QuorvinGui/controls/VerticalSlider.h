#pragma once
// A slider whose track runs up the window: the bar grows from the zero point
// towards the value, the value text stands centred across it.
#include "controls/Slider.h"

class VerticalSlider : public Slider {
public:
    VerticalSlider(wxWindow* parent, const ControlStyle& style);

    RoleId xRole() const override { return kRoleNone; }
    RoleId yRole() const override { return roleMain; }
    int trackLength() const override;
    int crossLength() const override;
    void drawBar(wxDC& dc, int zero, int bar, int end) override;
    void drawValue(wxDC& dc, int position, const wxColour& colour) override;
};
