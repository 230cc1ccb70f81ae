#pragma once
// Base of the controls edited by dragging: horizontal motion moves the
// parameter of the X role, vertical motion that of the Y role, the whole
// drag is one undo step on every page, and every selected control is
// dragged along. Owned like every control by its group's entry.
#include "controls/Control.h"

#include <cstdint>

class DragControl : public Control {
public:
    DragControl(wxWindow* parent, const ControlStyle& style);
    // A control that dies mid-drag still closes the drag's undo step and
    // gives the mouse back before its window goes.
    ~DragControl() override;

    void startDrag(RoleId xRole, RoleId yRole, int x, int y) override;
    void dragTo(int x, int y, bool fine) override;
    void onMouseDown(wxMouseEvent& event) override;
    void onMouseUp(wxMouseEvent& event) override;
    void onMouseMove(wxMouseEvent& event) override;
    void onCaptureLost() override;
    // The X role's parameter, then the Y role's when it is another.
    std::vector<Parameter*> getParameters() const override;

    virtual RoleId xRole() const = 0;
    virtual RoleId yRole() const = 0;
    // Classes with fixed roles ignore these.
    virtual void setXRole(RoleId role) = 0;
    virtual void setYRole(RoleId role) = 0;
    // Classes with several points pick the roles under the pointer here.
    virtual void onHover(int x, int y);
    virtual int trackWidth() const;
    virtual int trackHeight() const;
    virtual std::int32_t deltaFromX(std::int64_t pixels, const Parameter* parameter) const;
    virtual std::int32_t deltaFromY(std::int64_t pixels, const Parameter* parameter) const;

    void setDragOrigin(int x, int y);
    // Sets the origin value plus delta; true when the value changed.
    bool applyDelta(std::int32_t delta, std::int64_t pixels, Parameter& parameter, std::int32_t originValue,
        bool fine);
    // The parameter's current value text from a point, for readouts.
    void drawValueAt(wxDC& dc, const Parameter& parameter, int x, int y) const;

    bool isDragging() const { return dragging_; }

protected:
    // For the subclasses whose defaultValueSlot is their own default.
    std::int32_t* ownDefaultValue() { return &ownDefault_; }

private:
    void endDrag();

    int originX_ = 0;
    int originY_ = 0;
    std::int32_t originValueX_ = 0;
    std::int32_t originValueY_ = 0;
    std::int32_t ownDefault_ = noDefault;
    // Our own record of the gesture: the toolkit does not always report a
    // lost capture, nor say truly whether a window holds it.
    bool dragging_ = false;
};
