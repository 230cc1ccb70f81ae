#pragma once
// Zone editor: a rectangle whose left and right sides are a note range and
// whose bottom and top sides are a velocity range; the pointer picks a side
// and a drag moves its parameter. Owned by its control group's entry.
#include "controls/DragControl.h"
#include "controls/ZoneGeometry.h"

class wxBrush;

class ZoneControl : public DragControl {
public:
    static constexpr RoleId leftSide = 268;
    static constexpr RoleId rightSide = 269;
    static constexpr RoleId topSide = 270;
    static constexpr RoleId bottomSide = 271;

    ZoneControl(wxWindow* parent, const ControlStyle& style);

    // Free sides may pass their opposite side; the zone then wraps round.
    void setFreeSides(bool free) { freeSides_ = free; }
    bool freeSides() const { return freeSides_; }
    // Not owned: the brush must outlive the control. Null: the style's.
    void setZoneBrush(const wxBrush* brush) { zoneBrush_ = brush; }

    RoleId xRole() const override { return xRole_; }
    RoleId yRole() const override { return yRole_; }
    void setXRole(RoleId role) override { xRole_ = role; }
    void setYRole(RoleId role) override { yRole_ = role; }
    void onHover(int x, int y) override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

    ZoneGeometry geometry() const;

protected:
    void onBind(RoleId role, Parameter* parameter) override;

private:
    static RoleId roleOf(ZoneGeometry::Side side);
    // Measured with the value font, whether or not the labels are drawn.
    ZoneGeometry::LabelSizes labelSizes(wxDC& dc) const;
    ZoneGeometry::LabelSizes measureLabels() const;
    void keepSidesFromCrossing();
    void drawLabels(wxDC& dc, const ZoneGeometry& zone);

    bool freeSides_ = false;
    const wxBrush* zoneBrush_ = nullptr;
    RoleId xRole_ = kRoleNone;
    RoleId yRole_ = kRoleNone;
};
