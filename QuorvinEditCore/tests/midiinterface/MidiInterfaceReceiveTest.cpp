// What the interface does with the instrument's answers, on the GUI thread:
// checked dumps into memory, parameter changes, time-outs and the probe.
#include "tests/midiinterface/MidiInterfaceFixture.h"

#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"

#include <map>

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr PackedAddress voice1 = 0x400000;
constexpr PackedAddress voice2 = 0x410000;
constexpr std::size_t voiceDumpSize = 619;

// Counts how often each entry told its listeners, and with which flags.
class EntryNotifications : public AddressEntryListener {
public:
    void entryChanged(AddressEntry& entry, std::uint32_t flags) override
    {
        ++counts[entry.address()];
        lastFlags = flags;
    }
    std::map<PackedAddress, int> counts;
    std::uint32_t lastFlags = 0;
};

// The parameter addresses of a voice dump: the common block and 8 operators.
std::vector<PackedAddress> voiceAddresses(std::uint32_t voice)
{
    std::vector<PackedAddress> addresses;
    for (std::uint32_t i = 0; i < 112; ++i)
        addresses.push_back(addToPackedAddress(0x400000 + voice * 0x010000, i));
    for (std::uint32_t op = 0; op < 8; ++op) {
        for (std::uint32_t i = 0; i < 62; ++i)
            addresses.push_back(addToPackedAddress(0x600000 + voice * 0x010000 + op * 0x100, i));
    }
    return addresses;
}

class MidiInterfaceReceiveTest : public MidiInterfaceFixture {
protected:
    std::shared_ptr<EntryNotifications> listenToVoice(std::uint32_t voice)
    {
        auto listener = std::make_shared<EntryNotifications>();
        for (PackedAddress address : voiceAddresses(voice))
            device.map.findEntry(address)->addListener(listener);
        return listener;
    }

    Bytes voiceInMemory(std::uint32_t voice) const
    {
        Bytes bytes;
        for (PackedAddress address : voiceAddresses(voice))
            bytes.push_back(std::uint8_t(device.map.findEntry(address)->value()));
        return bytes;
    }

    bool dumpsArrived(std::size_t count)
    {
        return pumpEventsUntil([&] { return device.dumpsReceived.size() >= count; });
    }
};

TEST_F(MidiInterfaceReceiveTest, RequestedDumpFillsMemoryAndTellsEachEntryOnce)
{
    connect();
    const auto notified = listenToVoice(0);
    RecordingDumpCallback callback;
    ASSERT_TRUE(midi->requestDump(voice1, &callback));
    ASSERT_TRUE(dumpsArrived(1));

    EXPECT_EQ(voiceInMemory(0), instrument().dumpData(voice1));
    ASSERT_EQ(notified->counts.size(), 608u);
    for (const auto& [address, count] : notified->counts)
        EXPECT_EQ(count, 1) << std::hex << address;
    // Dump bytes are stored already: the entries do not ask to store again.
    EXPECT_EQ(notified->lastFlags, flagsSysexReceived & ~SetValueFlag::storeBoundData);

    EXPECT_EQ(device.dumpsReceived[0], std::make_pair(voice1, voiceDumpSize));
    EXPECT_EQ(callback.done, std::vector<PackedAddress>{voice1});
    EXPECT_EQ(device.waitingFor, std::vector<PackedAddress>{voice1});
    ASSERT_EQ(device.receiving.size(), 1u);
    EXPECT_EQ(device.receiving[0], std::make_pair(voice1, std::int32_t(voiceDumpSize)));
    // The instrument needs no time after sending: the wait ends at once.
    EXPECT_EQ(device.wait.finishes, std::vector<std::int32_t>{0});
    EXPECT_TRUE(log.contains("MIDI IN: Dump start: addr=400000 size=619"));
    EXPECT_TRUE(log.contains("MIDI IN: Dump end: addr=400000"));
    EXPECT_FALSE(midi->isWaitingForReply());
    EXPECT_EQ(device.callsOffGuiThread, 0);
}

