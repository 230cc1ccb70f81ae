#include "gui/PictureSlice.h"

#include <wx/dc.h>

#include <algorithm>
#include <vector>

namespace {

// Whole page pictures as the graphics contexts draw them, converted once
// each and shared by every slice cut from them: cutting a slice from the
// toolkit's bitmap copied whole rows of the picture for every control. The
// bitmap kept beside its conversion holds the picture's data, whose identity
// tells it apart; a picture drawn on gets new data.
struct ConvertedPicture {
    wxBitmap picture;
    wxGraphicsBitmap converted;
};

constexpr std::size_t convertedPictureLimit = 16;

const wxGraphicsBitmap& convertedWhole(wxGraphicsContext& context, const wxBitmap& picture)
{
    static std::vector<ConvertedPicture> pictures;
    const auto found = std::find_if(pictures.begin(), pictures.end(),
        [&picture](const ConvertedPicture& kept) { return kept.picture.IsSameAs(picture); });
    if (found != pictures.end())
        return found->converted;
    if (pictures.size() >= convertedPictureLimit)
        pictures.clear();
    pictures.push_back({picture, context.CreateBitmap(picture)});
    return pictures.back().converted;
}

} // namespace

void PictureSlice::draw(wxDC& dc, const wxBitmap& picture, const wxRect& area)
{
    if (const wxGraphicsBitmap* slice = converted(dc, picture, area))
        dc.GetGraphicsContext()->DrawBitmap(*slice, 0, 0, area.width, area.height);
    else
        dc.DrawBitmap(plainSlice(), 0, 0);
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
    if (converted_.IsNull()) {
        const wxGraphicsBitmap& whole = convertedWhole(*context, picture);
        converted_ = area == wxRect(picture.GetSize())
            ? whole
            : context->CreateSubBitmap(whole, area.x, area.y, area.width, area.height);
    }
    return &converted_;
}

const wxBitmap& PictureSlice::plainSlice()
{
    if (!slice_.IsOk())
        slice_ = area_ == wxRect(source_.GetSize()) ? source_ : source_.GetSubBitmap(area_);
    return slice_;
}

void PictureSlice::cut(const wxBitmap& picture, const wxRect& area)
{
    source_ = picture;
    area_ = area;
    slice_ = wxBitmap();
    converted_ = wxGraphicsBitmap();
    ++cuts_;
}
