#pragma once
// Where a window enlarged from a control may go: the work area of the
// display under a point, and a rectangle centred on an anchor and kept on
// that display.
#include <wx/gdicmn.h>

// The client area (without task bars) of the display holding the point;
// a point above or left of every display is moved onto one first.
wxRect displayClientAreaAt(wxPoint point);
// rect holds the wanted size; it becomes that size (shrunk to the work area
// when larger, which gives false) centred on the anchor and moved inside the
// work area of the display at the anchor's top-left corner.
bool fitRectOnDisplay(const wxRect& anchor, wxRect& rect);
// The same fitting inside a known work area.
bool fitRectInArea(const wxRect& area, const wxRect& anchor, wxRect& rect);
