// What the interface sends, and what it refuses to send.
#include "tests/midiinterface/MidiInterfaceFixture.h"

#include "sysex/AddressEntry.h"
#include "sysex/AddressMapDataSink.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class MidiInterfaceSendTest : public MidiInterfaceFixture {};

TEST_F(MidiInterfaceSendTest, RequestsWithoutAnOutputAreRefusedAndRegisterNoCallback)
{
    protocol.setUp(*midi);
    RecordingDumpCallback callback;
    EXPECT_FALSE(midi->requestDump(0x400000, &callback));
    EXPECT_FALSE(midi->requestParameter(0x000047));
    EXPECT_TRUE(log.contains("MIDI OUT: Request dump at 400000 (No MIDI OUT)"));
    EXPECT_TRUE(log.contains("MIDI OUT: Request parameter data at 47 (No MIDI OUT)"));
    EXPECT_FALSE(midi->isWaitingForReply());

    // A later dump of that address must not reach a callback that was refused.
    connect();
    ASSERT_TRUE(midi->requestDump(0x400000));
    ASSERT_TRUE(pumpEventsUntil([&] { return device.dumpsReceived.size() == 1; }));
    EXPECT_TRUE(callback.done.empty());
}

TEST_F(MidiInterfaceSendTest, InvalidAddressesAndStatusBytesSendNothing)
{
    connect();
    sendToWire();
    const AddressEntry outside(0x10008000, false);
    midi->sendParameterChange(outside, RefString(u"Outside"));
    RecordingDumpCallback callback;
    EXPECT_FALSE(midi->requestDump(0x00800000, &callback));
    EXPECT_FALSE(midi->requestParameter(0x80000000));
    midi->sendShortMessage({0x40, 1, 2});

    EXPECT_TRUE(log.contains("MIDI ERROR: SEND SYSEX ERROR: Invalid address"));
    EXPECT_TRUE(log.contains("MIDI ERROR: RQ DATA ERROR: invalid parameter address 800000"));
    EXPECT_TRUE(log.contains("MIDI ERROR: RQ DATA ERROR: invalid parameter address 80000000"));
    EXPECT_TRUE(log.contains("MIDI ERROR: SEND COMMAND ERROR: Invalid status byte"));
    EXPECT_TRUE(wireBytes().empty());
    EXPECT_FALSE(midi->isWaitingForReply());
}

TEST_F(MidiInterfaceSendTest, ParameterChangeCarriesTheEntrysWholeValue)
{
    connect();
    sendToWire();
    AddressEntry& entry = device.map.createEntry(0x100016);
    entry.growTo(2);
    entry.storeValue(0x1234);
    midi->sendParameterChange(entry, RefString(u"Fseq bank"));
    EXPECT_EQ(wireBytes(), (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x16, 0x24, 0x34, 0xF7}));
    EXPECT_TRUE(log.contains("MIDI OUT: (100016)Fseq bank = 4660"));
}

TEST_F(MidiInterfaceSendTest, DeviceIdGoesIntoTheLowNibbleOfEveryPrebuiltMessage)
{
    protocol.setUp(*midi);
    midi->setDeviceId(5);
    EXPECT_EQ(midi->parameterChangeMessage().bytes()[2], 0x15);
    EXPECT_EQ(midi->parameterRequestMessage().bytes()[2], 0x35);
    EXPECT_EQ(midi->dumpRequestMessage().bytes()[2], 0x25);

    // A settings file may hold anything; a number the instrument cannot
    // have must not spill into the message's high nibble.
    midi->setDeviceId(21);
    EXPECT_EQ(midi->deviceId(), 0);
    EXPECT_EQ(midi->dumpRequestMessage().bytes()[2], 0x20);
}

TEST_F(MidiInterfaceSendTest, RequestsCarryTheDeviceIdAndStartTheReplyTimer)
{
    connect();
    sendToWire();
    midi->setDeviceId(3);
    ASSERT_TRUE(midi->requestParameter(0x000047));
    EXPECT_TRUE(midi->isWaitingForReply());
    ASSERT_TRUE(midi->requestDump(0x100000));
    EXPECT_EQ(wireBytes(), (Bytes{0xF0, 0x43, 0x33, 0x5E, 0x00, 0x00, 0x47, 0xF7, //
                               0xF0, 0x43, 0x23, 0x5E, 0x10, 0x00, 0x00, 0xF7}));
    EXPECT_EQ(device.waitingFor, std::vector<PackedAddress>{0x100000});
    EXPECT_TRUE(midi->isWaitingForReply());
}

TEST_F(MidiInterfaceSendTest, ShortMessagesGoToTheGivenPortOrTheInstrument)
{
    connect();
    midi->sendShortMessage({0xC0, 5, 0});
    settle();
    const auto received = instrument().receivedShortMessages();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], (Bytes{0xC0, 5}));

    MidiOutPort* closed = &midi->createOutPort();
    midi->sendShortMessage({0xB0, 7, 100}, closed);
    EXPECT_TRUE(log.contains("MIDI OUT: Control CH1 7 100 (No MIDI OUT)"));
}

TEST_F(MidiInterfaceSendTest, DumpBuiltFromMemoryIsAcceptedByTheInstrument)
{
    connect();
    for (std::uint32_t i = 0; i < 112; ++i)
        device.map.findEntry(addToPackedAddress(0x400000, i))->storeValue((i * 7) & 0x7F);
    AddressMapDataSink source(device.map);
    ASSERT_TRUE(midi->sendDump(0x400000, 608, source, 0x400000));
    settle();
    EXPECT_EQ(instrument().rejectedDumpCount(), 0u);
    const Bytes data = instrument().dumpData(0x400000);
    ASSERT_EQ(data.size(), 608u);
    for (std::uint32_t i = 0; i < 112; ++i)
        EXPECT_EQ(data[i], (i * 7) & 0x7F) << i;
}

TEST_F(MidiInterfaceSendTest, DumpThatCannotBeBuiltSendsNothing)
{
    connect();
    sendToWire();
    AddressMapDataSink source(device.map);
    // Larger than the send buffer, which holds the largest message.
    EXPECT_FALSE(midi->sendDump(0x600000, 30000, source, 0x600000));
    midi->closeAllPorts();
    EXPECT_FALSE(midi->sendDump(0x400000, 608, source, 0x400000));
    EXPECT_TRUE(wireBytes().empty());
}

} // namespace
