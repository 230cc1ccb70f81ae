#include "controls/DisplayPlacement.h"

#include <wx/display.h>

namespace {

// Centres one axis of length on the anchor, then moves it inside the area.
int placeOnAxis(int anchorStart, int anchorLength, int length, int areaStart, int areaLength)
{
    int start = anchorStart + (anchorLength - length) / 2;
    if (start < areaStart)
        start = areaStart;
    else if (start + length > areaStart + areaLength)
        start = areaStart + areaLength - length;
    return start;
}

} // namespace

wxRect displayClientAreaAt(wxPoint point)
{
    int index = wxDisplay::GetFromPoint(point);
    if (index == wxNOT_FOUND && point.y < 0) {
        point.y = 0;
        index = wxDisplay::GetFromPoint(point);
    }
    if (index == wxNOT_FOUND && point.x < 0) {
        point.x = 0;
        index = wxDisplay::GetFromPoint(point);
    }
    return wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetClientArea();
}

bool fitRectInArea(const wxRect& area, const wxRect& anchor, wxRect& rect)
{
    bool fits = true;
    if (rect.width > area.width) {
        rect.width = area.width;
        fits = false;
    }
    if (rect.height > area.height) {
        rect.height = area.height;
        fits = false;
    }
    rect.x = placeOnAxis(anchor.x, anchor.width, rect.width, area.x, area.width);
    rect.y = placeOnAxis(anchor.y, anchor.height, rect.height, area.y, area.height);
    return fits;
}

bool fitRectOnDisplay(const wxRect& anchor, wxRect& rect)
{
    return fitRectInArea(displayClientAreaAt(anchor.GetTopLeft()), anchor, rect);
}
