#pragma once
// The scaling curve of level scaling: each side carries a curve type (0..3),
// shown as a small picture in its bottom corner and stepped by clicking it,
// whose type decides whether the side rises or falls and whether it bends.
// The sign lives in the slope's display mapping, so the slope's text and the
// direction of a drag follow the curve type.
#include "controls/ScalingCurveControl.h"

class LevelScalingCurveControl : public ScalingCurveControl {
public:
    LevelScalingCurveControl(wxWindow* parent, const ControlStyle& style);

    // The slopes' display scales before the curve types give them their sign.
    void setBaseScales(Rational left, Rational right);

    void onMouseDown(wxMouseEvent& event) override;
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;
    Rational leftShapeFactor() const override;
    Rational rightShapeFactor() const override;

    // Where a side's curve picture is drawn; empty while its curve shows none.
    wxRect curvePictureRect(bool left) const;

protected:
    void onBind(RoleId role, Parameter* parameter) override;
    const char* roleName(RoleId role) const override;

private:
    // The side's curve type, none when unbound or outside the four types.
    std::optional<std::int32_t> curveType(bool left) const;
    static Rational shapeOfType(std::optional<std::int32_t> type);
    // Steps the curve whose picture holds the point; false when none does.
    bool stepCurveAt(const wxPoint& point);
    // Gives a side's slope the display scale its curve type asks for.
    void applySlopeSign(bool left, std::uint32_t flags);
    void drawCurvePicture(wxDC& dc, bool left, const wxColour& colour);

    Rational leftBase_{1};
    Rational rightBase_{1};
};
