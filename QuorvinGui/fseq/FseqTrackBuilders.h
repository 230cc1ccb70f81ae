#pragma once
// Adds a formant-sequence track to the graph together with the 512 frame
// parameters it edits: one byte per frame (levels) or two addresses (pitch
// and frequencies). The graph's track shares the parameters with nobody else.
#include "sysex/PackedAddress.h"
#include "text/RefString.h"

#include <cstdint>

#include <wx/colour.h>

class FseqGraphControl;
class FseqTrack;
class ParameterFactory;

FseqTrack& addFseqByteTrack(ParameterFactory& factory, FseqGraphControl& graph, PackedAddress first, bool level,
    const RefString& label, std::int32_t initialValue, const wxColour& colour);
FseqTrack& addFseqWordTrack(ParameterFactory& factory, FseqGraphControl& graph, PackedAddress firstHigh,
    PackedAddress firstLow, bool level, const RefString& label, std::int32_t initialValue, const wxColour& colour);