TEST_F(MidiInterfaceReceiveTest, LargestDumpArrivesWholeAndMovesTheGaugeWithinItsRange)
{
    connect();
    constexpr PackedAddress fseqLengthCode = 0x70001B;
    constexpr unsigned longestSequence = 3;
    ASSERT_TRUE(instrument().editParameter(fseqLengthCode, longestSequence));
    ASSERT_TRUE(midi->requestDump(0x600000));
    ASSERT_TRUE(dumpsArrived(1));
    const Bytes expected = instrument().dumpData(0x600000);
    ASSERT_EQ(expected.size(), 25632u);
    EXPECT_EQ(device.dumpsReceived[0].second, 25643u);
    std::size_t differing = 0;
    for (std::uint32_t i = 0; i < expected.size(); ++i)
        differing += device.map.findEntry(addToPackedAddress(0x700000, i))->value() != expected[i] ? 1 : 0;
    EXPECT_EQ(differing, 0u);
    ASSERT_FALSE(device.wait.progress.empty());
    for (std::int32_t value : device.wait.progress)
        EXPECT_LE(value, device.receiving[0].second);
}

TEST_F(MidiInterfaceReceiveTest, DumpsAskedOneAfterAnotherEndTheWaitOnceWithTheLast)
{
    connect();
    ASSERT_TRUE(midi->requestDump(voice1));
    ASSERT_TRUE(midi->requestDump(voice2));
    EXPECT_TRUE(midi->isDumpRequested(voice1));
    EXPECT_TRUE(midi->isDumpRequested(voice2));
    ASSERT_TRUE(dumpsArrived(2));
    EXPECT_EQ(device.wait.finishes, std::vector<std::int32_t>{0});
    EXPECT_FALSE(midi->isDumpRequested(voice1));
    EXPECT_FALSE(midi->isDumpRequested(voice2));
}

TEST_F(MidiInterfaceReceiveTest, CallbacksRunOnceInOrderAndMayRequestAgain)
{
    connect();
    RecordingDumpCallback first;
    RecordingDumpCallback second;
    struct Chained : DumpCallback {
        MidiInterface* midi = nullptr;
        RecordingDumpCallback* next = nullptr;
        std::vector<PackedAddress> done;
        void dumpDone(PackedAddress address) override
        {
            done.push_back(address);
            midi->requestDump(voice2, next);
        }
    } chained;
    chained.midi = midi.get();
    chained.next = &second;

    ASSERT_TRUE(midi->requestDump(voice1, &first));
    ASSERT_TRUE(midi->requestDump(voice1, &chained));
    ASSERT_TRUE(dumpsArrived(3));
    pumpEventsFor(50ms);

    EXPECT_EQ(first.done, std::vector<PackedAddress>{voice1});
    EXPECT_EQ(chained.done, std::vector<PackedAddress>{voice1});
    EXPECT_EQ(second.done, std::vector<PackedAddress>{voice2});
    // The chained request went out at once; the queued second one for the
    // first voice came after it and found no callback left to run.
    ASSERT_EQ(device.dumpsReceived.size(), 3u);
    EXPECT_EQ(device.dumpsReceived[1].first, voice2);
    EXPECT_EQ(device.dumpsReceived[2].first, voice1);
}

TEST_F(MidiInterfaceReceiveTest, RequestsMadeWhileADumpIsAwaitedGoOutOneAtATime)
{
    connect();
    ASSERT_TRUE(midi->requestDump(voice1));
    ASSERT_TRUE(midi->requestDump(voice2));
    EXPECT_EQ(midi->queuedDumpRequests(), 1u);
    EXPECT_EQ(device.waitingFor, std::vector<PackedAddress>{voice1});
    ASSERT_TRUE(dumpsArrived(2));
    EXPECT_EQ(device.waitingFor, (std::vector<PackedAddress>{voice1, voice2}));
    EXPECT_EQ(device.dumpsReceived[0].first, voice1);
    EXPECT_EQ(device.dumpsReceived[1].first, voice2);
    EXPECT_EQ(voiceInMemory(1), instrument().dumpData(voice2));
}

