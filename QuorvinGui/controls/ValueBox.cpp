#include "controls/ValueBox.h"

#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "params/Parameter.h"

#include <wx/dc.h>

ValueBox::ValueBox(wxWindow* parent, const ControlStyle& style) : DragControl(parent, style) {}

void ValueBox::dragTo(int x, int y, bool) { DragControl::dragTo(x, y, true); }

// The same colour when disabled: the box is read as a number, not a switch.
void ValueBox::draw(wxDC& dc, const wxRegion&, bool, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.x, size.y);
    const Parameter* parameter = mainParameter();
    if (parameter == nullptr)
        return;
    useFont(dc, style().fixedFont);
    drawValue(dc, *parameter, parameter->getValue(), style().colour4, wxRect(wxPoint(0, 0), size), true);
}
