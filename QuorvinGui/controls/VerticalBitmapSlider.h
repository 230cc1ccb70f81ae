#pragma once
// A mixer fader: a handle picture travelling up a vertical track, its centre
// on the value's position; no bar, no value text. Owns its handle picture.
#include "controls/VerticalSlider.h"

#include <memory>

#include <wx/bitmap.h>

class VerticalBitmapSlider : public VerticalSlider {
public:
    VerticalBitmapSlider(wxWindow* parent, const ControlStyle& style);

    void setHandleBitmap(std::unique_ptr<wxBitmap> handle);
    // The border plus half the handle, so the handle's centre spans the track.
    int margin() const override;
    void drawBar(wxDC& dc, int zero, int bar, int end) override;
    void drawValue(wxDC&, int, const wxColour&) override {}

private:
    std::unique_ptr<wxBitmap> handle_;
};
