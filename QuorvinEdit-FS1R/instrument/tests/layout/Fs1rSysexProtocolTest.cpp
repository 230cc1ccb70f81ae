#include "instrument/Fs1rSysexProtocol.h"

#include "sysex/AddressMap.h"
#include "sysex/AddressMapDataSink.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::span<const std::uint8_t> bytes)
{
    return {bytes.begin(), bytes.end()};
}

TEST(Fs1rSysexProtocol, TemplatesHoldTheirBytesAndOnlyDumpsACheckSum)
{
    const Fs1rSysexProtocol protocol;
    EXPECT_EQ(bytesOf(protocol.bulkDump().bytes()), (Bytes{0x43, 0x00, 0x5E, 0x81, 0x81, 0x80, 0x80, 0x80}));
    EXPECT_EQ(protocol.bulkDump().checksumMode(), SysexTemplate::oneChecksumByte);
    EXPECT_EQ(bytesOf(protocol.parameterChange().bytes()), (Bytes{0x43, 0x10, 0x5E, 0x80, 0x80, 0x80, 0x82, 0x82}));
    EXPECT_EQ(protocol.parameterChange().checksumMode(), SysexTemplate::noChecksum);
    EXPECT_EQ(Fs1rSysexProtocol::dumpOverhead, 11);
    EXPECT_EQ(Fs1rSysexProtocol::maxSysexSize, 25643);
}

TEST(Fs1rSysexProtocol, PrebuiltMessagesCarryDeviceNumberAddressAndValue)
{
    SysexMessage change, request, dumpRequest;
    Fs1rSysexProtocol::createParameterChange(change);
    Fs1rSysexProtocol::createParameterRequest(request);
    Fs1rSysexProtocol::createDumpRequest(dumpRequest);
    for (SysexMessage* message : {&change, &request, &dumpRequest}) {
        message->setDeviceNumber(5);
        message->setAddressAndValue(0x100015, 200);
    }
    EXPECT_EQ(bytesOf(change.bytes()), (Bytes{0xF0, 0x43, 0x15, 0x5E, 0x10, 0x00, 0x15, 0x01, 0x48, 0xF7}));
    EXPECT_EQ(bytesOf(request.bytes()), (Bytes{0xF0, 0x43, 0x35, 0x5E, 0x10, 0x00, 0x15, 0xF7}));
    EXPECT_EQ(bytesOf(dumpRequest.bytes()), (Bytes{0xF0, 0x43, 0x25, 0x5E, 0x10, 0x00, 0x15, 0xF7}));
}

TEST(Fs1rSysexProtocol, ParameterChangesOfAnyDeviceNumberAreTakenIn)
{
    const Fs1rSysexProtocol protocol;
    AddressMap map(1);
    map.addPage(0x100000, 0x20);
    map.createEntry(0x100015).growTo(2);
    AddressMapDataSink sink(map);
    const Bytes message{0xF0, 0x43, 0x1A, 0x5E, 0x10, 0x00, 0x15, 0x01, 0x48, 0xF7};
    SysexReadState state(message);
    ASSERT_EQ(protocol.parameterChange().matchAndRead(state, sink, 0), SysexParseResult::success);
    EXPECT_EQ(state.deviceNumber, 10);
    EXPECT_EQ(map.findEntry(0x100015)->value(), 200u);
    // A dump request is not a parameter change.
    const Bytes request{0xF0, 0x43, 0x2A, 0x5E, 0x10, 0x00, 0x15, 0xF7};
    SysexReadState other(request);
    EXPECT_EQ(protocol.parameterChange().match(other), SysexParseResult::literalMismatch);
}

TEST(Fs1rSysexProtocol, TheConnectionIsProbedAtTheFirstOfThirtyThreeSystemAddresses)
{
    const std::vector<PackedAddress>& probes = Fs1rSysexProtocol::probeAddresses();
    ASSERT_EQ(probes.size(), 33u);
    EXPECT_EQ(probes.front(), 0x000000u);
    EXPECT_EQ(probes[7], 0x00000Eu);
    EXPECT_EQ(probes[8], 0x000011u);
    EXPECT_EQ(probes.back(), 0x000029u);
}

} // namespace
