#pragma once
// Base of the controls that edit a low and a high limit on one bar (loop
// points, a zoom window): the min and max parameters shown as a filled bar
// between two handles, with their value texts at the track's ends. A press
// picks the nearer handle; while it is dragged the other one bounds it.
// Owned like every control by its group's entry.
#include "controls/RangeTrack.h"
#include "controls/Slider.h"

#include <optional>

class RangeControl : public Slider {
public:
    static constexpr RoleId roleMin = 268;
    static constexpr RoleId roleMax = 269;

    RangeControl(wxWindow* parent, const ControlStyle& style);
    // Gives back the bounds of a drag still running.
    ~RangeControl() override;

    // The handles may pass each other.
    RangeControl& setNoLimit(bool noLimit);
    // The track keeps only the border free at its ends, whatever the text mode.
    RangeControl& setFixedMargin(bool fixedMargin);
    bool hasFixedMargin() const { return fixedMargin_; }
    // The handle being dragged, or kRoleNone before the first press.
    RoleId activeRole() const { return activeRole_; }

    void onHover(int x, int y) override;
    void onMouseUp(wxMouseEvent& event) override;
    void onMouseMove(wxMouseEvent& event) override;
    void onCaptureLost() override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

    int margin() const override;
    // The slider's bar and single value do not apply to a range.
    SliderGeometry barGeometry() const override { return {}; }
    void drawBar(wxDC&, int, int, int) override {}
    void drawValue(wxDC&, int, const wxColour&) override {}

    // Both value texts, the min's at the track's start, the max's at its end.
    virtual void drawValues(wxDC& dc);
    // From the handle of the parameter to the pointer along the track.
    virtual int distanceFromHandle(int x, int y, const Parameter& parameter);
    // The track positions of the range's ends, of both handles and of zero.
    struct Geometry {
        int start;
        int end;
        int low;
        int high;
        int zero;
    };
    virtual Geometry rangeGeometry();
    virtual void drawValueText(wxDC& dc, const Parameter& parameter, bool atEnd) = 0;
    virtual void fillBarRect(wxDC& dc, int from, int length);

protected:
    // Init resets both limits to their own defaults.
    std::int32_t* defaultValueSlot() override { return nullptr; }
    void onBind(RoleId role, Parameter* parameter) override;
    // The pointer's place along the track, counted from the track's start.
    virtual int pointerPosition(int x, int y) const = 0;
    // The part of the bar band from a track position for a length; a zero
    // length gives the line across the band at that position.
    virtual wxRect barRect(int from, int length) = 0;
    // The value texts' largest extent, measured once.
    wxSize cachedTextExtent();

private:
    RangeTrack track();
    void boundHandles();
    void releaseHandles();

    struct SavedBounds {
        std::int32_t minAllowedMaximum;
        std::int32_t maxAllowedMinimum;
    };

    bool noLimit_ = false;
    bool fixedMargin_ = false;
    RoleId activeRole_ = kRoleNone;
    // Measured with the first draw or press, after the builder has set the
    // display scale that the texts depend on.
    int textWidth_ = 0;
    // The allowed bounds before the drag narrowed them.
    std::optional<SavedBounds> savedBounds_;
};
