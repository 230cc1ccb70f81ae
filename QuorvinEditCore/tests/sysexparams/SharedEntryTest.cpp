// Parameters that share one memory entry: undo and redo give back the shared
// bits, an edit through one is heard by all, and a received value outside a
// parameter's range is kept as it came.
#include "conditions/ParameterRangeLink.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "tests/support/ListenerCounter.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

constexpr PackedAddress shared = 0x100010;

class SharedEntryTest : public testing::Test {
protected:
    SharedEntryTest()
    {
        map.addPage(0x100000, 0x40);
        factory.setCommandList(&page);
    }

    std::uint32_t stored() const { return map.findEntry(shared)->value(); }

    AddressMap map{1};
    ParameterFactory factory{map, nullptr};
    CommandList page;
};

TEST_F(SharedEntryTest, UndoOfAGroupGivesBackBitsThatTwoParametersShare)
{
    // Two readings of the same bits, as a mode switch gives them.
    struct Case {
        std::int32_t wideMaximum, narrowMaximum;
        std::uint32_t narrowOffset;
        std::uint32_t before;
    };
    const std::array cases{Case{127, 15, 0, 0x5A}, Case{127, 7, 4, 0x3C}, Case{63, 31, 1, 0x2F}};
    PackedAddress address = shared;
    for (const Case& c : cases) {
        SysexParameter* wide = factory.addSysexParameter(address, 0, c.wideMaximum, 0);
        SysexParameter* narrow = factory.addSysexParameter(address, 0, c.narrowMaximum, c.narrowOffset);
        AddressEntry& entry = *map.findEntry(address);
        entry.storeValue(c.before);

        beginCommandGroup(RefString(u"Panel init"), flagsUserReset);
        wide->setValue(flagsUserReset, 0);
        narrow->setValue(flagsUserReset, 1);
        endCommandGroup(flagsUserReset);
        const std::uint32_t afterInit = entry.value();

        ASSERT_TRUE(page.undo());
        EXPECT_EQ(entry.value(), c.before) << "entry " << std::hex << address;
        ASSERT_TRUE(page.redo());
        EXPECT_EQ(entry.value(), afterInit) << "entry " << std::hex << address;
        address = addToPackedAddress(address, 1);
    }
}

TEST_F(SharedEntryTest, RedoSetsTheBitsInTheOrderTheParametersLastChanged)
{
    SysexParameter* speed = factory.addSysexParameter(shared, 0, 127, 0);
    SysexParameter* ratio = factory.addSysexParameter(shared, 0, 4, 0);
    speed->setValue(flagsConstruct, 90);
    beginCommandGroup(RefString(u"Panel init"), flagsUserReset);
    speed->setValue(flagsUserReset, 100);
    ratio->setValue(flagsUserReset, 2);
    speed->setValue(flagsUserReset, 120);
    endCommandGroup(flagsUserReset);
    ASSERT_EQ(stored(), 120u);

    ASSERT_TRUE(page.undo());
    EXPECT_EQ(stored(), 90u);
    ASSERT_TRUE(page.redo());
    EXPECT_EQ(stored(), 120u) << "the speed changed last";
}

TEST_F(SharedEntryTest, AValueAnEditPullsIntoItsRangeIsPartOfTheStepButNotOfAReceivedValue)
{
    SysexParameter* length = factory.addSysexParameter(0x100011, 0, 127, 0);
    SysexParameter* loopEnd = factory.addSysexParameter(shared, 0, 127, 0);
    ParameterRangeLink::create(length, 0).addTarget(loopEnd);
    length->setValue(flagsConstruct, 100);
    loopEnd->setValue(flagsConstruct, 90);

    beginCommandGroup(RefString(u"Length"), flagsUserEdit);
    length->setValue(flagsUserEdit, 50);
    endCommandGroup(flagsUserEdit);
    EXPECT_EQ(loopEnd->getValue(), 50);
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(length->getValue(), 100);
    EXPECT_EQ(loopEnd->getValue(), 90) << "undo gives back the value the edit pulled in";

    // A pick from a list is a step of its own, without a group.
    length->setValue(flagsUserEdit, 40);
    EXPECT_EQ(loopEnd->getValue(), 40);
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(loopEnd->getValue(), 90);

    map.setValue(0x100011, 20, flagsSysexReceived);
    EXPECT_EQ(loopEnd->getValue(), 90);
    EXPECT_EQ(page.commands().size(), 1u) << "the new step replaced the one undone";
}

TEST_F(SharedEntryTest, AnEditThroughOneParameterIsHeardAndReadByTheOthers)
{
    SysexParameter* octave = factory.addSysexParameter(shared, 0, 3, 4);
    SysexParameter* ratio = factory.addSysexParameter(shared, 0, 127, 0);
    SysexParameter* fine = factory.addSysexParameter(shared, 0, 15, 0);
    ListenerCounter ratioHeard;
    ListenerCounter fineHeard;
    ratio->addListener(&ratioHeard);
    fine->addListener(&fineHeard);

    octave->setValue(flagsUserEdit, 2);
    EXPECT_EQ(stored(), 0x20u);
    ASSERT_EQ(ratioHeard.heard.size(), 1u);
    ASSERT_EQ(fineHeard.heard.size(), 1u);
    EXPECT_EQ(ratio->getValue(), 0x20);
    EXPECT_EQ(ratioHeard.heard[0].flags & SetValueFlag::sendToInstrument, 0u) << "the entry went out once";
    EXPECT_EQ(page.commands().size(), 1u) << "only the edited parameter is recorded";
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(ratioHeard.heard.size(), 2u) << "undo is heard by all too";
    EXPECT_EQ(stored(), 0u);
}

TEST_F(SharedEntryTest, AReceivedValueOutsideTheRangeIsKeptAsItCame)
{
    SysexParameter* highest = factory.addSysexParameter(shared, -1, 15, 0);
    highest->setBitWidth(7);
    SysexParameter* channel = factory.addSysexParameter(0x100011, -1, 16, 0);
    channel->setBitWidth(7);
    ParameterRangeLink& span = ParameterRangeLink::create(channel, 12, 0);
    span.setDisplaySource(true);
    span.addTarget(highest);

    struct Case {
        PackedAddress address;
        std::uint32_t value;
    };
    // A parameter change, then a channel whose span no longer holds the highest one.
    for (const Case& c : {Case{shared, 17}, Case{0x100011, 3}, Case{shared, 0}, Case{0x100011, 2}}) {
        map.setValue(c.address, c.value, flagsSysexReceived);
        EXPECT_EQ(map.findEntry(c.address)->value(), c.value) << std::hex << c.address;
    }
    EXPECT_EQ(stored(), 0u) << "narrowing the allowed range on a received value rewrites nothing";
    EXPECT_TRUE(page.commands().empty());
}

} // namespace
