#pragma once
// One track of the formant-sequence graph: the frame parameters it shows,
// its show and edit flags, its pen and label, how it maps pointer positions
// to frames and values and draws its curve. Owned by the graph's track
// list; shares its frame parameters with whoever built them.
#include "fseq/FseqTrackGeometry.h"
#include "localparams/LocalParameter.h"
#include "text/RefString.h"

#include <memory>
#include <optional>

#include <wx/pen.h>

class ParameterSequence;
class wxDC;

class FseqTrack {
public:
    // The sequence must hold at least one parameter; its first one's range
    // is the range of every frame.
    FseqTrack(std::shared_ptr<ParameterSequence> sequence, bool wholePixels, int mode, bool level);

    const ParameterSequence& sequence() const { return *sequence_; }
    LocalParameter& showFlag() { return showFlag_; }
    LocalParameter& editFlag() { return editFlag_; }
    const RefString& label() const { return label_; }
    void setLabelString(const RefString& label) { label_ = label; }
    wxPen& pen() { return pen_; }
    bool isLevel() const { return geometry_.isLevel(); }
    // Whether a set show flag means drawn; builders set it opposite to the
    // level flag.
    void setInverse(bool inverse) { inverse_ = inverse; }
    // A frequency track is drawn while its level track is.
    void setPairedLevelTrack(const FseqTrack* level) { pairedLevelTrack_ = level; }

    // Shows the first frames of the sequence, at most all of them.
    void setFramesShown(int frames);
    void setArea(int width, int height);
    // The visible part of the value range as fractions 0..1; false (and
    // nothing changed) for an empty part.
    bool setVisibleRange(Rational low, Rational high);
    const FseqTrackGeometry& geometry() const { return geometry_; }

    // User edits of the frames under a point or a stroke, each frame set on
    // its own (recorded into the open group).
    void setPoint(int x, int y);
    void setSegment(int x0, int y0, int x1, int y1);

    bool isDrawn() const;
    // The curve of the shown frames, the drawing area's corner at origin.
    void draw(wxDC& dc, wxPoint origin) const;
    // Where the label would stand: just above the curve's first frame (or
    // none, without label or frames).
    std::optional<int> wantedLabelTop(int labelHeight) const;
    // The label in the track's colour at top on a patch of ground, so that
    // neither grid nor curves run through it; the area's corner at origin.
    void drawLabel(wxDC& dc, wxPoint origin, int top, const wxColour& ground) const;

private:
    void apply(const FseqFrameEdit& edit);

    RefString label_;
    std::shared_ptr<ParameterSequence> sequence_;
    LocalParameter showFlag_{0, 1, 1};
    LocalParameter editFlag_{0, 1, 0};
    FseqTrackGeometry geometry_;
    bool inverse_ = true;
    wxPen pen_;
    const FseqTrack* pairedLevelTrack_ = nullptr;
};
