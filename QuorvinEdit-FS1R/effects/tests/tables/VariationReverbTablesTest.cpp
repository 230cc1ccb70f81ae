// The variation and reverb tables through the same functions the page
// builder uses, with no window: what every item binds and the value its
// default stands for, the slots the definitions fill, values received at a
// shared address, and the whole-slot rule where narrow and wide share one.
#include "VariationReverbExpectations.h"

#include "effects/EffectParameters.h"
#include "effects/ReverbTables.h"
#include "effects/VariationTables.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/AddressMapDataSink.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace {

PackedAddress addressOf(const SysexParameter& parameter) { return parameter.field().entries().front()->address(); }

struct BlockCase {
    const char* name;
    std::span<const EffectDefinition> rows;
    std::span<const EffectPage> pages;
    const std::vector<EffectPageExpectation>& expected;
    std::size_t definitionCount;
    std::size_t itemCount;
};

struct SlotRun {
    PackedAddress first;
    PackedAddress last;
    PackedAddress step;
    std::uint32_t bytes;
};

class VariationReverbTablesTest : public testing::Test {
protected:
    // What a dump or parameter change from the instrument does to one slot.
    void receive(PackedAddress address, std::span<const std::uint8_t> bytes)
    {
        map.findEntry(address)->writeBytes(bytes, flagsSysexReceived);
    }
    std::vector<SysexParameter*> make(std::span<const EffectDefinition> rows)
    {
        return EffectParameters::makeDefinitions(factory, rows);
    }
    SysexParameter* makeParameter(const EffectItem& item, const std::vector<SysexParameter*>& definitions)
    {
        return item.definition == pageParameter ? EffectParameters::makePageParameter(factory, 0, item.own)
                                                : definitions.at(static_cast<std::size_t>(item.definition));
    }

    AddressMap map{static_cast<std::uint32_t>(Fs1rMemoryLayout::pages().size())};
    bool mapBuilt = Fs1rMemoryLayout::buildAddressMap(map);
    ParameterFactory factory{map, nullptr};
};

const BlockCase blocks[] = {
    {"variation", variationDefinitions(), variationPages(), variationPageExpectations(), 71, 224},
    {"reverb", reverbDefinitions(), reverbPages(), reverbPageExpectations(), 37, 178},
};

// Every address a block's parameters may use: two-byte slots, then the
// reverb's one-byte slots, each with the width a definition gets there.
const std::vector<SlotRun>& slotsOf(const std::string& block)
{
    static const std::vector<SlotRun> variation{{0x100068, 0x100078, 2, 2}, {0x10007c, 0x10007e, 2, 2},
        {0x100100, 0x100106, 2, 2}};
    static const std::vector<SlotRun> reverb{{0x100050, 0x10005e, 2, 2}, {0x100060, 0x100060, 1, 1},
        {0x100062, 0x100067, 1, 1}};
    return block == "variation" ? variation : reverb;
}

std::uint32_t slotBytesAt(const std::string& block, PackedAddress address)
{
    for (const SlotRun& run : slotsOf(block))
        if (address >= run.first && address <= run.last && (address - run.first) % run.step == 0)
            return run.bytes;
    return 0;
}

TEST_F(VariationReverbTablesTest, EveryItemBindsItsDefinitionAndDefaultsToTheValueItStandsFor)
{
    for (const BlockCase& block : blocks) {
        SCOPED_TRACE(block.name);
        const std::vector<SysexParameter*> definitions = make(block.rows);
        ASSERT_EQ(block.pages.size(), block.expected.size());
        std::size_t items = 0;
        for (std::size_t t = 0; t < block.pages.size(); ++t) {
            const auto& page = block.pages[t].items;
            const EffectPageExpectation& expected = block.expected[t];
            ASSERT_EQ(page.size(), expected.raws.size()) << "type " << expected.type;
            for (std::size_t i = 0; i < page.size(); ++i, ++items) {
                SCOPED_TRACE("type " + std::to_string(t + 1) + " item " + std::to_string(i + 1) + " " + page[i].label);
                EXPECT_EQ(page[i].definition, expected.definitions[i]);
                // Page parameters are made in row order, as the builder makes them.
                const SysexParameter* parameter = makeParameter(page[i], definitions);
                ASSERT_NE(parameter, nullptr);
                const auto raw = EffectParameters::resolveDefault(*parameter, page[i].defaultValue);
                ASSERT_TRUE(raw.has_value()) << "every item has a default";
                EXPECT_GE(*raw, parameter->minimum());
                EXPECT_LE(*raw, parameter->maximum());
                EXPECT_EQ(*raw, expected.raws[i]);
                const std::uint32_t bytes = slotBytesAt(block.name, addressOf(*parameter));
                EXPECT_NE(bytes, 0u) << "inside the block's slots";
                EXPECT_EQ(parameter->bitWidth(), bytes * 7) << "the whole slot, page parameters too";
            }
        }
        EXPECT_EQ(items, block.itemCount);
    }
}

