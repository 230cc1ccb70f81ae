#include "controls/CaptionControl.h"

#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "gui/TextExtents.h"
#include "text/WxText.h"

#include <wx/dc.h>
#include <wx/window.h>

CaptionControl::CaptionControl(wxWindow* parent, const ControlStyle& style, const RefString& text, int textStyle)
    : Control(parent, style), text_(text), textStyle_(textStyle)
{
    setNoFocus(true);
    // Tab passes over it as the pointer does.
    window()->DisableFocusFromKeyboard();
}

void CaptionControl::onMouseDown(wxMouseEvent&) {}
void CaptionControl::onMouseUp(wxMouseEvent&) {}
void CaptionControl::onCaptureLost() {}

// Centred even when wider than the control, so both ends are cut alike.
void CaptionControl::draw(wxDC& dc, const wxRegion&, bool, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.x, size.y);
    useFont(dc, style().fontOfKind(textStyle_));
    dc.SetTextForeground(style().colour4);
    const wxString text = toWxString(text_);
    const wxSize extent = TextExtents::onContext(dc, text);
    drawText(dc, text, (size.x - extent.x) / 2, (size.y - extent.y) / 2);
}
