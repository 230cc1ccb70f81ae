#pragma once
// The FS1R's 88 FM algorithms, built once and never changed. A voice's
// algorithm value v selects record v, which is algorithm v + 1. The one
// shared table lives until exit; callers keep pointers to it.
#include "instrument/FmAlgorithm.h"

#include <array>
#include <cstdint>

inline constexpr std::uint32_t fmAlgorithmCount = 88;

class FmAlgorithmTable {
public:
    FmAlgorithmTable();
    virtual ~FmAlgorithmTable() = default;

    static const FmAlgorithmTable& instance();

    // The record at index, or null from fmAlgorithmCount on.
    virtual const FmAlgorithm* getAlgorithm(std::uint32_t index) const;

private:
    std::array<FmAlgorithm, fmAlgorithmCount> algorithms_;
};
