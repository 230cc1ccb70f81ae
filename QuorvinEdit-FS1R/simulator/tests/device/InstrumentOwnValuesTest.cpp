// What the simulated instrument holds without being told: the values a new
// effect type brings, and the contents it starts with.
#include "SimulatorTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t insertionType = 0x10012f;
constexpr std::uint32_t insertionSlot1 = 0x100108;
constexpr std::uint32_t insertionSlot2 = 0x10010a;

TEST(InstrumentOwnValuesTest, ANewEffectTypeBringsItsOwnValuesButNotTheSameTypeAgainNorADump)
{
    SimulatorRig rig;
    rig.fs1r.setEffectTypeDefaults({{{insertionType, 3}, {{insertionSlot1, 200}, {insertionSlot2, 5}}}});
    rig.send(parameterChange(0, insertionType, 3));
    EXPECT_EQ(rig.fs1r.parameterValue(insertionSlot1), 200u);
    EXPECT_EQ(rig.fs1r.parameterValue(insertionSlot2), 5u);

    rig.send(parameterChange(0, insertionSlot1, 9));
    rig.send(parameterChange(0, insertionType, 3));
    EXPECT_EQ(rig.fs1r.parameterValue(insertionSlot1), 9u) << "the type it had";

    rig.send(parameterChange(0, insertionType, 4));
    EXPECT_EQ(rig.fs1r.parameterValue(insertionSlot1), 9u) << "a type without values of its own";
    rig.send(parameterChange(0, insertionType, 3));

    // Dump places of the type and of the first slot's two bytes.
    Bytes performance = rig.fs1r.dumpData(0x100000);
    performance[128 + 0x2f] = 3;
    performance[128 + 0x08] = 0;
    performance[128 + 0x09] = 7;
    rig.send(bulkDump(0, 0x100000, performance));
    EXPECT_EQ(rig.fs1r.parameterValue(insertionSlot1), 7u) << "a dump brings its own values";
}

// Addresses and ranges as the instrument's parameter list gives them.
struct Held {
    const char* name;
    std::uint32_t address;
    unsigned mask;
    unsigned low;
    unsigned high;
};

const Held startingValues[] = {
    {"EQ low gain", 0x100134, 0x7F, 52, 76},
    {"EQ mid gain", 0x100138, 0x7F, 52, 76},
    {"EQ high gain", 0x10013B, 0x7F, 52, 76},
    {"EQ low frequency", 0x100135, 0x7F, 4, 40},
    {"EQ mid frequency", 0x100139, 0x7F, 14, 54},
    {"EQ high frequency", 0x10013C, 0x7F, 28, 58},
    {"sequence play mode", 0x100021, 0x7F, 1, 2},
    {"performance note shift 0", 0x100012, 0x7F, 24, 24},
    {"voice 1 note shift 0", 0x40001E, 0x7F, 24, 24},
    {"voice 4 note shift 0", 0x43001E, 0x7F, 24, 24},
    {"voice 1 operator 1 voiced transpose 0", 0x600000, 0x3F, 24, 24},
    {"voice 2 operator 8 unvoiced transpose 0", 0x610723, 0x7F, 24, 24},
    {"voice 1 operator 1 plays track 1", 0x600005, 0x07, 0, 0},
    {"voice 1 operator 2 plays track 2", 0x600105, 0x07, 1, 1},
    {"voice 3 operator 5 plays track 5", 0x620405, 0x07, 4, 4},
    {"voice 4 operator 8 plays track 8", 0x630705, 0x07, 7, 7},
};

TEST(InstrumentOwnValuesTest, TheFirstPerformanceAndItsVoicesHoldValuesTheInstrumentCanHold)
{
    const SimulatedFs1r fs1r;
    for (const Held& held : startingValues) {
        const auto value = fs1r.parameterValue(held.address);
        ASSERT_TRUE(value.has_value()) << held.name;
        EXPECT_GE(*value & held.mask, held.low) << held.name;
        EXPECT_LE(*value & held.mask, held.high) << held.name;
    }
}

} // namespace
