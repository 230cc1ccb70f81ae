#include "Fs1rTestLayout.h"

#include "params/SetValueFlags.h"
#include "tests/support/CountingSink.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A bulk dump assembled by hand, independent of SysexTemplate::build.
Bytes dumpMessage(PackedAddress address, const Bytes& data, std::uint32_t count, std::uint8_t device = 0)
{
    Bytes message{0xF0, 0x43, device, 0x5E, std::uint8_t((count >> 7) & 0x7F), std::uint8_t(count & 0x7F),
        std::uint8_t((address >> 16) & 0x7F), std::uint8_t((address >> 8) & 0x7F), std::uint8_t(address & 0x7F)};
    message.insert(message.end(), data.begin(), data.end());
    const std::uint32_t sum = std::accumulate(message.begin() + 4, message.end(), 0u);
    message.push_back((0u - sum) & 0x7F);
    message.push_back(0xF7);
    return message;
}

Bytes patternData(std::size_t n, std::uint8_t seed)
{
    Bytes data(n);
    for (std::size_t i = 0; i < n; ++i)
        data[i] = std::uint8_t((i * 7 + seed) & 0x7F);
    return data;
}

class SysexTemplateTest : public testing::Test {
protected:
    void SetUp() override { fs1r::addLayout(map); }

    SysexParseResult readDump(const Bytes& message)
    {
        SysexReadState state(message);
        const SysexParseResult matched = dump.match(state);
        return matched == SysexParseResult::success ? dump.readData(state, sink, flagsSysexReceived) : matched;
    }

    Bytes systemMemory()
    {
        Bytes out(76);
        std::uint32_t sum = 0;
        sink.sink.readBytesWithSum(0x000000, out, sum);
        return out;
    }

    AddressMap map{fs1r::pageCapacity};
    CountingSink sink{map};
    SysexTemplate dump = fs1r::dumpTemplate();
    SysexTemplate parameterChange = fs1r::parameterChangeTemplate();
};

TEST_F(SysexTemplateTest, AnyDeviceNumberMatchesAndIsReportedWithoutChangingTheMessage)
{
    const Bytes message = dumpMessage(0x000000, patternData(76, 1), 76, 5);
    SysexReadState state(message);
    ASSERT_EQ(dump.match(state), SysexParseResult::success);
    EXPECT_EQ(state.deviceNumber, 5);
    EXPECT_EQ(state.address, 0x000000u);
    EXPECT_EQ(state.byteCount, 76u);
    EXPECT_EQ(state.cursor, 9u);
    EXPECT_EQ(state.trailer, 1u);
    EXPECT_EQ(message[2], 0x05);
    EXPECT_EQ(dump.readData(state, sink, flagsSysexReceived), SysexParseResult::success);
    EXPECT_EQ(systemMemory(), patternData(76, 1));
}

TEST_F(SysexTemplateTest, MessagesOfAnotherKindOrInstrumentAreNotMatchedAndWriteNothing)
{
    const Bytes good = dumpMessage(0x000000, patternData(76, 1), 76);
    const Bytes before = systemMemory();
    // Each literal header byte changed in turn: another manufacturer, another
    // message kind (a parameter change's 0x1n), another Yamaha model.
    for (const auto& [position, value] : {std::pair{1, 0x41}, {2, 0x10}, {2, 0x25}, {3, 0x4C}}) {
        Bytes message = good;
        message[position] = std::uint8_t(value);
        EXPECT_EQ(readDump(message), SysexParseResult::literalMismatch) << position;
    }
    const Bytes change{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x10, 0x00, 0x05, 0xF7};
    EXPECT_EQ(readDump(change), SysexParseResult::literalMismatch);
    EXPECT_EQ(sink.calls, 0);
    EXPECT_EQ(systemMemory(), before);
}

TEST_F(SysexTemplateTest, BrokenFramingIsReportedWithoutReadingPastTheMessage)
{
    // Each buffer is exactly as long as the message: the sanitizer catches any over-read.
    const std::vector<std::pair<Bytes, SysexParseResult>> cases{
        {{}, SysexParseResult::noStart},
        {{0x43, 0x00, 0x5E}, SysexParseResult::noStart},
        {{0xF0}, SysexParseResult::endInData},
        {{0xF0, 0x43, 0x00, 0x5E, 0x00}, SysexParseResult::endInData},
        {{0xF0, 0x43, 0x00, 0x5E, 0x00, 0xF7}, SysexParseResult::endInData},
        {{0xF0, 0x43, 0x00, 0x5E, 0x00, 0x4C, 0x90}, SysexParseResult::statusInData},
        {{0xF0, 0x43, 0x00, 0x5E, 0x00, 0x4C, 0x00, 0x00, 0x00}, SysexParseResult::endInData},
        {{0xF0, 0x43, 0x00, 0x5E, 0x00, 0x4C, 0x00, 0x00, 0x00, 0xF7}, SysexParseResult::endInData},
    };
    for (const auto& [message, expected] : cases) {
        const auto exact = std::make_unique<std::uint8_t[]>(message.size());
        std::copy(message.begin(), message.end(), exact.get());
        SysexReadState state(std::span<const std::uint8_t>(exact.get(), message.size()));
        SysexParseResult result = dump.match(state);
        if (result == SysexParseResult::success)
            result = dump.readData(state, sink, flagsSysexReceived);
        EXPECT_EQ(result, expected) << message.size();
    }
    EXPECT_EQ(sink.calls, 0);
}

