// A parameter answer ends the wait for a dump as well: the requests queued
// behind that dump go on at once instead of waiting for it forever. A
// parameter request alone does not end it.
#include "tests/midiinterface/MidiInterfaceFixture.h"

#include <wx/app.h>
#include <wx/evtloop.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr PackedAddress voice1 = 0x400000;
constexpr PackedAddress voice2 = 0x410000;
constexpr PackedAddress voice3 = 0x420000;

class MidiInterfaceReplyWaitTest : public MidiInterfaceFixture {};

TEST_F(MidiInterfaceReplyWaitTest, ParameterAnswerSendsTheRequestQueuedBehindALostDump)
{
    connect();
    sendToWire();
    ASSERT_TRUE(midi->requestDump(voice1));
    ASSERT_TRUE(midi->requestDump(voice2));
    ASSERT_TRUE(midi->requestParameter(0x400005));
    // The parameter's answer comes; the first dump never does.
    inject(SimulatorConnection::defaultPortName, {0xF0, 0x43, 0x10, 0x5E, 0x40, 0x00, 0x05, 0x00, 0x11, 0xF7});
    settle();
    EXPECT_EQ(device.map.findEntry(0x400005)->value(), 0x11u);
    EXPECT_EQ(midi->queuedDumpRequests(), 0u);
    EXPECT_EQ(device.waitingFor, (std::vector<PackedAddress>{voice1, voice2}));
    EXPECT_TRUE(midi->isWaitingForReply()) << "the second request has its own reply window";

    ASSERT_TRUE(pumpEventsUntil([&] { return device.aborts.size() == 1; }, 3s));
    EXPECT_TRUE(log.contains("MIDI IN: TIMEOUT - Dump abort"));
}

// Were the request to take the dump's place, the next dump request would go
// out at once, overlapping a dump still to come.
TEST_F(MidiInterfaceReplyWaitTest, AParameterRequestKeepsTheAwaitedDumpAwaited)
{
    connect();
    sendToWire();
    ASSERT_TRUE(midi->requestDump(voice1));
    ASSERT_TRUE(midi->requestParameter(0x400005));
    settle();
    EXPECT_TRUE(midi->isDumpRequested(voice1));
    ASSERT_TRUE(midi->requestDump(voice2));
    ASSERT_TRUE(midi->requestDump(voice3));
    EXPECT_EQ(midi->queuedDumpRequests(), 2u) << "sent one at a time, after the first";
    EXPECT_EQ(device.waitingFor, (std::vector<PackedAddress>{voice1}));
}

// The GUI thread busy for longer than the reply window while the answer
// waits in its queue: the answer came in time, so no failure is reported.
TEST_F(MidiInterfaceReplyWaitTest, AnAnswerQueuedBehindABusyMomentIsNoTimeout)
{
    connect();
    ASSERT_TRUE(midi->requestDump(voice1));
    const auto windowOver = std::chrono::steady_clock::now() + MidiInterface::replyTimeout + 100ms;
    while (std::chrono::steady_clock::now() < windowOver || !wxAppConsole::GetInstance()->HasPendingEvents())
        std::this_thread::sleep_for(10ms);
    // As the program's own event loop does after a busy moment, the expired
    // timer goes before the messages waiting in the queue.
    wxEventLoopBase::GetActive()->DispatchTimeout(0);
    ASSERT_TRUE(pumpEventsUntil([&] { return !device.dumpsReceived.empty(); }, 3s));
    settle();
    EXPECT_TRUE(device.aborts.empty());
    EXPECT_FALSE(log.contains("MIDI IN: TIMEOUT - Dump abort"));
}

} // namespace
