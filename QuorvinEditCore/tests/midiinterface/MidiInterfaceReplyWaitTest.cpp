// A parameter request made while a dump is awaited: its answer must not end
// the wait for the dump, which still times out and lets the queue go on.
#include "tests/midiinterface/MidiInterfaceFixture.h"

namespace {

using namespace std::chrono_literals;

constexpr PackedAddress voice1 = 0x400000;
constexpr PackedAddress voice2 = 0x410000;

class MidiInterfaceReplyWaitTest : public MidiInterfaceFixture {};

TEST_F(MidiInterfaceReplyWaitTest, ParameterAnswerDoesNotEndTheWaitForALostDump)
{
    connect();
    sendToWire();
    ASSERT_TRUE(midi->requestDump(voice1));
    ASSERT_TRUE(midi->requestDump(voice2));
    ASSERT_TRUE(midi->requestParameter(0x400005));
    // The parameter's answer comes; the dump never does.
    inject(SimulatorConnection::defaultPortName, {0xF0, 0x43, 0x10, 0x5E, 0x40, 0x00, 0x05, 0x00, 0x11, 0xF7});
    settle();
    EXPECT_EQ(device.map.findEntry(0x400005)->value(), 0x11u);
    EXPECT_TRUE(midi->isWaitingForReply());

    ASSERT_TRUE(pumpEventsUntil([&] { return device.aborts.size() == 1; }, 3s));
    EXPECT_TRUE(log.contains("MIDI IN: TIMEOUT - Dump abort"));
    EXPECT_EQ(device.waitingFor, (std::vector<PackedAddress>{voice1, voice2}));
    EXPECT_EQ(midi->queuedDumpRequests(), 0u);
}

} // namespace
