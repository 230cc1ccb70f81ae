#pragma once
// A mouse tool of the formant-sequence graph: gets the graph's pointer
// events while the left button is down (points already in graph pixels),
// hands points or strokes to the editable tracks and says what to repaint
// (an empty rectangle: nothing). Owned by the graph.
#include <wx/gdicmn.h>

#include <array>

class FseqTrackFanOut;
class wxBitmap;
class wxDC;

class FseqMouseTool {
public:
    // The faces of the tool's button: not selected, selected.
    using Images = std::array<wxBitmap, 2>;

    virtual ~FseqMouseTool() = default;

    virtual const Images& images() const = 0;
    virtual wxRect press(wxPoint point) = 0;
    virtual wxRect release(wxPoint point) = 0;
    virtual wxRect drag(wxPoint point) = 0;
    // The interaction ended without a release.
    virtual wxRect cancel() = 0;
    // Drawn over the graph with the context's current pen.
    virtual void drawOverlay(wxDC& dc) const;

    void setTracks(FseqTrackFanOut* tracks) { tracks_ = tracks; }

protected:
    FseqTrackFanOut* tracks() const { return tracks_; }

    wxPoint lastPoint_;

private:
    FseqTrackFanOut* tracks_ = nullptr;
};
