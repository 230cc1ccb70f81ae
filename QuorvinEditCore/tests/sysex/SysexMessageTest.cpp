#include "sysex/MidiBytes.h"
#include "sysex/SysexMessage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const SysexMessage& message)
{
    return Bytes(message.bytes().begin(), message.bytes().end());
}

TEST(SysexMessage, AParameterChangeCarriesAddressValueAndDeviceNumber)
{
    SysexMessage change;
    change.setDeviceNumber(5);
    change.create({0x43, 0x10, 0x5E}, 2);
    change.setAddressAndValue(0x100015, 200);
    EXPECT_EQ(bytesOf(change), (Bytes{0xF0, 0x43, 0x15, 0x5E, 0x10, 0x00, 0x15, 0x01, 0x48, 0xF7}));
    change.setDeviceNumber(0x1C);
    EXPECT_EQ(change.bytes()[2], 0x1C) << "only the low nibble is the device number";
}

TEST(SysexMessage, ValuesKeepTheLowBitsThatFitAndNegativesFillWithOnes)
{
    SysexMessage one;
    one.create({0x43, 0x10, 0x5E}, 1);
    one.setAddressAndValue(0x000000, 200);
    EXPECT_EQ(one.bytes()[7], 0x48);

    SysexMessage wide;
    wide.create({0x43, 0x10, 0x5E}, 6);
    wide.setAddressAndValue(0x7F7F7F, -2);
    EXPECT_EQ(bytesOf(wide), (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7E, 0xF7}));
}

TEST(SysexMessage, ARequestHasNoValueBytes)
{
    SysexMessage request;
    request.create({0x43, 0x20, 0x5E}, 0);
    request.setAddressAndValue(0x600000, 99);
    EXPECT_EQ(bytesOf(request), (Bytes{0xF0, 0x43, 0x20, 0x5E, 0x60, 0x00, 0x00, 0xF7}));
    SysexMessage never;
    never.setAddressAndValue(0x600000, 99);
    EXPECT_TRUE(never.bytes().empty());
}

TEST(MidiBytes, FourteenBitValuesAreLowByteFirst)
{
    EXPECT_EQ(read14Bit(0x00, 0x40), 8192u);
    EXPECT_EQ(read14Bit(0x7F, 0x7F), 16383u);
    EXPECT_EQ(read14Bit(0xFF, 0x80), 0x7Fu) << "top bits are not data";
}

TEST(MidiBytes, MessageLengthFollowsTheStatusByte)
{
    EXPECT_EQ(midiMessageLength(0xC3), 2);
    EXPECT_EQ(midiMessageLength(0xD0), 2);
    EXPECT_EQ(midiMessageLength(0x93), 3);
    EXPECT_EQ(midiMessageLength(0xE5), 3);
    EXPECT_EQ(midiMessageLength(0x40), 3);
    const int system[16] = {0, 2, 3, 2, 0, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(midiMessageLength(std::uint8_t(0xF0 + i)), system[i]) << std::hex << 0xF0 + i;
}

} // namespace
