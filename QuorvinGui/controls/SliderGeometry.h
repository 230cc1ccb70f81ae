#pragma once
// Where a slider's bar lies along its track, in pixels from the track's
// start (bottom of a vertical slider, left of a horizontal one), and which
// part of the track has room for the value text. A plain value computed
// from a parameter; owned by whoever asks.
#include <cstdint>

class Parameter;

struct SliderGeometry {
    // The part of the track that holds the value text.
    enum class TextRegion { Low, Bar, High };

    std::int32_t start = 0;
    std::int32_t end = 0;
    std::int32_t zero = 0;
    // Signed length from the zero point to the value.
    std::int32_t bar = 0;

    // The bar of the parameter's current value, growing from the raw value
    // displayed as 0, mirrored when the display runs in reverse.
    static SliderGeometry forParameter(const Parameter& parameter, std::int32_t margin, std::int32_t trackLength);
    // The same from plain numbers; a one-value range gives an empty bar at
    // the start.
    static SliderGeometry compute(std::int32_t value, std::int32_t zeroValue, std::int32_t minimum,
        std::int32_t maximum, bool reversed, std::int32_t margin, std::int32_t trackLength);

    // The largest of the three parts (ties: low, then high, then bar).
    TextRegion textRegion() const;
    // The lower edge of that part, in track pixels, clear of the zero line.
    std::int32_t textRegionStart() const;

private:
    std::int32_t barEnd() const;
};
