#include "fseq/FseqTrack.h"

#include "fseq/ParameterSequence.h"
#include "params/Parameter.h"
#include "text/WxText.h"

#include <wx/brush.h>
#include <wx/dc.h>

#include <algorithm>
#include <vector>

namespace {

// The label sits this far right of the area's edge and above the curve.
constexpr int labelIndent = 3;

} // namespace

FseqTrack::FseqTrack(std::shared_ptr<ParameterSequence> sequence, bool wholePixels, int mode, bool level)
    : sequence_(std::move(sequence)), geometry_(wholePixels, mode, level), pen_(*wxBLACK, 1)
{
    const Parameter& first = sequence_->at(0);
    geometry_.setValueRange(first.minimum(), first.maximum());
    geometry_.setFrameCount(int(sequence_->count()));
}

void FseqTrack::setFramesShown(int frames)
{
    geometry_.setFrameCount(std::min(frames, int(sequence_->count())));
}

void FseqTrack::setArea(int width, int height) { geometry_.setArea(width, height); }

bool FseqTrack::setVisibleRange(Rational low, Rational high) { return geometry_.setVisibleRange(low, high); }

void FseqTrack::setPoint(int x, int y)
{
    if (const auto edit = geometry_.pointEdit(x, y))
        apply(*edit);
}

void FseqTrack::setSegment(int x0, int y0, int x1, int y1)
{
    for (const FseqFrameEdit& edit : geometry_.segmentEdits(x0, y0, x1, y1))
        apply(edit);
}

void FseqTrack::apply(const FseqFrameEdit& edit)
{
    sequence_->at(std::size_t(edit.frame)).setValue(flagsUserEdit, edit.value);
}

bool FseqTrack::isDrawn() const
{
    if (pairedLevelTrack_ && pairedLevelTrack_->isDrawn())
        return true;
    const bool shown = showFlag_.getValue() != showFlag_.minimum();
    return isLevel() != inverse_ ? shown : !shown;
}

void FseqTrack::draw(wxDC& dc, wxPoint origin) const
{
    const int frames = geometry_.frameCount();
    if (frames == 0)
        return;
    std::vector<wxPoint> curve;
    curve.reserve(std::size_t(frames));
    for (int frame = 0; frame < frames; ++frame) {
        const std::int32_t value = sequence_->at(std::size_t(frame)).getValue();
        curve.emplace_back(geometry_.pixelFromFrame(frame), geometry_.pixelFromValue(value));
    }
    dc.SetPen(pen_);
    if (curve.size() == 1)
        dc.DrawPoint(curve.front() + origin);
    else
        dc.DrawLines(int(curve.size()), curve.data(), origin.x, origin.y);
}

std::optional<int> FseqTrack::wantedLabelTop(int labelHeight) const
{
    if (label_.isEmpty() || geometry_.frameCount() == 0)
        return std::nullopt;
    return geometry_.pixelFromValue(sequence_->at(0).getValue()) - labelHeight;
}

void FseqTrack::drawLabel(wxDC& dc, wxPoint origin, int top, const wxColour& ground) const
{
    const wxString text = toWxString(label_);
    const wxPoint corner(origin.x + labelIndent, origin.y + top);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ground));
    dc.DrawRectangle(wxRect(corner, dc.GetTextExtent(text)));
    dc.SetTextForeground(pen_.GetColour());
    dc.DrawText(text, corner);
}
