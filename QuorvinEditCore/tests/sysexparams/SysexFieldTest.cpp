// Bit fields of SysEx-bound parameters in their memory entries: widths,
// shared entries, signed fields, 14-bit values and entry growth.
#include "params/ParameterListener.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "tests/support/ListenerCounter.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr PackedAddress pageStart = 0x100000;
constexpr std::uint32_t pageSize = 0x200;

std::vector<std::uint8_t> entryBytes(const AddressEntry& entry)
{
    std::vector<std::uint8_t> bytes(entry.size());
    entry.readBytes(bytes);
    return bytes;
}

class SysexFieldTest : public testing::Test {
protected:
    SysexFieldTest() { map.addPage(pageStart, pageSize); }

    AddressEntry& entryAt(PackedAddress address) { return *map.findEntry(address); }

    AddressMap map{2};
    ParameterFactory factory{map, nullptr};
};

TEST_F(SysexFieldTest, WidthIsTheBitLengthOfTheLargerMagnitudePlusASignBit)
{
    struct Case {
        std::int32_t minimum, maximum;
        std::uint32_t width, bytes;
    };
    const std::array cases{Case{0, 127, 7, 1}, Case{0, 99, 7, 1}, Case{0, 1, 1, 1}, Case{0, 0, 1, 1},
        Case{0, 511, 9, 2}, Case{0, 0x3fff, 14, 2}, Case{-64, 63, 8, 2}, Case{-7, 7, 4, 1}};
    PackedAddress address = pageStart;
    for (const Case& c : cases) {
        const SysexParameter* p = factory.addSysexParameter(address, c.minimum, c.maximum, 0);
        EXPECT_EQ(p->bitWidth(), c.width) << c.minimum << ".." << c.maximum;
        EXPECT_EQ(entryAt(address).size(), c.bytes) << c.minimum << ".." << c.maximum;
        address = addToPackedAddress(address, 1);
    }
}

TEST_F(SysexFieldTest, ParametersSharingAnEntryKeepEachOthersBits)
{
    SysexParameter* low = factory.addSysexParameter(0x100010, 0, 15, 0);
    SysexParameter* high = factory.addSysexParameter(0x100010, 0, 7, 4);
    EXPECT_EQ(low->field().entries().front(), high->field().entries().front())
        << "a second parameter at one address reuses the entry";

    low->setValue(flagsUserEdit, 9);
    high->setValue(flagsUserEdit, 5);
    EXPECT_EQ(entryAt(0x100010).value(), 0x59u);
    low->setValue(flagsUserEdit, 0);
    EXPECT_EQ(entryAt(0x100010).value(), 0x50u);
    EXPECT_EQ(high->getValue(), 5);

    // A single bit above a 6-bit field in a one-byte entry.
    SysexParameter* flag = factory.addSysexParameter(0x100011, 0, 1, 6);
    SysexParameter* level = factory.addSysexParameter(0x100011, 0, 63, 0);
    flag->setValue(flagsUserEdit, 1);
    level->setValue(flagsUserEdit, 63);
    EXPECT_EQ(entryAt(0x100011).size(), 1u);
    EXPECT_EQ(entryAt(0x100011).value(), 0x7Fu);
    flag->setValue(flagsUserEdit, 0);
    EXPECT_EQ(entryAt(0x100011).value(), 0x3Fu);
    EXPECT_EQ(level->getValue(), 63);
}

TEST_F(SysexFieldTest, ConstructionWritesTheMinimumIntoItsOwnBitsOnly)
{
    AddressEntry& entry = factory.getOrCreateAddressEntry(0x100020);
    entry.growTo(1);
    entry.storeValue(0x7F);
    const SysexParameter* p = factory.addSysexParameter(0x100020, 2, 5, 2);
    EXPECT_EQ(p->getValue(), 2);
    EXPECT_EQ(entry.value(), 0x6Bu) << "bits 2-4 hold 2, the others are kept";
}

