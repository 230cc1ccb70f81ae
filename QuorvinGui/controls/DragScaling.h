#pragma once
// Turns mouse travel along a track into raw value steps for the drag
// controls: a whole track spans the whole range, truncated so that slow
// motion accumulates until a full step is reached. Stateless.
#include <cstdint>

class Parameter;

class DragScaling {
public:
    // Raw steps for the given pixels on a track of the given length over the
    // parameter's full range; reversed for a parameter displayed in reverse.
    // A missing parameter, an empty track or a one-value range give 0.
    static std::int32_t deltaFromPixels(std::int64_t pixels, std::int32_t track, const Parameter* parameter);
    static std::int32_t deltaFromPixels(std::int64_t pixels, std::int32_t track, std::int32_t minimum,
        std::int32_t maximum, bool reversed);
    // At most one raw step per two pixels, for fine dragging.
    static std::int32_t limitFine(std::int32_t delta, std::int64_t pixels);
    // Sets origin + delta (fine-limited when asked) in the direction of
    // travel; true when the value changed.
    static bool applyDelta(std::int32_t delta, std::int64_t pixels, Parameter& parameter,
        std::int32_t originValue, bool fine);
};
