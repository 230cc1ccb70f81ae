#include "Fs1rTestLayout.h"

#include "params/SetValueFlags.h"
#include "sysex/AddressMapDataSink.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class Fs1rDumpRoundTrip : public testing::TestWithParam<fs1r::DumpKind> {
protected:
    Bytes buildFrom(AddressMap& map)
    {
        const fs1r::DumpKind& kind = GetParam();
        AddressMapDataSink source(map);
        Bytes message(dump.dumpLength(kind.dataBytes));
        EXPECT_EQ(dump.build(message, 0, kind.address, kind.dataBytes, source, SysexTemplate::sourceAddressInHeader,
                      kind.countDivisor),
            message.size());
        return message;
    }

    SysexTemplate dump = fs1r::dumpTemplate();
};

TEST_P(Fs1rDumpRoundTrip, ABuiltDumpReadsBackIntoAnEmptyMapByteForByte)
{
    const fs1r::DumpKind& kind = GetParam();
    AddressMap original(fs1r::pageCapacity);
    fs1r::addLayout(original);
    fs1r::fillWithPattern(original, 17);
    const Bytes sent = buildFrom(original);

    ASSERT_EQ(sent.size(), kind.dataBytes + 11u);
    EXPECT_EQ(sent.size() == 25643, kind.name == "fseq512");
    const std::uint32_t count = kind.dataBytes / kind.countDivisor;
    EXPECT_EQ(sent[4], (count >> 7) & 0x7F);
    EXPECT_EQ(sent[5], count & 0x7F);
    for (std::uint32_t i = 0; i < kind.dataBytes; ++i)
        ASSERT_EQ(sent[9 + i], fs1r::patternByte(addToPackedAddress(kind.address, i), 17)) << i;
    EXPECT_EQ(std::accumulate(sent.begin() + 4, sent.end() - 1, 0u) & 0x7F, 0u);

    AddressMap received(fs1r::pageCapacity);
    fs1r::addLayout(received);
    AddressMapDataSink sink(received);
    SysexReadState state(sent);
    ASSERT_EQ(dump.match(state), SysexParseResult::success);
    ASSERT_EQ(dump.readData(state, sink, flagsSysexReceived), SysexParseResult::success);

    EXPECT_EQ(buildFrom(received), sent);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, Fs1rDumpRoundTrip, testing::ValuesIn(fs1r::dumpKinds()),
    [](const auto& info) { return info.param.name; });

TEST(Fs1rLayout, EachDumpFillsItsPagesExactlyAndNothingElse)
{
    AddressMap map(fs1r::pageCapacity);
    fs1r::addLayout(map);
    EXPECT_EQ(map.pageCount(), 44u);
    AddressMapDataSink sink(map);
    // Parameter 0x310005 and dump address 0x100179 are one byte: part 1, byte 5.
    EXPECT_EQ(map.findPage(0x100179, true), map.findPage(0x310005, false));
    EXPECT_EQ(map.findPage(0x10025C + 52, true), nullptr);
    EXPECT_EQ(map.findPage(0x400000 + 0x0422 + 62, true), nullptr);
    EXPECT_EQ(map.findPage(addToPackedAddress(0x600000, 32 + 25600), true), nullptr);
    EXPECT_TRUE(map.findEntry(addToPackedAddress(fs1r::framesAddress, 2))->neverSend());
    EXPECT_FALSE(map.findEntry(0x700000)->neverSend());
}

} // namespace
