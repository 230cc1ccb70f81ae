// The variation and reverb definitions over the simulated FS1R: the user's
// edits land in the instrument's memory (one byte for a one-byte reverb
// slot), and what the instrument sends comes back whole into every
// definition over the slot, however narrow its range.
#include "Fs1rDeviceFixture.h"

#include "effects/EffectParameters.h"
#include "effects/ReverbTables.h"
#include "effects/VariationTables.h"
#include "params/SetValueFlags.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "tests/support/EventPump.h"

#include <vector>

namespace {

constexpr PackedAddress performanceCommon = 0x100000;

// Where a performance-common address sits in the performance dump.
std::size_t dumpOffset(PackedAddress address) { return (address >> 8 & 0x7F) * 128 + (address & 0x7F); }

class EffectSlotsOnInstrumentTest : public Fs1rDeviceFixture {
protected:
    void SetUp() override
    {
        connect();
        reverb = EffectParameters::makeDefinitions(*device->parameterFactory(), reverbDefinitions());
        variation = EffectParameters::makeDefinitions(*device->parameterFactory(), variationDefinitions());
    }
    std::uint8_t dumpByte(PackedAddress address)
    {
        return instrument().dumpData(performanceCommon).at(dumpOffset(address));
    }

    std::vector<SysexParameter*> reverb;
    std::vector<SysexParameter*> variation;
};

TEST_F(EffectSlotsOnInstrumentTest, EditsLandInTheirSlotsOfTheInstrumentsMemory)
{
    const std::uint8_t nextByte = dumpByte(0x100065);
    reverb[22]->setValue(flagsUserEdit, 40); // "EQ low frq", a one-byte slot
    variation[40]->setValue(flagsUserEdit, 9000); // "L delay", past 13 bits
    variation[16]->setValue(flagsUserEdit, 100); // the slot after the 7-bit carry
    ASSERT_TRUE(settle());

    EXPECT_EQ(dumpByte(0x100064), 40);
    EXPECT_EQ(dumpByte(0x100065), nextByte) << "one byte only";
    EXPECT_EQ(dumpByte(0x100068), 9000 / 128);
    EXPECT_EQ(dumpByte(0x100069), 9000 % 128);
    EXPECT_EQ(instrument().parameterValue(0x100100), 100u);
}

TEST_F(EffectSlotsOnInstrumentTest, TheInstrumentsValuesComeBackWholeIntoEveryDefinitionOverASlot)
{
    ASSERT_TRUE(instrument().editParameter(0x100065, 70));
    EXPECT_TRUE(pumpEventsUntil([this] { return reverb[23]->getValue() == 70; }));
    EXPECT_EQ(reverb[12]->getValue(), 70) << "\"High damp\", range 1 to 10, reads it too";

    ASSERT_TRUE(instrument().editParameter(0x100068, 9000));
    ASSERT_TRUE(instrument().sendDump(performanceCommon));
    EXPECT_TRUE(pumpEventsUntil([this] { return variation[52]->getValue() == 9000 && settle(); }));
    for (std::size_t number : {0, 22, 25, 32, 40, 62})
        EXPECT_EQ(variation[number]->getValue(), 9000) << number;
}

} // namespace
