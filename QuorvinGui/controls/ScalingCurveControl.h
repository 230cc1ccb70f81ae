#pragma once
// Shows and edits a keyboard scaling curve: a pivot note, an offset and one
// slope or a left and a right slope, optionally with a shape per side.
// Horizontal drags change the slope under the pointer, vertical drags the
// offset, and the pivot's label drags the pivot. Owned like every control by
// its group's entry.
#include "controls/DragControl.h"
#include "controls/ScalingCurveGeometry.h"

#include <optional>

#include <wx/brush.h>

class ScalingCurveControl : public DragControl {
public:
    static constexpr RoleId rolePivot = 274;
    static constexpr RoleId roleOffset = 275;
    static constexpr RoleId roleSlope = 276;
    static constexpr RoleId roleLeftSlope = 277;
    static constexpr RoleId roleRightSlope = 278;
    static constexpr RoleId roleLeftShape = 279;
    static constexpr RoleId roleRightShape = 280;

    ScalingCurveControl(wxWindow* parent, const ControlStyle& style);

    void setSideMode(int mode) { sideMode_ = mode; }
    void setBaselineMode(int mode) { baselineMode_ = mode; }
    // Fills the area under a plain side instead of the style's fill brush.
    void setFillBrush(const wxBrush& brush) { fillBrush_ = brush; }
    // One slope for the whole keyboard when role 276 is bound.
    bool isOneSlope() const { return getParameter(roleSlope) != nullptr; }

    RoleId xRole() const override { return xRole_; }
    RoleId yRole() const override { return yRole_; }
    void setXRole(RoleId role) override { xRole_ = role; }
    void setYRole(RoleId role) override { yRole_ = role; }
    void onHover(int x, int y) override;
    // On the pivot's label only the pivot goes back to its default.
    void onDoubleClick() override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

    // Draws one side from the break to its outer end; a non-zero shape factor
    // bends it between the same end points.
    virtual void drawSegment(wxDC& dc, const ScalingCurveGeometry::Segment& side, Rational shapeFactor, bool filled);
    virtual Rational leftShapeFactor() const;
    virtual Rational rightShapeFactor() const;

    ScalingCurveGeometry geometry() const;
    // The break's height for the current offset.
    int centreY() const;
    // The pivot's value text, bottom centre, measured in the value font.
    wxRect pivotLabelRect() const;

protected:
    void onBind(RoleId role, Parameter* parameter) override;
    // The key name each role gives its parameter.
    virtual const char* roleName(RoleId role) const;
    // A side's slope as a fraction of the height, from its display value.
    Rational slopeOf(RoleId role) const;
    // The slope parameter that shapes a side: the one slope, or that side's own.
    RoleId leftSlopeRole() const { return isOneSlope() ? roleSlope : roleLeftSlope; }
    RoleId rightSlopeRole() const { return isOneSlope() ? roleSlope : roleRightSlope; }
    // Where the pointer was last seen over the control.
    wxPoint lastPointer() const { return lastPointer_; }
    std::optional<Rational> displayOf(RoleId role) const;

private:
    void drawSide(wxDC& dc, RoleId slopeRole, bool left);
    void drawTexts(wxDC& dc, const wxColour& colour);
    // Where a side's slope text stands: under the offset, at the left edge
    // or right-aligned at the right one. In the value font, already set.
    wxRect slopeTextRect(wxDC& dc, const Parameter& slope, bool right) const;
    // A one-slope curve whose slope text lies across its resting line (a
    // control too low for a row of its own) leaves the text its columns:
    // the curve is drawn beside it, not under it.
    void makeRoomForSlopeText(wxDC& dc);
    const wxBrush& fillBrush() const;

    RoleId xRole_ = kRoleNone;
    RoleId yRole_ = kRoleNone;
    int sideMode_ = ScalingCurveGeometry::bothSides;
    int baselineMode_ = 0;
    wxBrush fillBrush_;
    wxPoint lastPointer_{-1, -1};
    // Columns at the right edge that the curve leaves to its slope text.
    int curveRight_ = 0;
};
