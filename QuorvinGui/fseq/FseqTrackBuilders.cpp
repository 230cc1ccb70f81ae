#include "fseq/FseqTrackBuilders.h"

#include "fseq/FseqFrameParameters.h"
#include "fseq/FseqGraphControl.h"

namespace {

// Every frame gets a cell of equal width.
constexpr int cellDrawingMode = 1;

FseqTrack& addFrameTrack(FseqGraphControl& graph, std::shared_ptr<FseqFrameParameters> frames, bool level,
    const RefString& label, const wxColour& colour)
{
    FseqTrack& track = graph.addTrack(cellDrawingMode, level, std::move(frames));
    track.setInverse(!level);
    track.pen() = wxPen(colour, 1);
    track.setLabelString(label);
    return track;
}

} // namespace

FseqTrack& addFseqByteTrack(ParameterFactory& factory, FseqGraphControl& graph, PackedAddress first, bool level,
    const RefString& label, std::int32_t initialValue, const wxColour& colour)
{
    return addFrameTrack(graph, std::make_shared<FseqFrameParameters>(factory, first, initialValue), level, label,
        colour);
}

FseqTrack& addFseqWordTrack(ParameterFactory& factory, FseqGraphControl& graph, PackedAddress firstHigh,
    PackedAddress firstLow, bool level, const RefString& label, std::int32_t initialValue, const wxColour& colour)
{
    return addFrameTrack(graph,
        std::make_shared<FseqFrameParameters>(factory, firstHigh, firstLow, initialValue), level, label, colour);
}
