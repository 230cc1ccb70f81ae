#include "fseq/FseqDrawTool.h"

#include "fseq/FseqToolImages.h"
#include "fseq/FseqTrackFanOut.h"

const FseqMouseTool::Images& FseqDrawTool::images() const { return FseqToolImages::pen(); }

wxRect FseqDrawTool::press(wxPoint point)
{
    if (tracks())
        tracks()->setPoint(point.x, point.y);
    lastPoint_ = point;
    return {};
}

wxRect FseqDrawTool::release(wxPoint) { return {}; }

wxRect FseqDrawTool::drag(wxPoint point)
{
    if (tracks())
        tracks()->setSegment(lastPoint_.x, lastPoint_.y, point.x, point.y);
    lastPoint_ = point;
    return {};
}

wxRect FseqDrawTool::cancel() { return {}; }
