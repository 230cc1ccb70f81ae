// The insertion tables through the same functions the page builder uses,
// with no window: every default, the definitions' slots, and what a value
// received at one address does to every definition over it.
#include "InsertionDefaults.h"

#include "effects/EffectParameters.h"
#include "effects/InsertionTables.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "params/ParameterListener.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr PackedAddress firstSlot = 0x100108;
constexpr PackedAddress lastSlot = 0x100126;

class CountingListener : public ParameterListener {
public:
    void onParameterChanged(Parameter*, std::uint32_t) override { ++count; }
    int count = 0;
};

PackedAddress addressOf(const SysexParameter& parameter) { return parameter.field().entries().front()->address(); }

class InsertionTablesTest : public testing::Test {
protected:
    // What a dump or parameter change from the instrument does to one slot.
    void receive(PackedAddress address, std::int32_t value)
    {
        const std::array<std::uint8_t, 2> bytes{std::uint8_t(value >> 7 & 0x7F), std::uint8_t(value & 0x7F)};
        map.findEntry(address)->writeBytes(bytes, flagsSysexReceived);
    }

    AddressMap map{static_cast<std::uint32_t>(Fs1rMemoryLayout::pages().size())};
    bool mapBuilt = Fs1rMemoryLayout::buildAddressMap(map);
    ParameterFactory factory{map, nullptr};
    std::vector<SysexParameter*> definitions = EffectParameters::makeDefinitions(factory, insertionDefinitions());
};

TEST_F(InsertionTablesTest, EveryItemsDefaultLandsInsideItsRangeOnTheValueItStandsFor)
{
    const auto pages = insertionPages();
    const auto& expected = insertionPageDefaults();
    ASSERT_EQ(pages.size(), 40u);
    ASSERT_EQ(expected.size(), pages.size());
    std::size_t items = 0;
    for (std::size_t t = 0; t < pages.size(); ++t) {
        const auto& page = pages[t].items;
        ASSERT_EQ(page.size(), expected[t].raws.size()) << "type " << expected[t].type;
        for (std::size_t i = 0; i < page.size(); ++i, ++items) {
            const EffectItem& item = page[i];
            // Page parameters are made in row order, as the builder makes them.
            const SysexParameter* parameter = item.definition == pageParameter
                ? EffectParameters::makePageParameter(factory, 0, item.own)
                : definitions.at(static_cast<std::size_t>(item.definition));
            ASSERT_NE(parameter, nullptr) << "type " << t + 1 << " item " << i + 1;
            const auto raw = EffectParameters::resolveDefault(*parameter, item.defaultValue);
            ASSERT_TRUE(raw.has_value()) << "every item has a default";
            EXPECT_GE(*raw, parameter->minimum());
            EXPECT_LE(*raw, parameter->maximum());
            EXPECT_EQ(*raw, expected[t].raws[i]) << "type " << t + 1 << " item " << i + 1 << " " << item.label;
            EXPECT_EQ(parameter->bitWidth(), 14u) << "the whole slot, page parameters too";
        }
    }
    EXPECT_EQ(items, 422u);
}

TEST_F(InsertionTablesTest, DefinitionsFillTheSlotsWholeAndNumberEightySevenIsFree)
{
    ASSERT_EQ(definitions.size(), 103u);
    for (std::size_t n = 0; n < definitions.size(); ++n) {
        if (n == 87) {
            EXPECT_EQ(definitions[n], nullptr);
            continue;
        }
        ASSERT_NE(definitions[n], nullptr) << n;
        const PackedAddress address = addressOf(*definitions[n]);
        EXPECT_TRUE(address >= firstSlot && address <= lastSlot && address % 2 == 0) << n;
        EXPECT_EQ(definitions[n]->bitWidth(), 14u) << n;
        EXPECT_EQ(definitions[n]->field().entries().front()->size(), 2u) << n;
    }
}

TEST_F(InsertionTablesTest, DisplayMappingsAndLabelsShowWhatThePagesExpect)
{
    const SysexParameter& threshold = *definitions[36];
    EXPECT_EQ(threshold.defaultValue(), 97) << "display 0 lies above the range: clamped";
    EXPECT_EQ(threshold.valueText(55), RefString(u"-72"));
    EXPECT_EQ(threshold.valueText(97), RefString(u"-30"));
    EXPECT_EQ(definitions[29]->valueText(52), RefString(u"10")) << "labels indexed by the displayed value";
    EXPECT_EQ(definitions[33]->valueText(52), RefString(u"10"));
    EXPECT_EQ(definitions[0]->defaultValue(), 64);
    EXPECT_EQ(definitions[13]->valueText(4), RefString(u"-180"));
}

TEST_F(InsertionTablesTest, AValueReceivedAtOneAddressReachesEveryDefinitionOverIt)
{
    std::vector<SysexParameter*> shared;
    for (SysexParameter* definition : definitions)
        if (definition && addressOf(*definition) == 0x10010c)
            shared.push_back(definition);
    ASSERT_EQ(shared.size(), 13u);
    std::vector<CountingListener> listeners(shared.size());
    for (std::size_t i = 0; i < shared.size(); ++i)
        shared[i]->addListener(&listeners[i]);

    receive(0x10010c, 100);

    for (std::size_t i = 0; i < shared.size(); ++i) {
        EXPECT_EQ(shared[i]->getValue(), 100);
        EXPECT_EQ(listeners[i].count, 1) << "each definition tells its controls";
    }
}

// Delays reach 13650 over two bytes; the 6820 ones over the same slots must
// neither misread a long delay nor keep its high bit when written.
TEST_F(InsertionTablesTest, ShortDelaysOverLongDelaySlotsReadAndWriteTheWholeSlot)
{
    SysexParameter& longDelay = *definitions[71];
    SysexParameter& shortDelay = *definitions[83];
    receive(0x100108, 9000);
    EXPECT_EQ(shortDelay.getValue(), 9000);

    shortDelay.setValue(flagsUserEdit, 100);
    EXPECT_EQ(map.findEntry(0x100108)->value(), 100u);
    EXPECT_EQ(longDelay.getValue(), 100);
}

TEST_F(InsertionTablesTest, ALabelThatMatchesNothingDefaultsInsideTheRange)
{
    const SysexParameter& frequency = *definitions[5];
    const auto raw = EffectParameters::resolveDefault(frequency, byLabel("no such label"));
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(*raw, frequency.minimum());
    EXPECT_FALSE(EffectParameters::resolveDefault(frequency, withoutDefault).has_value());
}

} // namespace