TEST_F(SysexTemplateTest, ADamagedDumpWritesNothingAtAll)
{
    const Bytes good = dumpMessage(0x000000, patternData(76, 1), 76);
    const Bytes before = systemMemory();
    auto changed = [&](auto change) {
        Bytes message = good;
        change(message);
        return message;
    };
    const std::vector<std::pair<Bytes, SysexParseResult>> cases{
        {changed([](Bytes& m) { m.erase(m.begin() + 20, m.begin() + 30); }), SysexParseResult::endInData},
        {changed([](Bytes& m) { m.resize(m.size() - 5); }), SysexParseResult::endMisplaced},
        {changed([](Bytes& m) { m.pop_back(); }), SysexParseResult::endMisplaced},
        {changed([](Bytes& m) { m.insert(m.end() - 2, {1, 2, 3}); }), SysexParseResult::endMisplaced},
        {changed([](Bytes& m) { m[40] = 0xF7; }), SysexParseResult::endInData},
        {changed([](Bytes& m) { m[40] = 0xB0; }), SysexParseResult::statusInData},
        {changed([](Bytes& m) { m[m.size() - 2] = 0xF8; }), SysexParseResult::statusInData},
        {changed([](Bytes& m) { m[40] ^= 0x01; }), SysexParseResult::checksumError},
        {changed([](Bytes& m) { m[m.size() - 2] ^= 0x40; }), SysexParseResult::checksumError},
    };
    for (const auto& [message, expected] : cases)
        EXPECT_EQ(readDump(message), expected) << message.size();
    // The data of the last byte-changed case would otherwise have been written first.
    EXPECT_EQ(sink.calls, 0);
    EXPECT_EQ(systemMemory(), before);
    EXPECT_EQ(readDump(good), SysexParseResult::success);
    EXPECT_NE(systemMemory(), before);
}

TEST_F(SysexTemplateTest, AnUnknownChecksumModeFailsEveryMessage)
{
    const SysexTemplate strange(fs1r::dumpTemplateBytes, 2);
    const Bytes message = dumpMessage(0x000000, patternData(76, 1), 76);
    SysexReadState state(message);
    ASSERT_EQ(strange.match(state), SysexParseResult::success);
    EXPECT_EQ(strange.readData(state, sink, flagsSysexReceived), SysexParseResult::checksumError);
    EXPECT_EQ(sink.calls, 0);
}

TEST_F(SysexTemplateTest, TheByteCountMayBeTheDataLengthOrHalfOfIt)
{
    const Bytes data = patternData(76, 3);
    EXPECT_EQ(readDump(dumpMessage(0x000000, data, 38)), SysexParseResult::success);
    EXPECT_EQ(readDump(dumpMessage(0x000000, data, 76)), SysexParseResult::success);
    const long good = sink.calls;
    EXPECT_EQ(readDump(dumpMessage(0x000000, data, 77)), SysexParseResult::endInData);
    EXPECT_EQ(readDump(dumpMessage(0x000000, data, 75)), SysexParseResult::endMisplaced);
    EXPECT_EQ(readDump(dumpMessage(0x000000, data, 37)), SysexParseResult::endMisplaced);
    EXPECT_EQ(sink.calls, good);
}

TEST_F(SysexTemplateTest, DataAtAnAddressWithoutAnEntrySkipsOneByteAndOneAddress)
{
    AddressMap sparse(2);
    AddressPage* page = sparse.addPage(0x000100, 8);
    sparse.createEntry(0x000101).growTo(2);
    sparse.createEntry(0x000105).growTo(1);
    AddressMapDataSink sparseSink(sparse);
    // From 0x7E on: two addresses outside every page, then the page from 0x100.
    const Bytes message = dumpMessage(0x00007E, {1, 2, 3, 4, 5, 6, 7, 8}, 8);
    SysexReadState state(message);
    ASSERT_EQ(dump.match(state), SysexParseResult::success);
    ASSERT_EQ(dump.readData(state, sparseSink, 0), SysexParseResult::success);
    EXPECT_EQ(page->readValue(0x000101), (4u << 7) | 5u);
    EXPECT_EQ(page->readValue(0x000105), 8u);
}