TEST_F(SysexFieldTest, SignedFieldsReadTheirTopBitAsTheSign)
{
    SysexParameter* p = factory.addSysexParameter(0x100030, -64, 63, 0);
    AddressEntry& entry = entryAt(0x100030);
    entry.storeValue(0xC0);
    EXPECT_EQ(p->getValue(), -64);

    p->setValue(flagsUserEdit, -1);
    EXPECT_EQ(entry.value(), 0xFFu) << "only the 8 field bits are set";
    EXPECT_EQ(entryBytes(entry), (std::vector<std::uint8_t>{0x01, 0x7F}));
    p->setValue(flagsUserEdit, 63);
    EXPECT_EQ(p->getValue(), 63);

    // A signed field above an unsigned one in the same entry.
    SysexParameter* below = factory.addSysexParameter(0x100031, 0, 3, 0);
    SysexParameter* above = factory.addSysexParameter(0x100031, -7, 7, 2);
    below->setValue(flagsUserEdit, 3);
    above->setValue(flagsUserEdit, -7);
    EXPECT_EQ(above->getValue(), -7);
    EXPECT_EQ(below->getValue(), 3);
}

TEST_F(SysexFieldTest, SplitValuesReadTheLowSevenBitsFromTheLowEntry)
{
    const std::unique_ptr<SysexParameter> p = factory.addSplitSysexParameter(0x100050, 0x100051);
    AddressEntry& high = entryAt(0x100050);
    AddressEntry& low = entryAt(0x100051);
    EXPECT_EQ(low.size(), 1u);
    EXPECT_EQ(high.size(), 1u);
    low.setValue(0x7F, flagsSysexReceived);
    high.setValue(0x01, flagsSysexReceived);
    EXPECT_EQ(p->getValue(), 0xFF);
}

TEST_F(SysexFieldTest, ASplitFieldWiderThanFourteenBitsReadsBackWhatWasWritten)
{
    const std::unique_ptr<SysexParameter> p = factory.addSplitSysexParameter(0x100060, 0x100061);
    p->setRange(0, 0xFFFF, flagsConstruct);
    p->setBitWidth(16);
    EXPECT_EQ(entryAt(0x100060).size(), 2u) << "the high entry takes the bytes the low one does not";
    p->setValue(flagsUserEdit, 0xBEEF);
    EXPECT_EQ(p->getValue(), 0xBEEF);
    EXPECT_EQ(entryAt(0x100061).value(), 0xBEEFu & 0x7F);
}

TEST_F(SysexFieldTest, NarrowingASignedFieldKeepsTheSignOfItsValue)
{
    SysexParameter* p = factory.addSysexParameter(0x100070, -64, 63, 0);
    p->setValue(flagsUserEdit, -5);
    p->setBitWidth(5);
    EXPECT_EQ(p->bitWidth(), 5u);
    EXPECT_EQ(p->getValue(), -5);
    EXPECT_EQ(entryAt(0x100070).value() & 0x1F, 0x1Bu);
    p->setBitWidth(12);
    EXPECT_EQ(p->getValue(), -5);
}

TEST_F(SysexFieldTest, SpreadingBytesNeverShrinksAnEntryAndBuffersWideOnes)
{
    SysexParameter* p = factory.addSysexParameter(0x100100, 0, 0x3fff, 0);
    AddressEntry& entry = entryAt(0x100100);
    p->setBitWidth(3);
    EXPECT_EQ(entry.size(), 2u);
    p->setValue(flagsUserEdit, 0x2AAA);
    p->setBitWidth(32);
    EXPECT_EQ(entry.size(), 5u);
    EXPECT_EQ(entryBytes(entry), std::vector<std::uint8_t>(5, 0)) << "a fresh buffer is zero-filled";

    // A buffered entry holds no value bits: a write must not reach past them.
    p->setValue(flagsUserEdit, 0x1555);
    EXPECT_EQ(entryBytes(entry), std::vector<std::uint8_t>(5, 0));
}

