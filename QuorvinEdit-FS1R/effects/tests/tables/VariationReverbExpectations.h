#pragma once
// What each item of each variation and reverb page binds and the raw value
// its default stands for, in page order: the definition number, or own for
// a parameter the page makes itself; the raw values worked out from the
// pages' defaults through the ranges, display mappings and label texts.
#include <cstdint>
#include <vector>

struct EffectPageExpectation {
    std::int32_t type;
    std::vector<std::int32_t> definitions;
    std::vector<std::int32_t> raws;
};

// Types 1 to 28, in order.
const std::vector<EffectPageExpectation>& variationPageExpectations();
// Types 1 to 16, in order.
const std::vector<EffectPageExpectation>& reverbPageExpectations();
