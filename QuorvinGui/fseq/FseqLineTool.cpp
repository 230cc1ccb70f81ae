#include "fseq/FseqLineTool.h"

#include "fseq/FseqToolImages.h"
#include "fseq/FseqTrackFanOut.h"

#include <wx/dc.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The line is drawn one pixel wide; one more covers its antialiased edge.
constexpr int lineSpare = 2;

} // namespace

const FseqMouseTool::Images& FseqLineTool::images() const { return FseqToolImages::line(); }

wxRect FseqLineTool::press(wxPoint point)
{
    lastPoint_ = point;
    end_ = point;
    active_ = true;
    return {};
}

wxRect FseqLineTool::drag(wxPoint point)
{
    const wxRect old = lineRect();
    end_ = point;
    active_ = true;
    return old.Union(lineRect());
}

wxRect FseqLineTool::release(wxPoint point)
{
    end_ = point;
    active_ = true;
    if (tracks())
        tracks()->setSegment(lastPoint_.x, lastPoint_.y, end_.x, end_.y);
    active_ = false;
    return lineRect();
}

wxRect FseqLineTool::cancel()
{
    active_ = false;
    return lineRect();
}

void FseqLineTool::drawOverlay(wxDC& dc) const
{
    if (active_)
        dc.DrawLine(lastPoint_, end_);
}

wxRect FseqLineTool::lineRect() const
{
    return {std::min(lastPoint_.x, end_.x), std::min(lastPoint_.y, end_.y),
        std::abs(lastPoint_.x - end_.x) + lineSpare, std::abs(lastPoint_.y - end_.y) + lineSpare};
}
