#pragma once
// What a graph tool hands its points and strokes to: the graph's track
// list, which passes them on to every track whose edit flag is set.
class FseqTrackFanOut {
public:
    virtual ~FseqTrackFanOut() = default;
    virtual void setPoint(int x, int y) = 0;
    virtual void setSegment(int x0, int y0, int x1, int y1) = 0;
};
