// The effect area of the performance common memory: every slot the effect
// pages edit takes parameter changes and dumps and gives them back in the
// performance dump, two-byte slots most significant byte first.
#include "SimulatorTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t performanceCommon = 0x100000;

struct EffectSlots {
    const char* name;
    std::uint32_t first;
    unsigned count;
    unsigned bytes;
};

const EffectSlots effectSlots[] = {
    {"reverb, two-byte", 0x100050, 8, 2},
    {"reverb, one-byte", 0x100060, 8, 1},
    {"variation", 0x100068, 12, 2},
    {"variation past the carry", 0x100100, 4, 2},
    {"insertion", 0x100108, 16, 2},
    {"reverb type", 0x100128, 1, 1},
    {"variation type", 0x10012b, 1, 1},
    {"insertion type", 0x10012f, 1, 1},
};

// Where a performance-common address sits in the dump.
std::size_t dumpOffset(std::uint32_t address)
{
    const auto linear = [](std::uint32_t packed) {
        return (packed >> 16 & 0x7F) << 14 | (packed >> 8 & 0x7F) << 7 | (packed & 0x7F);
    };
    return linear(address) - linear(performanceCommon);
}

std::uint32_t slotAddress(const EffectSlots& slots, unsigned index)
{
    const std::size_t offset = dumpOffset(slots.first) + index * slots.bytes;
    return 0x100000 | std::uint32_t(offset >> 7) << 8 | std::uint32_t(offset & 0x7F);
}

TEST(EffectAreaTest, EveryEffectSlotComesBackInThePerformanceDump)
{
    SimulatorRig rig;
    unsigned value = 1;
    for (const EffectSlots& slots : effectSlots)
        for (unsigned i = 0; i < slots.count; ++i, ++value) {
            const std::uint32_t address = slotAddress(slots, i);
            const unsigned sent = slots.bytes == 2 ? 8192 + value * 41 : value;
            rig.send(parameterChange(0, address, sent));
            EXPECT_EQ(rig.fs1r.parameterValue(address), sent) << slots.name << " " << i;

            const Bytes dump = rig.fs1r.dumpData(performanceCommon);
            const std::size_t at = dumpOffset(address);
            if (slots.bytes == 2) {
                EXPECT_EQ(dump.at(at), sent >> 7) << slots.name << " " << i;
                EXPECT_EQ(dump.at(at + 1), sent & 0x7F) << slots.name << " " << i;
            } else {
                EXPECT_EQ(dump.at(at), sent) << slots.name << " " << i;
            }
        }
}

TEST(EffectAreaTest, ADumpedEffectAreaIsReadBackByParameterRequests)
{
    SimulatorRig rig;
    Bytes performance = rig.fs1r.dumpData(performanceCommon);
    performance[dumpOffset(0x100108)] = 0x40; // insertion slot 1: 8192 + 5
    performance[dumpOffset(0x100108) + 1] = 5;
    performance[dumpOffset(0x10012f)] = 25;
    rig.send(bulkDump(0, performanceCommon, performance));
    EXPECT_EQ(rig.fs1r.parameterValue(0x100108), 8197u);
    EXPECT_EQ(rig.fs1r.parameterValue(0x10012f), 25u);
    EXPECT_EQ(rig.fs1r.dumpData(performanceCommon), performance);
}

TEST(EffectAreaTest, TheInitialPerformanceHasAHallReverbAndTwoChorusesAtTheirDefaults)
{
    SimulatorRig rig;
    const std::pair<std::uint32_t, unsigned> expected[] = {
        {0x100128, 1}, {0x10012b, 1}, {0x10012f, 1},   // the three types
        {0x100050, 17}, {0x100066, 64}, {0x100104, 1}, // reverb time, feedback, variation mode
        {0x100108, 6}, {0x100120, 10}, {0x100124, 0},  // insertion frequency, mid Q, mode
    };
    for (const auto& [address, value] : expected)
        EXPECT_EQ(rig.fs1r.parameterValue(address), value) << std::hex << address;
}

} // namespace
