#include "gui/Drawing.h"

#include "gui/TextExtents.h"
#include "gui/TextLayoutCache.h"
#include "gui/WxLayout.h"

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/pen.h>

#include <algorithm>

namespace {

// Start of an extent centred in a span; C++ division truncates toward zero.
int centredStart(int start, int span, int extent) { return start + (span - extent) / 2; }

} // namespace

void drawText(wxDC& dc, const wxString& text, int x, int y)
{
    wxGraphicsContext* context = dc.GetGraphicsContext();
    if (context == nullptr || text.empty() || text.find('\n') != wxString::npos) {
        dc.DrawText(text, x, y);
        return;
    }
    // The context works in the logical coordinates of the drawing context.
    if (dc.GetBackgroundMode() == wxBRUSHSTYLE_TRANSPARENT) {
        if (!TextLayoutCache::instance().draw(*context, dc.GetFont(), dc.GetTextForeground(), text, x, y))
            context->DrawText(text, x, y);
    } else
        context->DrawText(text, x, y, context->CreateBrush(dc.GetTextBackground()));
}

void useFont(wxDC& dc, const wxFont& font)
{
    if (!dc.GetFont().IsSameAs(font))
        dc.SetFont(font);
}

void setTextStyle(wxDC& dc, const wxFont& font, const wxColour& colour)
{
    if (dc.GetTextForeground() != colour)
        dc.SetTextForeground(colour);
    useFont(dc, font);
}

void drawTextCentred(wxDC& dc, const wxString& text, int x, int y, int width, int height)
{
    const wxSize extent = TextExtents::onContext(dc, text);
    drawText(dc, text, std::max(0, centredStart(x, width, extent.x)), centredStart(y, height, extent.y));
}

void drawColouredText(wxDC& dc, const wxString& text, const wxColour& colour, int x, int y, int width, int height,
                      bool centred)
{
    setTextStyle(dc, dc.GetFont(), colour);
    if (centred)
        drawTextCentred(dc, text, x, y, width, height);
    else
        drawText(dc, text, x, y);
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
