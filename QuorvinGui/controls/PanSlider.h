#pragma once
// A horizontal slider centred on the middle of its range, marked "L" and
// "R" at its ends instead of showing the value.
#include "controls/HorizontalSlider.h"

class PanSlider : public HorizontalSlider {
public:
    PanSlider(wxWindow* parent, const ControlStyle& style);

    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

protected:
    // The middle of the range displays as 0 and becomes default and value.
    void onBind(RoleId role, Parameter* parameter) override;
};