TEST_F(MidiInterfaceReceiveTest, TimeOutEndsTheWaitAndSendsTheNextRequest)
{
    connect();
    sendToWire();
    ASSERT_TRUE(midi->requestDump(voice1));
    ASSERT_TRUE(midi->requestDump(voice2));
    ASSERT_TRUE(pumpEventsUntil([&] { return device.aborts.size() == 1; }, 3s));

    EXPECT_TRUE(log.contains("MIDI IN: TIMEOUT - Dump abort"));
    EXPECT_EQ(device.aborts[0].message, RefString(u"No response from the MIDI device."));
    EXPECT_TRUE(device.aborts[0].showFailure);
    const Bytes requests{0xF0, 0x43, 0x20, 0x5E, 0x40, 0x00, 0x00, 0xF7, //
        0xF0, 0x43, 0x20, 0x5E, 0x41, 0x00, 0x00, 0xF7};
    EXPECT_EQ(wireBytes(), requests);
    EXPECT_EQ(device.waitingFor, (std::vector<PackedAddress>{voice1, voice2}));
    // The queued request has its own reply window.
    EXPECT_TRUE(midi->isWaitingForReply());
}

TEST_F(MidiInterfaceReceiveTest, AnySysexStartEndsTheWaitForAReply)
{
    connect();
    sendToWire();
    ASSERT_TRUE(midi->requestDump(voice1));
    EXPECT_TRUE(midi->isWaitingForReply());
    // A voice dump header and a few data bytes, then the cable goes quiet.
    inject(SimulatorConnection::defaultPortName, {0xF0, 0x43, 0x00, 0x5E, 0x04, 0x60, 0x40, 0x00, 0x00, 1, 2, 3});
    ASSERT_TRUE(pumpEventsUntil([&] { return device.receiving.size() == 1; }));
    EXPECT_FALSE(midi->isWaitingForReply());
    pumpEventsFor(MidiInterface::replyTimeout + 100ms);
    EXPECT_TRUE(device.aborts.empty());
    EXPECT_FALSE(log.contains("MIDI IN: TIMEOUT - Dump abort"));
}

class CorruptDumpTest : public MidiInterfaceReceiveTest, public ::testing::WithParamInterface<SimulatedFs1r::Faults> {};

TEST_P(CorruptDumpTest, ChangesNothingFilesNothingAndRunsNoCallback)
{
    connect();
    const auto notified = listenToVoice(0);
    RecordingDumpCallback callback;
    instrument().setFaults(GetParam());
    ASSERT_TRUE(midi->requestDump(voice1, &callback));
    ASSERT_TRUE(pumpEventsUntil([&] { return !device.aborts.empty(); }));

    EXPECT_EQ(voiceInMemory(0), Bytes(608, 0));
    EXPECT_TRUE(notified->counts.empty());
    EXPECT_TRUE(device.dumpsReceived.empty());
    EXPECT_TRUE(callback.done.empty());
    EXPECT_FALSE(device.aborts[0].showFailure);
    EXPECT_TRUE(device.wait.finishes.empty());
    EXPECT_FALSE(midi->isWaitingForReply());

    // The requester still waits for a good copy, which then reaches it once.
    instrument().setFaults({});
    ASSERT_TRUE(midi->requestDump(voice1));
    ASSERT_TRUE(dumpsArrived(1));
    EXPECT_EQ(callback.done, std::vector<PackedAddress>{voice1});
    EXPECT_EQ(voiceInMemory(0), instrument().dumpData(voice1));
}

INSTANTIATE_TEST_SUITE_P(Faults, CorruptDumpTest,
    ::testing::Values(SimulatedFs1r::Faults{.badChecksum = true}, SimulatedFs1r::Faults{.truncatedDump = true}));

TEST_F(MidiInterfaceReceiveTest, ReceivedParameterChangeUpdatesItsEntryAndSendsNothingBack)
{
    connect();
    const auto notified = listenToVoice(0);
    log.clear();
    ASSERT_TRUE(instrument().editParameter(0x400005, 77));
    ASSERT_TRUE(pumpEventsUntil([&] { return notified->counts[0x400005] == 1; }));
    EXPECT_EQ(device.map.findEntry(0x400005)->value(), 77u);
    EXPECT_EQ(notified->counts.size(), 1u);
    EXPECT_EQ(notified->lastFlags & SetValueFlag::sendToInstrument, 0u);
    for (const std::string& line : log.texts())
        EXPECT_EQ(line.find("MIDI OUT"), std::string::npos) << line;
}

