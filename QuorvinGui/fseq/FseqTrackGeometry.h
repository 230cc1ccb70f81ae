#pragma once
// How one graph track maps frames to pixels and values to heights, and which
// frames a pointer position or a stroke sets to which values. Exact
// arithmetic, no window: the track element owns one and feeds it sizes.
#include "text/Rational.h"

#include <cstdint>
#include <optional>
#include <vector>

struct FseqFrameEdit {
    int frame;
    std::int32_t value;
    friend bool operator==(const FseqFrameEdit&, const FseqFrameEdit&) = default;
};

class FseqTrackGeometry {
public:
    // Mode 0 spreads the frames from the first to the last pixel; any other
    // gives each frame a cell of equal width. Level tracks count their
    // values down from the top edge, the others up from the bottom.
    FseqTrackGeometry(bool wholePixels, int mode, bool level);

    void setFrameCount(int frames);
    void setArea(int width, int height);
    void setValueRange(std::int32_t minimum, std::int32_t maximum);
    // The visible part of the value range as fractions 0..1. An empty or
    // reversed part is refused (false), the old one stays.
    bool setVisibleRange(Rational low, Rational high);

    int frameCount() const { return frames_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool isLevel() const { return level_; }
    // Pixels per frame.
    Rational step() const { return step_; }
    // Where the frames end: nothing is set at or beyond it.
    Rational lastPixel() const;

    // The frame under x, x held to the drawing width.
    int frameFromPixel(int x) const;
    int pixelFromFrame(int frame) const;
    int pixelFromValue(std::int32_t value) const;
    // A raw value of the range, y held to the drawing height.
    std::int32_t valueFromPixel(Rational y) const;

    // The frame and value under a point; none past the last frame.
    std::optional<FseqFrameEdit> pointEdit(int x, int y) const;
    // Every frame under the part of a stroke from (x0, y0) to (x1, y1) that
    // lies inside the area, its value read under the stroke at that frame.
    // A part within one frame sets it to the value under its second end; a
    // stroke wholly outside sets nothing.
    std::vector<FseqFrameEdit> segmentEdits(int x0, int y0, int x1, int y1) const;

private:
    void computeStep();
    // The range spans the rows from the first to the last, so both of its
    // ends stay inside the area.
    int valueRows() const;

    bool wholePixels_;
    int mode_;
    bool level_;
    int frames_ = 0;
    int width_ = 0;
    int height_ = 0;
    Rational step_{1, 1};
    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 0;
    Rational low_{0, 1};
    Rational high_{1, 1};
};
