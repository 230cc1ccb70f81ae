#include "TextRecordingDc.h"

namespace {

class RecordingImpl : public wxGCDCImpl {
public:
    RecordingImpl(wxDC* owner, const wxMemoryDC& target, TextDrawing drawing)
        : wxGCDCImpl(owner, target), drawing_(drawing)
    {
    }

    void DoDrawText(const wxString& text, wxCoord x, wxCoord y) override
    {
        note(text, x, y);
        drawText([&] { wxGCDCImpl::DoDrawText(text, x, y); });
    }

    void DoDrawRotatedText(const wxString& text, wxCoord x, wxCoord y, double angle) override
    {
        note(text, x, y);
        drawText([&] { wxGCDCImpl::DoDrawRotatedText(text, x, y, angle); });
    }

    // Without a context to draw on directly, the program's text drawing
    // goes through DoDrawText, where each text is noted; the pixels come out
    // the same.
    wxGraphicsContext* GetGraphicsContext() const override { return nullptr; }

    std::vector<DrawnText> texts;

private:
    template <typename Draw>
    void drawText(Draw&& draw)
    {
        if (drawing_ == TextDrawing::none)
            return;
        wxRect clip;
        const bool clipping = drawing_ == TextDrawing::unclipped && DoGetClippingRect(clip);
        if (clipping)
            DestroyClippingRegion();
        draw();
        if (clipping)
            DoSetClippingRegion(clip.x, clip.y, clip.width, clip.height);
    }

    void note(const wxString& text, wxCoord x, wxCoord y)
    {
        if (wxString(text).Trim().Trim(false).empty())
            return;
        wxCoord width = 0;
        wxCoord height = 0;
        DoGetTextExtent(text, &width, &height);
        texts.push_back({text, wxRect(LogicalToDeviceX(x), LogicalToDeviceY(y), width, height), GetTextForeground()});
    }

    TextDrawing drawing_;
};

} // namespace

TextRecordingDc::TextRecordingDc(const wxMemoryDC& target, TextDrawing drawing)
    : wxDC(new RecordingImpl(this, target, drawing))
{
}

const std::vector<DrawnText>& TextRecordingDc::texts() const
{
    return static_cast<const RecordingImpl*>(GetImpl())->texts;
}