TEST_F(VariationReverbTablesTest, DefinitionsFillTheirSlotsWholeAndLeaveTheUnusedOnesAlone)
{
    for (const BlockCase& block : blocks) {
        SCOPED_TRACE(block.name);
        const std::vector<SysexParameter*> definitions = make(block.rows);
        ASSERT_EQ(definitions.size(), block.definitionCount);
        for (std::size_t n = 0; n < definitions.size(); ++n) {
            ASSERT_NE(definitions[n], nullptr) << n;
            const PackedAddress address = addressOf(*definitions[n]);
            const std::uint32_t bytes = slotBytesAt(block.name, address);
            ASSERT_NE(bytes, 0u) << n << " at " << std::hex << address;
            EXPECT_EQ(definitions[n]->bitWidth(), bytes * 7) << n;
            EXPECT_EQ(definitions[n]->field().entries().front()->size(), bytes) << n;
        }
    }
    for (const PackedAddress unused : {0x10007a, 0x100061})
        EXPECT_EQ(map.findEntry(unused), nullptr) << std::hex << unused;
}

struct SharedCase {
    const char* name;
    bool variation;
    PackedAddress address;
    std::vector<std::uint8_t> bytes;
    std::vector<std::size_t> definitions;
    // Pages whose own parameters stand at the address too.
    std::vector<std::size_t> ownPagesTypes;
};

const SharedCase sharedCases[] = {
    {"first variation slot", true, 0x100068, {0x01, 0x48}, {0, 22, 25, 32, 40, 52, 62}, {7, 13, 14, 24}},
    {"slot after the carry", true, 0x100100, {0x00, 0x30}, {16, 48, 68}, {7}},
    {"two-byte reverb slot", false, 0x100050, {0x01, 0x48}, {0, 14, 26}, {}},
    {"one-byte reverb slot", false, 0x100064, {0x30}, {11, 22}, {}},
};

TEST_F(VariationReverbTablesTest, AValueReceivedAtOneAddressReachesEveryParameterOverIt)
{
    for (const SharedCase& c : sharedCases) {
        SCOPED_TRACE(c.name);
        const std::vector<SysexParameter*> definitions =
            make(c.variation ? variationDefinitions() : reverbDefinitions());
        std::vector<SysexParameter*> shared;
        for (std::size_t n : c.definitions)
            shared.push_back(definitions[n]);
        const auto pages = c.variation ? variationPages() : reverbPages();
        for (std::size_t type : c.ownPagesTypes)
            for (const EffectItem& item : pages[type - 1].items)
                if (item.definition == pageParameter && item.own.address == c.address)
                    shared.push_back(EffectParameters::makePageParameter(factory, 0, item.own));
        ASSERT_EQ(shared.size(), c.definitions.size() + c.ownPagesTypes.size());
        std::int32_t expected = 0;
        for (std::uint8_t byte : c.bytes)
            expected = expected << 7 | byte;

        receive(c.address, c.bytes);

        for (const SysexParameter* parameter : shared) {
            EXPECT_EQ(addressOf(*parameter), c.address);
            EXPECT_EQ(parameter->getValue(), expected);
        }
        EXPECT_EQ(map.findEntry(c.address)->size(), c.bytes.size()) << "one data byte at a one-byte slot";
    }
}

// A parameter change from the instrument carries one value for the whole
// slot: a definition whose range it lies outside must not clamp it and write
// that back over what the others read.
TEST_F(VariationReverbTablesTest, AReceivedParameterChangeReachesEveryDefinitionUnclamped)
{
    const std::vector<SysexParameter*> reverb = make(reverbDefinitions());
    AddressMapDataSink received(map);
    received.parameterReceived(0x100065, 70, flagsSysexReceived);
    EXPECT_EQ(map.findEntry(0x100065)->value(), 70u);
    EXPECT_EQ(reverb[23]->getValue(), 70);
    EXPECT_EQ(reverb[12]->getValue(), 70);

    const std::vector<SysexParameter*> variation = make(variationDefinitions());
    received.parameterReceived(0x100068, 9000, flagsSysexReceived);
    for (std::size_t number : {0, 22, 25, 32, 40, 52, 62})
        EXPECT_EQ(variation[number]->getValue(), 9000) << number;
}

// With "EQ low" at 64 in its byte, "High damp" over the same byte must read
// 64, not the 0 of its four low bits, and a write of 5 must leave 5 there,
// not 69; likewise the 13-bit delays under a long delay's bit 13.
TEST_F(VariationReverbTablesTest, NarrowDefinitionsReadAndWriteTheWholeSlot)
{
    const std::vector<SysexParameter*> reverb = make(reverbDefinitions());
    SysexParameter& eqLow = *reverb[23];
    SysexParameter& highDamp = *reverb[12];
    eqLow.setValue(flagsUserEdit, 64);
    EXPECT_EQ(highDamp.getValue(), 64);
    highDamp.setValue(flagsUserEdit, 5);
    EXPECT_EQ(map.findEntry(0x100065)->value(), 5u);
    EXPECT_EQ(eqLow.getValue(), 5);

    const std::vector<SysexParameter*> variation = make(variationDefinitions());
    SysexParameter& longDelay = *variation[40];
    SysexParameter& shortDelay = *variation[52];
    longDelay.setValue(flagsUserEdit, 9000);
    EXPECT_EQ(shortDelay.getValue(), 9000);
    shortDelay.setValue(flagsUserEdit, 100);
    EXPECT_EQ(map.findEntry(0x100068)->value(), 100u);
    EXPECT_EQ(longDelay.getValue(), 100);
}

} // namespace
