#include "controls/PictureSlice.h"

#include <wx/dc.h>

void PictureSlice::draw(wxDC& dc, const wxBitmap& picture, const wxRect& area)
{
    if (!source_.IsSameAs(picture) || area_ != area)
        cut(picture, area);
    wxGraphicsContext* context = dc.GetGraphicsContext();
    if (context == nullptr) {
        dc.DrawBitmap(slice_, 0, 0);
        return;
    }
    if (converted_.IsNull())
        converted_ = context->CreateBitmap(slice_);
    context->DrawBitmap(converted_, 0, 0, area.width, area.height);
}

void PictureSlice::cut(const wxBitmap& picture, const wxRect& area)
{
    source_ = picture;
    area_ = area;
    slice_ = picture.GetSubBitmap(area);
    converted_ = wxGraphicsBitmap();
    ++cuts_;
}
