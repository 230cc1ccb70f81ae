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

constexpr PackedAddress editBufferDumps[] = {0x000000, 0x100000, 0x400000, 0x410000, 0x420000, 0x430000, 0x600000};
constexpr std::size_t lengthCodeOffset = 0x1B;
constexpr std::uint8_t longestLengthCode = 3;

class SimulatorCrossCheck : public testing::Test {
protected:
    SimulatorCrossCheck()
    {
        EXPECT_TRUE(L::buildAddressMap(map));
        // As if every byte had a parameter of its own.
        for (const Fs1rMemoryPage& page : L::pages())
            for (std::uint32_t i = 0; i < page.size; ++i)
                map.createEntry(addToPackedAddress(page.parameterAddress, i)).growTo(1);
    }

    // The simulator's last answer to the message, empty for none.
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

    SysexParseResult readDump(const Bytes& dump, PackedAddress address)
    {
        SysexReadState state(dump);
        const SysexParseResult matched = protocol.bulkDump().match(state);
        if (matched != SysexParseResult::success)
            return matched;
        EXPECT_EQ(state.address, address);
        return protocol.bulkDump().readData(state, sink, 0);
    }

    SysexParseResult readParameterChange(const Bytes& message)
    {
        SysexReadState state(message);
        return protocol.parameterChange().matchAndRead(state, sink, 0);
    }

    std::uint32_t dumpSize(PackedAddress address) const
    {
        if (address == L::systemDumpAddress)
            return L::systemDumpSize;
        if (address == L::performanceDumpAddress)
            return L::performanceDumpSize;
        if (address == L::fseqDumpAddress)
            return L::fseqDumpSize(L::fseqFrames(map.findEntry(L::fseqLengthCodeAddress)->value()));
        return L::voiceDumpSize;
    }

    // The edit buffer at the address as the map holds it.
    Bytes buildDump(PackedAddress address)
    {
        const std::uint32_t size = dumpSize(address);
        Bytes dump(protocol.bulkDump().dumpLength(size));
        dump.resize(protocol.bulkDump().build(dump, 0, address, size, sink, address, L::countDivisor(address)));
        return dump;
    }

    AddressMap map{L::pageCapacity};
    AddressMapDataSink sink{map};
    Fs1rSysexProtocol protocol;
    std::vector<Bytes> answers;
    SimulatedFs1r simulator{[this](const std::uint8_t* data, std::size_t size) { answers.emplace_back(data, data + size); }};
};

PackedAddress dumpHolding(const Fs1rMemoryPage& page)
{
    PackedAddress holder = editBufferDumps[0];
    for (PackedAddress address : editBufferDumps)
        if (address <= page.dumpAddress)
            holder = address;
    return holder;
}

TEST_F(SimulatorCrossCheck, TheSimulatorsDumpsReadIntoTheMapAndBuildBackByteForByte)
{
    for (PackedAddress address : editBufferDumps) {
        SCOPED_TRACE(testing::Message() << std::hex << address);
        const Bytes dump = requestDump(address);
        ASSERT_EQ(readDump(dump, address), SysexParseResult::success);
        EXPECT_EQ(buildDump(address), dump);
    }
}

TEST_F(SimulatorCrossCheck, DumpsBuiltFromTheMapAreAcceptedByTheSimulator)
{
    for (PackedAddress address : editBufferDumps) {
        SCOPED_TRACE(testing::Message() << std::hex << address);
        // The longest sequence, whose byte count fits only when halved.
        Bytes data(address == L::fseqDumpAddress ? L::fseqDumpSize(L::fseqMaxFrames) : dumpSize(address));
        for (std::size_t n = 0; n < data.size(); ++n)
            data[n] = std::uint8_t((n * 29 + (address >> 16)) & 0x7F);
        if (address == L::fseqDumpAddress)
            data[lengthCodeOffset] = longestLengthCode;
        ASSERT_EQ(readDump(SimulatorCodec::bulkDump(0, address, data, L::countDivisor(address)), address),
            SysexParseResult::success);
        exchange(buildDump(address));
        EXPECT_EQ(simulator.rejectedDumpCount(), 0u);
        EXPECT_EQ(simulator.dumpData(address), data);
    }
}

// A page whose dump offset were wrong would put the edit into another byte
// of its dump than the simulator does.
TEST_F(SimulatorCrossCheck, EditsAtEveryPagesEndsLandInTheSameDumpByteOnBothSides)
{
    // The longest sequence first, so that every frame is in its dump.
    ASSERT_TRUE(simulator.editParameter(L::fseqLengthCodeAddress, longestLengthCode));
    for (PackedAddress address : editBufferDumps)
        ASSERT_EQ(readDump(requestDump(address), address), SysexParseResult::success);

    SysexMessage change;
    Fs1rSysexProtocol::createParameterChange(change);
    for (const Fs1rMemoryPage& page : L::pages()) {
        const PackedAddress first = page.parameterAddress;
        const PackedAddress last = addToPackedAddress(first, page.size - 1);
        SCOPED_TRACE(testing::Message() << std::hex << first);
        // The first byte is edited on the instrument, the last in the editor.
        answers.clear();
        ASSERT_TRUE(simulator.editParameter(first, (map.findEntry(first)->value() + 1) & 0x7F));
        ASSERT_EQ(readParameterChange(answers.back()), SysexParseResult::success);
        const std::uint32_t value = (map.findEntry(last)->value() + 1) & 0x7F;
        map.setValue(last, value, 0);
        change.setAddressAndValue(last, std::int32_t(value));
        exchange(change.bytes());
        EXPECT_EQ(simulator.parameterValue(last), value);

        const PackedAddress dump = dumpHolding(page);
        EXPECT_EQ(buildDump(dump), requestDump(dump));
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
