#include "gui/PictureSlice.h"

#include <wx/dc.h>

void PictureSlice::draw(wxDC& dc, const wxBitmap& picture, const wxRect& area)
{
    if (const wxGraphicsBitmap* slice = converted(dc, picture, area))
        dc.GetGraphicsContext()->DrawBitmap(*slice, 0, 0, area.width, area.height);
    else
        dc.DrawBitmap(slice_, 0, 0);
}

void PictureSlice::drawWhole(wxDC& dc, const wxBitmap& picture, const wxRect& clip)
{
    const wxRect whole(picture.GetSize());
    const wxGraphicsBitmap* slice = converted(dc, picture, whole);
    if (slice == nullptr) {
        dc.DrawBitmap(picture.GetSubBitmap(clip.Intersect(whole)), clip.GetPosition());
        return;
    }
    wxGraphicsContext& context = *dc.GetGraphicsContext();
    context.PushState();
    context.Clip(clip.x, clip.y, clip.width, clip.height);
    context.DrawBitmap(*slice, 0, 0, whole.width, whole.height);
    context.PopState();
}

const wxGraphicsBitmap* PictureSlice::converted(wxDC& dc, const wxBitmap& picture, const wxRect& area)
{
    if (!source_.IsSameAs(picture) || area_ != area)
        cut(picture, area);
    wxGraphicsContext* context = dc.GetGraphicsContext();
    if (context == nullptr)
        return nullptr;
    if (converted_.IsNull())
        converted_ = context->CreateBitmap(slice_);
    return &converted_;
}

void PictureSlice::cut(const wxBitmap& picture, const wxRect& area)
{
    source_ = picture;
    area_ = area;
    slice_ = area == wxRect(picture.GetSize()) ? picture : picture.GetSubBitmap(area);
    converted_ = wxGraphicsBitmap();
    ++cuts_;
}
