#include "controls/DragControl.h"

#include "controls/DragScaling.h"
#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
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

void DragControl::dragTo(int x, int y, bool fine)
{
    Parameter* xParameter = findParameter(xRole());
    Parameter* yParameter = findParameter(yRole());
    if (xParameter != nullptr && xParameter == yParameter) {
        // One value on both axes: right and up both increase it.
        const std::int64_t pixels = std::int64_t{x} - originX_ + (std::int64_t{originY_} - y);
        if (applyDelta(deltaFromX(pixels, xParameter), pixels, *xParameter, originValueX_, fine)) {
            originX_ = x;
            originY_ = y;
            originValueX_ = originValueY_ = xParameter->getValue();
        }
        return;
    }
    if (xParameter != nullptr) {
        const std::int64_t pixels = std::int64_t{x} - originX_;
        dragAxis(pixels, deltaFromX(pixels, xParameter), *xParameter, originValueX_, originX_, x, fine);
    }
    if (yParameter != nullptr) {
        const std::int64_t pixels = std::int64_t{originY_} - y;
        dragAxis(pixels, deltaFromY(pixels, yParameter), *yParameter, originValueY_, originY_, y, fine);
    }
}

void DragControl::dragAxis(std::int64_t pixels, std::int32_t delta, Parameter& parameter,
    std::int32_t& originValue, int& originPixel, int pixel, bool fine)
{
    if (!applyDelta(delta, pixels, parameter, originValue, fine))
        return;
    originPixel = pixel;
    originValue = parameter.getValue();
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
    dc.SetFont(style().fixedFont);
    drawValue(dc, parameter, parameter.getValue(), dc.GetTextForeground(), wxRect(x, y, 0, 0), false);
}
