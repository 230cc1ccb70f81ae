#include "InstrumentMatch.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Area {
    const char* name;
    PackedAddress dumpAddress;
    // The part whose voice it is; none for the others.
    int voice;
};

// The edit buffers' dump addresses, typed from the instrument's protocol.
constexpr int noVoice = -1;
constexpr Area areas[] = {
    {"system", 0x000000, noVoice},
    {"performance", 0x100000, noVoice},
    {"voice 1", 0x400000, 0},
    {"voice 2", 0x410000, 1},
    {"voice 3", 0x420000, 2},
    {"voice 4", 0x430000, 3},
};

constexpr int placesShown = 12;

} // namespace

testing::AssertionResult instrumentHoldsWhatTheEditorShows(const SimulatedFs1r& instrument, Fs1rDevice& editor)
{
    std::string differences;
    for (const Area& area : areas) {
        if (area.voice != noVoice && editor.isPartOff(std::uint32_t(area.voice)))
            continue;
        const std::vector<std::uint8_t> held = instrument.dumpData(area.dumpAddress);
        std::vector<std::uint8_t> shown(held.size());
        std::uint32_t sum = 0;
        editor.readBytesWithSum(area.dumpAddress, shown, sum);
        int count = 0;
        std::string places;
        for (std::size_t i = 0; i < held.size(); ++i)
            if (held[i] != shown[i] && ++count <= placesShown)
                places += " [" + std::to_string(i) + "] " + std::to_string(held[i]) + " not " + std::to_string(shown[i]);
        if (count > 0)
            differences += std::string("\n  ") + area.name + ": " + std::to_string(count) + " bytes differ (instrument "
                + "not editor):" + places;
    }
    if (differences.empty())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the instrument holds other values than the editor shows:" << differences;
}
