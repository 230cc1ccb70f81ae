#pragma once
// A slider whose track runs across the window from the left; the default
// kind of the pages. The value text starts at the left edge of the largest
// free part of the track.
#include "controls/Slider.h"

class HorizontalSlider : public Slider {
public:
    HorizontalSlider(wxWindow* parent, const ControlStyle& style);

    RoleId xRole() const override { return roleMain; }
    RoleId yRole() const override { return kRoleNone; }
    int trackLength() const override;
    int crossLength() const override;
    void drawBar(wxDC& dc, int zero, int bar, int end) override;
    void drawValue(wxDC& dc, int position, const wxColour& colour) override;

private:
    // Where the bar starts across: below the border, below the text band, or
    // at the top.
    int barTop();
};
