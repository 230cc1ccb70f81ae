#pragma once
// Base of the slider kinds: one parameter (the main role) shown as a bar
// from the point that displays as 0 to the value, with the value text in
// the largest free part of the track. Keeps a default of its own.
#include "controls/DragControl.h"
#include "controls/SliderGeometry.h"

class wxColour;

class Slider : public DragControl {
public:
    // Value text modes: the text in the track; a horizontal bar below a band
    // as high as the text; any other: the bar takes the whole height, no text.
    static constexpr int textInTrack = 0;
    static constexpr int textBandAbove = 1;
    static constexpr int noText = 2;

    Slider(wxWindow* parent, const ControlStyle& style);

    Slider& setValueTextMode(int mode);
    int valueTextMode() const { return valueTextMode_; }

    void setXRole(RoleId) override {}
    void setYRole(RoleId) override {}
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

    // The space kept free at both ends of the track.
    virtual int margin() const;
    // The main parameter's bar in track pixels; empty without one.
    virtual SliderGeometry barGeometry() const;
    virtual void drawBar(wxDC& dc, int zero, int bar, int end) = 0;
    // The value text above (vertical) or from (horizontal) a track position.
    virtual void drawValue(wxDC& dc, int position, const wxColour& colour) = 0;
    virtual int trackLength() const = 0;
    virtual int crossLength() const = 0;

protected:
    std::int32_t* defaultValueSlot() override { return ownDefaultValue(); }
    // The largest extent of any value text of the main parameter, measured
    // once with the value font and kept.
    wxSize valueTextExtent();
    // The current value's text extent with the value font.
    wxSize currentValueExtent(wxDC& dc) const;
    // Draws the zero line and the bar rectangle, both with the pens and brush
    // of the style; the line is the zero-line pen when the bar is empty.
    void drawZeroLine(wxDC& dc, int bar, const wxPoint& from, const wxPoint& to) const;
    void drawBarRectangle(wxDC& dc, const wxRect& rectangle) const;

private:
    const wxColour& textColour(bool enabled, SliderGeometry::TextRegion region) const;

    int valueTextMode_ = textInTrack;
    wxSize valueTextExtent_{-1, -1};
};
