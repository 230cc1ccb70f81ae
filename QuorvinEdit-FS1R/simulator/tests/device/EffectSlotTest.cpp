// The variation and reverb slots of the performance common memory: where a
// parameter change lands in the performance dump, for the two-byte slots on
// both sides of the 7-bit carry and the one-byte reverb slots after them.
#include "SimulatorTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct Slot {
    std::uint32_t address;
    std::size_t dumpOffset;
    unsigned bytes;
};

constexpr Slot effectSlots[] = {
    {0x100050, 0x50, 2}, // first reverb slot
    {0x10005e, 0x5e, 2}, // last two-byte reverb slot
    {0x100060, 0x60, 1}, // first one-byte reverb slot
    {0x100065, 0x65, 1},
    {0x100067, 0x67, 1}, // last one-byte reverb slot
    {0x100068, 0x68, 2}, // first variation slot
    {0x10007e, 0x7e, 2}, // last slot before the carry
    {0x100100, 0x80, 2}, // first slot after it
    {0x100106, 0x86, 2}, // last variation slot
    {0x10012b, 0xab, 1}, // variation type
    {0x100128, 0xa8, 1}, // reverb type
};

TEST(EffectSlotTest, ChangesLandInTheirSlotsAndComeBackInTheDump)
{
    for (const Slot& slot : effectSlots) {
        SCOPED_TRACE(slot.address);
        SimulatorRig rig;
        const unsigned value = slot.bytes == 2 ? 5000 : 93;
        rig.send(parameterChange(0, slot.address, value));
        EXPECT_EQ(rig.fs1r.parameterValue(slot.address), value);

        const Bytes performance = rig.fs1r.dumpData(0x100000);
        ASSERT_GT(performance.size(), slot.dumpOffset + 1);
        if (slot.bytes == 2) {
            EXPECT_EQ(performance[slot.dumpOffset], value / 128);
            EXPECT_EQ(performance[slot.dumpOffset + 1], value % 128);
        } else {
            EXPECT_EQ(performance[slot.dumpOffset], value);
        }
    }
}

TEST(EffectSlotTest, AOneByteReverbSlotRefusesTwoBytesWorth)
{
    SimulatorRig rig;
    const Bytes before = rig.fs1r.dumpData(0x100000);
    rig.send(parameterChange(0, 0x100064, 200));
    EXPECT_EQ(rig.fs1r.dumpData(0x100000), before);
}

} // namespace
