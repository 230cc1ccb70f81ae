#include "TextRecordingDc.h"

namespace {

class RecordingImpl : public wxGCDCImpl {
public:
    RecordingImpl(wxDC* owner, const wxMemoryDC& target, bool drawTexts)
        : wxGCDCImpl(owner, target), drawTexts_(drawTexts)
    {
    }

    void DoDrawText(const wxString& text, wxCoord x, wxCoord y) override
    {
        note(text, x, y);
        if (drawTexts_)
            wxGCDCImpl::DoDrawText(text, x, y);
    }

    void DoDrawRotatedText(const wxString& text, wxCoord x, wxCoord y, double angle) override
    {
        note(text, x, y);
        if (drawTexts_)
            wxGCDCImpl::DoDrawRotatedText(text, x, y, angle);
    }

    std::vector<DrawnText> texts;

private:
    void note(const wxString& text, wxCoord x, wxCoord y)
    {
        if (wxString(text).Trim().Trim(false).empty())
            return;
        wxCoord width = 0;
        wxCoord height = 0;
        DoGetTextExtent(text, &width, &height);
        const wxRect box(LogicalToDeviceX(x), LogicalToDeviceY(y), width, height);
        wxRect clip;
        const bool clipping = DoGetClippingRect(clip);
        clip.SetPosition(wxPoint(LogicalToDeviceX(clip.x), LogicalToDeviceY(clip.y)));
        texts.push_back({text, box, GetTextForeground(), clipping && !clip.Contains(box)});
    }

    bool drawTexts_;
};

} // namespace

TextRecordingDc::TextRecordingDc(const wxMemoryDC& target, bool drawTexts)
    : wxDC(new RecordingImpl(this, target, drawTexts))
{
}

const std::vector<DrawnText>& TextRecordingDc::texts() const
{
    return static_cast<const RecordingImpl*>(GetImpl())->texts;
}
