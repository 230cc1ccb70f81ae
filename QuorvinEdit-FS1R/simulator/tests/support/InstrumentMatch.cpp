#include "InstrumentMatch.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Area {
    const char* name;
    PackedAddress dumpAddress;
};

// The edit buffers' dump addresses, typed from the instrument's protocol.
constexpr Area areas[] = {
    {"system", 0x000000},
    {"performance", 0x100000},
    {"voice 1", 0x400000},
    {"voice 2", 0x410000},
    {"voice 3", 0x420000},
    {"voice 4", 0x430000},
};

constexpr int placesShown = 12;

} // namespace

testing::AssertionResult instrumentHoldsWhatTheEditorShows(const SimulatedFs1r& instrument, DumpDataSource& editor)
{
    std::string differences;
    for (const Area& area : areas) {
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
