#pragma once
// The raw value each item of each insertion page stands for by default, in
// page order, worked out by hand from the pages' defaults through their
// ranges, display mappings and label tables.
#include <cstdint>
#include <vector>

struct InsertionPageDefaults {
    std::int32_t type;
    std::vector<std::int32_t> raws;
};

// Types 1 to 40, in order.
const std::vector<InsertionPageDefaults>& insertionPageDefaults();
