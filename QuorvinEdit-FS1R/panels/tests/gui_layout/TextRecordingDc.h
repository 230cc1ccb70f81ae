#pragma once
// A graphics DC over a bitmap that notes every text drawn through it (text,
// box in bitmap pixels, colour) and can leave the texts out of the picture,
// so a page can be painted once with and once without its texts.
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
    // Part of the box that falls outside the DC's clipping rectangle.
    bool clipped = false;
};

class TextRecordingDc : public wxDC {
public:
    TextRecordingDc(const wxMemoryDC& target, bool drawTexts);
    const std::vector<DrawnText>& texts() const;
};