TEST_F(SysexTemplateTest, ADumpBuiltFromMemoryCarriesCountAddressAndAChecksumThatSumsToZero)
{
    fs1r::fillWithPattern(map, 9);
    Bytes message(dump.dumpLength(400));
    ASSERT_EQ(message.size(), 411u);
    ASSERT_EQ(dump.build(message, 3, 0x100000, 400, sink.sink), 411u);
    EXPECT_EQ(Bytes(message.begin(), message.begin() + 9), (Bytes{0xF0, 0x43, 0x03, 0x5E, 0x03, 0x10, 0x10, 0x00, 0x00}));
    EXPECT_EQ(message.back(), 0xF7);
    // Literal header bytes are not summed; count, address, data and checksum are.
    const std::uint32_t sum = std::accumulate(message.begin() + 4, message.end() - 1, 0u);
    EXPECT_EQ(sum & 0x7F, 0u);
    for (std::size_t i = 9; i < 409; ++i)
        EXPECT_EQ(message[i], fs1r::patternByte(addToPackedAddress(0x100000, std::uint32_t(i - 9)), 9)) << i;
}

TEST_F(SysexTemplateTest, ADumpForAnotherSlotKeepsTheDataOfTheSourceAddress)
{
    fs1r::fillWithPattern(map, 4);
    Bytes here(dump.dumpLength(608));
    Bytes there(dump.dumpLength(608));
    ASSERT_NE(dump.build(here, 0, 0x410000, 608, sink.sink), 0u);
    ASSERT_NE(dump.build(there, 0, 0x410000, 608, sink.sink, 0x510005), 0u);
    EXPECT_EQ(Bytes(there.begin() + 6, there.begin() + 9), (Bytes{0x51, 0x00, 0x05}));
    EXPECT_TRUE(std::equal(here.begin() + 9, here.end() - 2, there.begin() + 9));
    SysexReadState state(there);
    ASSERT_EQ(dump.match(state), SysexParseResult::success);
    EXPECT_EQ(dump.readData(state, sink, 0), SysexParseResult::success) << "its checksum covers the new address";
}

TEST_F(SysexTemplateTest, BuildRefusesWhatItCannotWriteCorrectly)
{
    Bytes big(dump.dumpLength(25632));
    EXPECT_EQ(dump.build(std::span(big).first(big.size() - 1), 0, 0x600000, 25632, sink.sink, 0x600000, 2), 0u)
        << "output one byte short";
    EXPECT_EQ(dump.build(big, 0, 0x600000, 25632, sink.sink, 0x600000, 1), 0u) << "25632 does not fit 14 bits";
    EXPECT_EQ(dump.build(big, 0, 0x600000, 25632, sink.sink, 0x600000, 0), 0u) << "divisor 0";
    EXPECT_EQ(dump.build(big, 0, 0x600000, 76, sink.sink, 0x600080), 0u) << "invalid header address";
    EXPECT_EQ(parameterChange.build(big, 0, 0x000000, 2, sink.sink), 0u) << "value placeholders";
    EXPECT_EQ(dump.build(big, 0, 0x600000, 25632, sink.sink, 0x600000, 2), dump.dumpLength(25632));
    EXPECT_EQ(big[4], 0x64);
    EXPECT_EQ(big[5], 0x10);
}

TEST_F(SysexTemplateTest, AParameterChangeIsCheckedWholeBeforeItsValueIsStored)
{
    const Bytes change{0xF0, 0x43, 0x15, 0x5E, 0x00, 0x00, 0x10, 0x01, 0x48, 0xF7};
    SysexReadState state(change);
    ASSERT_EQ(parameterChange.matchAndRead(state, sink, flagsSysexReceived), SysexParseResult::success);
    EXPECT_EQ(state.deviceNumber, 5);
    EXPECT_EQ(state.address, 0x000010u);
    EXPECT_EQ(state.value, 200u);
    EXPECT_EQ(map.findPage(0x000010, false)->readValue(0x000010), 200u);

    const std::vector<std::pair<Bytes, SysexParseResult>> broken{
        {{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x10, 0x01, 0xF7}, SysexParseResult::endInData},
        {{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x10, 0x01, 0x48}, SysexParseResult::endInData},
        {{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x10, 0x01, 0x48, 0x00, 0xF7}, SysexParseResult::endMisplaced},
        {{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x10, 0x01, 0x48, 0xFE}, SysexParseResult::endMisplaced},
        {{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x10, 0x81, 0x48, 0xF7}, SysexParseResult::statusInData},
        {{0xF0, 0x43, 0x00, 0x5E, 0x00, 0x00, 0x10, 0x01, 0x48, 0xF7}, SysexParseResult::literalMismatch},
    };
    const long before = sink.calls;
    for (const auto& [message, expected] : broken) {
        SysexReadState brokenState(message);
        EXPECT_EQ(parameterChange.matchAndRead(brokenState, sink, flagsSysexReceived), expected);
    }
    EXPECT_EQ(sink.calls, before);
    EXPECT_EQ(map.findPage(0x000010, false)->readValue(0x000010), 200u);
}

TEST_F(SysexTemplateTest, AnEmptyTemplateMatchesNothing)
{
    const SysexTemplate empty;
    const Bytes message = dumpMessage(0x000000, patternData(76, 1), 76);
    SysexReadState state(message);
    EXPECT_EQ(empty.match(state), SysexParseResult::emptyTemplate);
    EXPECT_EQ(empty.matchAndRead(state, sink, 0), SysexParseResult::emptyTemplate);
    EXPECT_EQ(sink.calls, 0);
}

} // namespace