TEST_F(MidiInterfaceReceiveTest, ParameterChangeEndsTheWaitWhateverReplyWasAwaited)
{
    connect();
    sendToWire();
    ASSERT_TRUE(midi->requestDump(voice1));
    // A knob turned on the instrument while the editor waits for a dump.
    inject(SimulatorConnection::defaultPortName, {0xF0, 0x43, 0x10, 0x5E, 0x40, 0x00, 0x05, 0x00, 0x11, 0xF7});
    settle();
    EXPECT_EQ(device.map.findEntry(0x400005)->value(), 0x11u);
    EXPECT_FALSE(midi->isWaitingForReply());
}

TEST_F(MidiInterfaceReceiveTest, SysexFromAnyInputIsMatchedAndNeverPassedThrough)
{
    connect();
    ASSERT_EQ(midi->openKeyboardInput(0, portInfo(MidiDeviceKind::input, keyboardPort)), MidiPortError::ok);
    inject(keyboardPort, {0xF0, 0x43, 0x10, 0x5E, 0x40, 0x00, 0x06, 0x00, 0x22, 0xF7});
    inject(keyboardPort, {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7});
    settle();
    EXPECT_EQ(device.map.findEntry(0x400006)->value(), 0x22u);
    EXPECT_TRUE(instrument().receivedShortMessages().empty());
}

TEST_F(MidiInterfaceReceiveTest, AnsweredProbeConnectsAfterTheInstrumentSettled)
{
    connect();
    midi->probeConnection();
    EXPECT_TRUE(midi->isProbing());
    ASSERT_TRUE(pumpEventsUntil([&] { return !midi->isProbing(); }));
    EXPECT_EQ(device.connected, 0);
    ASSERT_TRUE(pumpEventsUntil([&] { return device.connected == 1; }));
    EXPECT_TRUE(log.contains("Communication OK"));
    EXPECT_EQ(device.communicationNok, 0);
    pumpEventsFor(MidiInterface::replyTimeout + 100ms);
    EXPECT_EQ(device.communicationNok, 0);
    EXPECT_TRUE(device.aborts.empty());
}

TEST_F(MidiInterfaceReceiveTest, UnaskedDumpWhileProbingLeavesNoTimeOutAfterTheConnection)
{
    connect();
    sendToWire();
    ASSERT_EQ(midi->openKeyboardInput(0, portInfo(MidiDeviceKind::input, keyboardPort)), MidiPortError::ok);
    ASSERT_EQ(midi->openKeyboardInput(1, portInfo(MidiDeviceKind::input, sparePort)), MidiPortError::ok);
    midi->probeConnection();
    inject(keyboardPort, {0xF0, 0x43, 0x00, 0x5E, 0x04, 0x60, 0x40, 0x00, 0x00, 1, 2, 3});
    settle();
    // The probe's answer.
    inject(sparePort, {0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x47, 0x00, 0x01, 0xF7});
    ASSERT_TRUE(pumpEventsUntil([&] { return device.connected == 1; }));
    pumpEventsFor(MidiInterface::replyTimeout + 100ms);
    EXPECT_TRUE(device.aborts.empty());
    EXPECT_FALSE(log.contains("MIDI IN: TIMEOUT - Dump abort"));
    EXPECT_EQ(device.communicationNok, 0);
}

TEST_F(MidiInterfaceReceiveTest, UnansweredProbeReportsFailureAndSendsNothingMore)
{
    connect();
    sendToWire();
    midi->probeConnection();
    ASSERT_TRUE(pumpEventsUntil([&] { return device.communicationNok == 1; }, 3s));
    EXPECT_FALSE(midi->isProbing());
    EXPECT_EQ(device.connected, 0);
    EXPECT_TRUE(device.aborts.empty());
    EXPECT_FALSE(log.contains("MIDI IN: TIMEOUT - Dump abort"));
    EXPECT_EQ(wireBytes(), (Bytes{0xF0, 0x43, 0x30, 0x5E, 0x00, 0x00, 0x47, 0xF7}));
}

TEST_F(MidiInterfaceReceiveTest, ProbeWithoutAnOutputEndsInTheTimeOut)
{
    protocol.setUp(*midi);
    midi->probeConnection();
    ASSERT_TRUE(pumpEventsUntil([&] { return device.communicationNok == 1; }, 3s));
}

} // namespace
