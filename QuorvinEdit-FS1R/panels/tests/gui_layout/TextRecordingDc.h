#pragma once
// A graphics DC over a bitmap that notes every text drawn through it (text,
// box in bitmap pixels, colour) and draws the texts as asked: as usual, not
// at all, or whole past the clipping, so a page's picture with and without
// its texts shows where each text's glyphs fall.
#include <wx/colour.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <vector>

struct DrawnText {
    wxString text;
    wxRect box;
    wxColour colour;
};

enum class TextDrawing { clipped, none, unclipped };

class TextRecordingDc : public wxDC {
public:
    TextRecordingDc(const wxMemoryDC& target, TextDrawing drawing);
    const std::vector<DrawnText>& texts() const;
};
