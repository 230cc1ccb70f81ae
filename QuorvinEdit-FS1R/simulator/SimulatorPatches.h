#pragma once
// Valid, recognisable contents for the simulated instrument's memory: the
// system settings and a distinct performance, voice and formant sequence for
// every bank and program, each named after its place ("Int Perf 001").
#include <cstdint>
#include <vector>

class SimulatorPatches {
public:
    static std::vector<std::uint8_t> systemSettings();
    // Bank 0 is internal memory, the others preset banks.
    static std::vector<std::uint8_t> performance(unsigned bank, unsigned program);
    static std::vector<std::uint8_t> voice(unsigned bank, unsigned program);
    // Always the full 512-frame area; the length code says how much is used.
    static std::vector<std::uint8_t> formantSequence(unsigned bank, unsigned program);
};
