#include "controls/DragControl.h"

#include "controls/DragScaling.h"
#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "undo/CommandList.h"

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/window.h>

DragControl::DragControl(wxWindow* parent, const ControlStyle& style) : Control(parent, style) {}

DragControl::~DragControl()
{
    endDrag();
}

void DragControl::startDrag(RoleId xRole, RoleId yRole, int x, int y)
{
    setXRole(xRole);
    setYRole(yRole);
    setDragOrigin(x, y);
}

void DragControl::setDragOrigin(int x, int y)
{
    originX_ = x;
    originY_ = y;
    if (const Parameter* parameter = findParameter(xRole()))
        originValueX_ = parameter->getValue();
    if (const Parameter* parameter = findParameter(yRole()))
        originValueY_ = parameter->getValue();
}

// The origin follows the pointer only when a value changed, so slow motion
// adds up pixels until a whole step is reached, and after running past the
// end of a track the way back counts from where the pointer turned.
void DragControl::dragTo(int x, int y, bool fine)
{
    Parameter* xParameter = findParameter(xRole());
    Parameter* yParameter = findParameter(yRole());
    const std::int64_t right = std::int64_t{x} - originX_;
    const std::int64_t up = std::int64_t{originY_} - y;
    if (xParameter != nullptr && xParameter == yParameter) {
        // One value on both axes: right and up both increase it.
        if (applyDelta(deltaFromX(right + up, xParameter), right + up, *xParameter, originValueX_, fine)) {
            originX_ = x;
            originY_ = y;
            originValueX_ = originValueY_ = xParameter->getValue();
        }
        return;
    }
    if (xParameter != nullptr && applyDelta(deltaFromX(right, xParameter), right, *xParameter, originValueX_, fine)) {
        originX_ = x;
        originValueX_ = xParameter->getValue();
    }
    if (yParameter != nullptr && applyDelta(deltaFromY(up, yParameter), up, *yParameter, originValueY_, fine)) {
        originY_ = y;
        originValueY_ = yParameter->getValue();
    }
}

bool DragControl::applyDelta(std::int32_t delta, std::int64_t pixels, Parameter& parameter,
    std::int32_t originValue, bool fine)
{
    return DragScaling::applyDelta(delta, pixels, parameter, originValue, fine);
}

std::int32_t DragControl::deltaFromX(std::int64_t pixels, const Parameter* parameter) const
{
    return DragScaling::deltaFromPixels(pixels, trackWidth(), parameter);
}

std::int32_t DragControl::deltaFromY(std::int64_t pixels, const Parameter* parameter) const
{
    return DragScaling::deltaFromPixels(pixels, trackHeight(), parameter);
}

int DragControl::trackWidth() const
{
    return clientSize().GetWidth();
}

int DragControl::trackHeight() const
{
    return clientSize().GetHeight();
}

void DragControl::onHover(int, int) {}

void DragControl::onMouseDown(wxMouseEvent& event)
{
    if (dragging_)
        endDrag();
    wxWindow* own = window();
    if (own != nullptr && !own->HasCapture())
        own->CaptureMouse();
    dragging_ = true;
    beginCommandGroup(getPath().text(), flagsUserEdit);
    const int x = event.GetX();
    const int y = event.GetY();
    onHover(x, y);
    setDragOrigin(x, y);
    for (Control* selected : selectedControls())
        selected->startDrag(xRole(), yRole(), x, y);
}

void DragControl::onMouseMove(wxMouseEvent& event)
{
    if (!dragging_) {
        onHover(event.GetX(), event.GetY());
        return;
    }
    // A release the toolkit never delivered ends the drag here.
    if (!event.LeftIsDown()) {
        endDrag();
        return;
    }
    const bool fine = event.AltDown();
    dragTo(event.GetX(), event.GetY(), fine);
    for (Control* selected : selectedControls()) {
        if (selected != this)
            selected->dragTo(event.GetX(), event.GetY(), fine);
    }
}

void DragControl::onMouseUp(wxMouseEvent&)
{
    endDrag();
}

void DragControl::onCaptureLost()
{
    endDrag();
}

void DragControl::endDrag()
{
    if (!dragging_)
        return;
    dragging_ = false;
    endCommandGroup(flagsUserEdit);
    wxWindow* own = window();
    if (own != nullptr && own->HasCapture())
        own->ReleaseMouse();
}

std::vector<Parameter*> DragControl::getParameters() const
{
    std::vector<Parameter*> parameters;
    Parameter* xParameter = getParameter(xRole());
    Parameter* yParameter = getParameter(yRole());
    if (xParameter != nullptr)
        parameters.push_back(xParameter);
    if (yParameter != nullptr && yParameter != xParameter)
        parameters.push_back(yParameter);
    return parameters;
}

void DragControl::drawValueAt(wxDC& dc, const Parameter& parameter, int x, int y) const
{
    useFont(dc, style().fixedFont);
    drawValue(dc, parameter, parameter.getValue(), dc.GetTextForeground(), wxRect(x, y, 0, 0), false);
}
