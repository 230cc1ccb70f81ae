#include "controls/ValueButton.h"

#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"

#include <wx/dc.h>

ValueButton::ValueButton(wxWindow* parent, const ControlStyle& style) : Control(parent, style) {}

// A recorded edit of its own: outside a group each change is one undo step.
void ValueButton::onMouseDown(wxMouseEvent&)
{
    if (Parameter* parameter = mainParameter())
        parameter->stepUp(flagsUserEdit);
}

void ValueButton::onMouseUp(wxMouseEvent&) {}
void ValueButton::onMouseMove(wxMouseEvent&) {}
void ValueButton::onCaptureLost() {}

void ValueButton::draw(wxDC& dc, const wxRegion&, bool enabled, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.x, size.y);
    const Parameter* parameter = mainParameter();
    if (parameter == nullptr)
        return;
    useFont(dc, style().fixedFont);
    const wxColour& colour = enabled ? style().colour4 : style().colour5;
    drawValue(dc, *parameter, parameter->getValue(), colour, wxRect(wxPoint(0, 0), size), true);
}
