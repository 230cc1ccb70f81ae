#pragma once
// Envelope editor: the bound envelope generator drawn as a polyline of
// points, one column each, whose time and level parameters a drag moves;
// the point under the pointer or the role cursor is highlighted with its
// values read out. Owned by its control group's entry.
#include "controls/DragControl.h"
#include "controls/EnvelopeShape.h"

class EnvelopeControl : public DragControl {
public:
    static constexpr int initialMargin = 2;

    EnvelopeControl(wxWindow* parent, const ControlStyle& style);

    const EnvelopeShape& shape() const { return shape_; }
    // For builders that add fixed points between the bound ones.
    void appendSegment() { shape_.appendSegment(); }
    void setTimePoint(Parameter* parameter, RoleId role, std::int32_t value)
    {
        shape_.setTimePoint(parameter, role, value);
    }
    void setLevelPoint(Parameter* parameter, RoleId role, std::int32_t value)
    {
        shape_.setLevelPoint(parameter, role, value);
    }
    int margin() const { return margin_; }
    RoleId highlightedLevelRole() const { return highlightedLevelRole_; }
    RoleId highlightedTimeRole() const { return highlightedTimeRole_; }

    RoleId xRole() const override { return dragXRole_; }
    RoleId yRole() const override { return dragYRole_; }
    void setXRole(RoleId role) override { dragXRole_ = role; }
    void setYRole(RoleId role) override { dragYRole_ = role; }
    void onHover(int x, int y) override;
    void onMouseMove(wxMouseEvent& event) override;
    void onKillFocus() override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;
    // A horizontal drag over one column spans a time's whole range.
    int trackWidth() const override { return columnWidth(); }
    virtual int columnWidth() const;

    // Where the envelope starts.
    virtual int originX() const { return margin_; }
    // How the neutral shape the fill is measured from places its points.
    virtual EnvelopeShape::Placement referenceSegment() const;

    // The points at their current values in the current client size.
    EnvelopeShape::Polyline currentPolyline() const;

    // The size an envelope opens at when popped out: twice its page size, and
    // no smaller than this, so that a strip on the page opens at a size whose
    // points and readout can be told apart.
    static inline const wxSize legiblePopOutSize{400, 200};

protected:
    void onBind(RoleId role, Parameter* parameter) override;
    wxSize popOutSize(const wxSize& home) const override;
    EnvelopeShape::Frame frame() const;

private:
    struct PointRoles {
        RoleId level = kRoleNone;
        RoleId time = kRoleNone;
    };

    PointRoles rolesAt(int x, int y) const;
    void showRoleCursor();
    bool isHighlighted(std::size_t index) const;
    void drawFill(wxDC& dc, const EnvelopeShape::Polyline& current) const;
    void drawPoints(wxDC& dc, const EnvelopeShape::Polyline& current) const;
    void drawReadout(wxDC& dc) const;

    EnvelopeShape shape_;
    int margin_ = initialMargin;
    RoleId dragYRole_ = kRoleNone;
    RoleId dragXRole_ = kRoleNone;
    RoleId highlightedLevelRole_ = kRoleNone;
    RoleId highlightedTimeRole_ = kRoleNone;
};
