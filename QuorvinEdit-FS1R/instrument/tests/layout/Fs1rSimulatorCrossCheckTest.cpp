// The layout and templates against the simulated instrument, whose reading
// of the protocol was written apart from ours: each side must take in what
// the other sends, byte for byte.
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexProtocol.h"
#include "simulator/SimulatedFs1r.h"
#include "simulator/SimulatorCodec.h"
#include "sysex/AddressMap.h"
#include "sysex/AddressMapDataSink.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using L = Fs1rMemoryLayout;

struct Dump {
    PackedAddress address;
    std::uint32_t size;
};
// The longest sequence, whose byte count fits its field only when halved.
const Dump editBufferDumps[] = {{0x000000, 76}, {0x100000, 400}, {0x400000, 608}, {0x410000, 608},
    {0x420000, 608}, {0x430000, 608}, {0x600000, L::fseqDumpSize(L::fseqMaxFrames)}};
constexpr std::size_t lengthCodeOffset = 0x1B;
constexpr std::uint8_t longestLengthCode = 3;

class SimulatorCrossCheck : public testing::Test {
protected:
    SimulatorCrossCheck()
    {
        L::buildAddressMap(map);
        // As if every byte had a parameter of its own.
        for (const Fs1rMemoryPage& page : L::pages())
            for (std::uint32_t i = 0; i < page.size; ++i)
                map.createEntry(addToPackedAddress(page.parameterAddress, i)).growTo(1);
    }

    // The simulator's last answer, empty for none.
    Bytes exchange(std::span<const std::uint8_t> message)
    {
        answers.clear();
        simulator.receiveBytes(message.data(), message.size());
        return answers.empty() ? Bytes{} : answers.back();
    }

    Bytes requestDump(PackedAddress address)
    {
        SysexMessage request;
        Fs1rSysexProtocol::createDumpRequest(request);
        request.setAddressAndValue(address, 0);
        return exchange(request.bytes());
    }

    SysexParseResult readDump(const Bytes& message)
    {
        SysexReadState state(message);
        const SysexParseResult matched = protocol.bulkDump().match(state);
        return matched == SysexParseResult::success ? protocol.bulkDump().readData(state, sink, 0) : matched;
    }

    Bytes buildDump(const Dump& dump)
    {
        Bytes bytes(protocol.bulkDump().dumpLength(dump.size));
        const auto length = protocol.bulkDump().build(bytes, 0, dump.address, dump.size, sink, dump.address,
            L::countDivisor(dump.address));
        bytes.resize(length);
        return bytes;
    }

    AddressMap map{L::pageCapacity};
    AddressMapDataSink sink{map};
    Fs1rSysexProtocol protocol;
    std::vector<Bytes> answers;
    SimulatedFs1r simulator{[this](const std::uint8_t* data, std::size_t size) { answers.emplace_back(data, data + size); }};
};

TEST_F(SimulatorCrossCheck, DumpsBuiltFromTheMapAreAcceptedByTheSimulator)
{
    for (const Dump& dump : editBufferDumps) {
        SCOPED_TRACE(testing::Message() << std::hex << dump.address);
        Bytes data(dump.size);
        for (std::size_t n = 0; n < data.size(); ++n)
            data[n] = std::uint8_t((n * 29 + (dump.address >> 16)) & 0x7F);
        if (dump.address == L::fseqDumpAddress)
            data[lengthCodeOffset] = longestLengthCode;
        const Bytes simulatorsDump = SimulatorCodec::bulkDump(0, dump.address, data, L::countDivisor(dump.address));
        ASSERT_EQ(readDump(simulatorsDump), SysexParseResult::success);
        exchange(buildDump(dump));
        EXPECT_EQ(simulator.rejectedDumpCount(), 0u);
        EXPECT_EQ(simulator.dumpData(dump.address), data);
    }
}

// A page with a wrong dump offset would put an edit into another byte of its
// dump than the simulator does.
TEST_F(SimulatorCrossCheck, EditsAtEveryPagesEndsLandInTheSameDumpByteOnBothSides)
{
    ASSERT_TRUE(simulator.editParameter(L::fseqLengthCodeAddress, longestLengthCode));
    for (const Dump& dump : editBufferDumps)
        ASSERT_EQ(readDump(requestDump(dump.address)), SysexParseResult::success);

    SysexMessage change;
    Fs1rSysexProtocol::createParameterChange(change);
    for (const Fs1rMemoryPage& page : L::pages()) {
        const PackedAddress first = page.parameterAddress;
        const PackedAddress last = addToPackedAddress(first, page.size - 1);
        SCOPED_TRACE(testing::Message() << std::hex << first);
        // The first byte is edited on the instrument, the last in the editor.
        ASSERT_TRUE(simulator.editParameter(first, (map.findEntry(first)->value() + 1) & 0x7F));
        SysexReadState state(answers.back());
        ASSERT_EQ(protocol.parameterChange().matchAndRead(state, sink, 0), SysexParseResult::success);
        const std::uint32_t value = (map.findEntry(last)->value() + 1) & 0x7F;
        map.setValue(last, value, 0);
        change.setAddressAndValue(last, std::int32_t(value));
        exchange(change.bytes());

        const Dump* holder = &editBufferDumps[0];
        for (const Dump& dump : editBufferDumps)
            holder = dump.address <= page.dumpAddress ? &dump : holder;
        EXPECT_EQ(buildDump(*holder), requestDump(holder->address));
    }
}

TEST_F(SimulatorCrossCheck, EveryProbeIsAnsweredWithAParameterChangeOfTheInstrumentsDeviceNumber)
{
    constexpr std::uint8_t deviceNumber = 9;
    ASSERT_TRUE(simulator.setDeviceNumber(deviceNumber));
    SysexMessage request;
    Fs1rSysexProtocol::createParameterRequest(request);
    request.setDeviceNumber(deviceNumber);
    for (PackedAddress address : Fs1rSysexProtocol::probeAddresses()) {
        request.setAddressAndValue(address, 0);
        const Bytes answer = exchange(request.bytes());
        SysexReadState state(answer);
        ASSERT_EQ(protocol.parameterChange().matchAndRead(state, sink, 0), SysexParseResult::success) << address;
        EXPECT_EQ(state.deviceNumber, deviceNumber);
        EXPECT_EQ(state.address, address);
    }
}

} // namespace