TEST_F(SysexFieldTest, NoValueWithTheStoreFlagLeavesTheBits)
{
    SysexParameter* p = factory.addSysexParameter(0x100110, 0, 127, 0);
    p->setValue(flagsUserEdit, 77);
    p->apply(flagsUserEdit, Parameter::noValue);
    p->setValue(flagsUserEdit, Parameter::noValue);
    EXPECT_EQ(p->getValue(), 77);
}

TEST_F(SysexFieldTest, ADestroyedParameterLeavesItsEntriesAndItsNeighboursStillHear)
{
    SysexParameter* kept = factory.addSysexParameter(0x100140, 0, 15, 0);
    auto gone = std::make_unique<SysexParameter>(nullptr, entryAt(0x100140), 0, 7, 4);
    auto split = factory.addSplitSysexParameter(0x100141, 0x100142);
    EXPECT_EQ(entryAt(0x100140).listeners().size(), 2u);

    gone.reset();
    split.reset();
    EXPECT_EQ(entryAt(0x100140).listeners().size(), 1u);
    EXPECT_TRUE(entryAt(0x100141).listeners().empty());
    EXPECT_TRUE(entryAt(0x100142).listeners().empty());

    ListenerCounter heard;
    kept->addListener(&heard);
    entryAt(0x100140).setValue(0x75, flagsSysexReceived);
    entryAt(0x100141).setValue(0x01, flagsSysexReceived);
    EXPECT_EQ(kept->getValue(), 5);
    EXPECT_EQ(heard.heard.size(), 1u);
}

// A listener that destroys another parameter of the same entry while the
// entry is telling its parameters.
class DestroyingListener : public ParameterListener {
public:
    void onParameterChanged(Parameter*, std::uint32_t) override { victim.reset(); }
    std::unique_ptr<SysexParameter> victim;
};

TEST_F(SysexFieldTest, AParameterDestroyedWhileItsEntryNotifiesMakesNoOtherOneMissTheNews)
{
    AddressEntry& entry = factory.getOrCreateAddressEntry(0x100150);
    DestroyingListener destroyer;
    destroyer.victim = std::make_unique<SysexParameter>(nullptr, entry, 0, 1, 6);
    SysexParameter* second = factory.addSysexParameter(0x100150, 0, 7, 0);
    SysexParameter* third = factory.addSysexParameter(0x100150, 0, 3, 3);
    second->addListener(&destroyer);
    ListenerCounter thirdHeard;
    third->addListener(&thirdHeard);

    entry.setValue(0x1F, flagsSysexReceived);
    EXPECT_EQ(destroyer.victim, nullptr);
    EXPECT_EQ(thirdHeard.heard.size(), 1u) << "the listener after the one that left is still told";
    EXPECT_EQ(third->getValue(), 3);
    EXPECT_EQ(entry.listeners().size(), 2u);
}

TEST_F(SysexFieldTest, TheFactoryGivesThePageCommandListAndOwnsOnlyWhatItsListHolds)
{
    CommandList page;
    factory.setCommandList(&page);
    SysexParameter* owned = factory.addSysexParameter(0x100160, 0, 127, 0);
    const std::unique_ptr<SysexParameter> wide = factory.addOwnedSysexParameter(0x100161, 0, 0x3fff);
    const std::unique_ptr<SysexParameter> split = factory.addSplitSysexParameter(0x100162, 0x100163);
    EXPECT_EQ(owned->commandList(), &page);
    EXPECT_EQ(wide->commandList(), &page);
    EXPECT_EQ(split->commandList(), &page);
    ASSERT_EQ(factory.parameters().size(), 1u);
    EXPECT_EQ(factory.parameters().front().get(), owned);
}

TEST_F(SysexFieldTest, AParameterThatOutlivesTheMapLetsGoQuietly)
{
    auto map = std::make_unique<AddressMap>(1);
    map->addPage(pageStart, pageSize);
    ParameterFactory local(*map, nullptr);
    std::unique_ptr<SysexParameter> pageOwned = local.addOwnedSysexParameter(pageStart, 0, 0x3fff);
    local.destroyParameters();
    map.reset();
    pageOwned.reset();
}

} // namespace
