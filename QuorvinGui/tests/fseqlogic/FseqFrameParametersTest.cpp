#include "fseq/FseqFrameParameters.h"

#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>

namespace {

constexpr PackedAddress framesStart = 0x700020;
constexpr std::uint32_t frameArea = 25600;

class FseqFrameParametersTest : public testing::Test {
protected:
    FseqFrameParametersTest()
    {
        map.addPage(framesStart, frameArea);
        factory.setCommandList(&history);
    }

    CommandList history;
    AddressMap map{4};
    ParameterFactory factory{map, nullptr};
};

} // namespace

TEST_F(FseqFrameParametersTest, FrameAddressesCarryAcrossSevenBitGroups)
{
    EXPECT_EQ(FseqFrameParameters::frameAddress(framesStart, 0), 0x700020u);
    EXPECT_EQ(FseqFrameParameters::frameAddress(framesStart, 1), 0x700052u);
    EXPECT_EQ(FseqFrameParameters::frameAddress(framesStart, 2), 0x700104u);
    // The last level of the last frame is the last address of the area.
    const PackedAddress last = FseqFrameParameters::frameAddress(addToPackedAddress(framesStart, 49), 511);
    EXPECT_EQ(packedAddressIndex(last, framesStart), std::int32_t(frameArea) - 1);
}

TEST_F(FseqFrameParametersTest, EveryFrameGetsItsEntriesAndTheInitialValueUnrecorded)
{
    const FseqFrameParameters levels(factory, addToPackedAddress(framesStart, 49), 127);
    const FseqFrameParameters pitch(factory, framesStart, addToPackedAddress(framesStart, 1), 13056);
    EXPECT_EQ(levels.count(), 512u);
    EXPECT_EQ(pitch.count(), 512u);
    EXPECT_NE(map.findEntry(FseqFrameParameters::frameAddress(addToPackedAddress(framesStart, 49), 511)), nullptr);
    EXPECT_NE(map.findEntry(0x700052), nullptr);
    EXPECT_NE(map.findEntry(0x700053), nullptr);
    for (const Parameter& frame : pitch) {
        EXPECT_EQ(frame.getValue(), 13056);
        EXPECT_EQ(frame.defaultValue(), 13056);
        EXPECT_EQ(frame.commandList(), &history);
    }
    EXPECT_EQ(levels.at(300).getValue(), 127);
    EXPECT_EQ(levels.at(300).maximum(), 127);
    EXPECT_TRUE(history.commands().empty());
    EXPECT_TRUE(levels.contains(&levels.at(511)));
    EXPECT_FALSE(levels.contains(&pitch.at(0)));
}

TEST_F(FseqFrameParametersTest, NeighbouringLevelsEachKeepToTheirOwnByte)
{
    const PackedAddress firstLevel = addToPackedAddress(framesStart, 18);
    const FseqFrameParameters level1(factory, firstLevel, 0);
    const FseqFrameParameters level2(factory, addToPackedAddress(firstLevel, 1), 0);
    level1.at(0).setValue(flagsUserEdit, 5);
    level2.at(0).setValue(flagsUserEdit, 9);
    EXPECT_EQ(map.findEntry(firstLevel)->size(), 1u);
    EXPECT_EQ(map.findEntry(firstLevel)->value(), 5u);
    EXPECT_EQ(map.findEntry(addToPackedAddress(firstLevel, 1))->value(), 9u);
    EXPECT_EQ(level1.at(0).getValue(), 5);
    EXPECT_EQ(level2.at(0).getValue(), 9);
}
