// Prints how long reading a 512-frame formant-sequence dump (25,643 bytes)
// into the FS1R memory map takes, the whole-message check included, as a
// ratio to copying the same bytes with memcpy in the same run.
#include "../../tests/sysex/Fs1rTestLayout.h"

#include "params/SetValueFlags.h"
#include "sysex/AddressMapDataSink.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t sequenceBytes = 32 + fs1r::frameBytes * fs1r::maxFrames;
constexpr std::uint32_t sequenceCountDivisor = 2;
constexpr int batches = 15;
constexpr int roundsPerBatch = 200;

// Keeps the compiler from dropping or merging the copies.
void touch(void* p)
{
    asm volatile("" : : "r"(p) : "memory");
}

// The best batch's time per round, in nanoseconds.
double bestNanosecondsPerRound(const std::function<void()>& round)
{
    double best = 1e300;
    for (int b = 0; b < batches; ++b) {
        const auto start = Clock::now();
        for (int r = 0; r < roundsPerBatch; ++r)
            round();
        const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count() / roundsPerBatch);
    }
    return best;
}

} // namespace

int main()
{
    AddressMap map(fs1r::pageCapacity);
    fs1r::addLayout(map);
    fs1r::fillWithPattern(map, 5);
    AddressMapDataSink sink(map);
    const SysexTemplate dump = fs1r::dumpTemplate();

    std::vector<std::uint8_t> message(dump.dumpLength(sequenceBytes));
    if (dump.build(message, 0, 0x600000, sequenceBytes, sink, SysexTemplate::sourceAddressInHeader,
            sequenceCountDivisor)
        != message.size()) {
        std::fprintf(stderr, "could not build the dump\n");
        return EXIT_FAILURE;
    }
    std::vector<std::uint8_t> copy(message.size());

    const double read = bestNanosecondsPerRound([&] {
        SysexReadState state(message);
        if (dump.match(state) != SysexParseResult::success
            || dump.readData(state, sink, flagsSysexReceived) != SysexParseResult::success)
            std::abort();
    });
    const double copied = bestNanosecondsPerRound([&] {
        std::memcpy(copy.data(), message.data(), message.size());
        touch(copy.data());
    });

    std::printf("formant-sequence dump: %zu bytes\n", message.size());
    std::printf("read into the map, checked: %10.1f us\n", read / 1000);
    std::printf("memcpy of the same bytes:   %10.3f us\n", copied / 1000);
    std::printf("ratio read / memcpy:        %10.0f\n", read / copied);
    return EXIT_SUCCESS;
}
