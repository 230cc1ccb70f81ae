#include "gui/Drawing.h"

#include "gui/TextExtents.h"
#include "gui/WxLayout.h"

#include <wx/brush.h>
#include <wx/image.h>
#include <wx/pen.h>

#include <algorithm>

namespace {

// Start of an extent centred in a span; C++ division truncates toward zero.
int centredStart(int start, int span, int extent) { return start + (span - extent) / 2; }

} // namespace

void drawTextCentred(wxDC& dc, const wxString& text, int x, int y, int width, int height)
{
    const wxSize extent = TextExtents::onContext(dc, text);
    dc.DrawText(text, std::max(0, centredStart(x, width, extent.x)), centredStart(y, height, extent.y));
}

void drawColouredText(wxDC& dc, const wxString& text, const wxColour& colour, int x, int y, int width, int height,
                      bool centred)
{
    dc.SetTextForeground(colour);
    if (centred)
        drawTextCentred(dc, text, x, y, width, height);
    else
        dc.DrawText(text, x, y);
}

void drawBitmapInRect(const wxBitmap& bitmap, const wxColour& colour, wxDC& dc, int x, int y, bool centred,
                      int width, int height)
{
    if (!bitmap.IsOk())
        return;
    wxImage image = bitmap.ConvertToImage();
    image.Replace(255, 255, 255, colour.Red(), colour.Green(), colour.Blue());
    if (centred) {
        x = std::max(0, centredStart(x, width, bitmap.GetWidth()));
        y = centredStart(y, height, bitmap.GetHeight());
    }
    dc.DrawBitmap(wxBitmap(image), x, y, true);
}

void fillRects(wxDC& dc, const std::vector<LayoutRect>& rects, const wxColour& colour)
{
    if (rects.empty())
        return;
    dc.SetBrush(wxBrush(colour));
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const LayoutRect& rect : rects)
        dc.DrawRectangle(toWxRect(rect));
}
