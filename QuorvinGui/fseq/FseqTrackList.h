#pragma once
// The tracks of the formant-sequence graph in the order they were added;
// hands the tools' points and strokes to every track being edited. Owned by
// the graph; the tools keep a pointer to it.
#include "fseq/FseqTrack.h"
#include "fseq/FseqTrackFanOut.h"

#include <memory>
#include <vector>

class FseqTrackList : public FseqTrackFanOut {
public:
    FseqTrack& add(std::unique_ptr<FseqTrack> track);
    const std::vector<std::unique_ptr<FseqTrack>>& tracks() const { return tracks_; }

    // Only tracks whose edit flag is set are changed.
    void setPoint(int x, int y) override;
    void setSegment(int x0, int y0, int x1, int y1) override;

private:
    std::vector<std::unique_ptr<FseqTrack>> tracks_;
};
