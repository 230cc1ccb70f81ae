#include "gui/ImageWindow.h"

#include <wx/dcclient.h>

ImageWindow::ImageWindow(wxWindow* parent, const wxBitmap& bitmap) : bitmap_(bitmap)
{
    // The picture covers the whole window, so no background is erased first.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "panel");
    const wxSize size = bitmap_.IsOk() ? bitmap_.GetSize() : wxSize(0, 0);
    SetMinSize(size);
    SetMaxSize(size);
    SetSize(size);
    Bind(wxEVT_PAINT, &ImageWindow::onPaint, this);
}

void ImageWindow::onPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (bitmap_.IsOk())
        dc.DrawBitmap(bitmap_, 0, 0, false);
}
