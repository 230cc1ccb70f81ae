#include "MidiTestSupport.h"

#include <algorithm>
#include <atomic>
#include <ostream>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

class MidiTransferTest : public LoopbackTest {
protected:
    void SetUp() override
    {
        LoopbackTest::SetUp();
        backend->addPortPair("FS1R");
    }
};

// Each long message owns a copy of its bytes: a sender that reuses its buffer
// at once must not change what went before.
TEST_F(MidiTransferTest, BackToBackSysexSendsStayWhole)
{
    MidiInPort in(fs1rMaxSysex, recorder, recorder);
    MidiOutPort out(recorder);
    ASSERT_EQ(in.open(device("FS1R")), MidiPortError::ok);
    ASSERT_EQ(out.open(device("FS1R", MidiDeviceKind::output)), MidiPortError::ok);
    std::vector<std::vector<std::uint8_t>> sent;
    std::vector<std::uint8_t> buffer;
    for (std::uint8_t i = 0; i < 20; ++i) {
        buffer = sysex(400 + i, i);
        out.sendLong(buffer.data(), buffer.size());
        sent.push_back(buffer);
        std::fill(buffer.begin(), buffer.end(), 0x55);
    }
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_EQ(recorder.messages(), sent);
}

TEST_F(MidiTransferTest, PeerGetsWhatTheOutputSendsAndCanAnswerOnTheInput)
{
    std::vector<std::uint8_t> received;
    backend->addPortPair("Instrument", [&](const std::uint8_t* bytes, std::size_t size) {
        received.insert(received.end(), bytes, bytes + size);
        if (received.back() == 0xF7) {
            const auto answer = sysex(30, 9);
            backend->inject("Instrument", answer.data(), answer.size());
        }
    });
    MidiInPort in(fs1rMaxSysex, recorder, recorder);
    MidiOutPort out(recorder);
    ASSERT_EQ(in.open(device("Instrument")), MidiPortError::ok);
    ASSERT_EQ(out.open(device("Instrument", MidiDeviceKind::output)), MidiPortError::ok);
    const auto request = sysex(700, 1);
    out.sendLong(request.data(), request.size());
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_EQ(received, request);
    EXPECT_EQ(recorder.messages(), std::vector<std::vector<std::uint8_t>>{sysex(30, 9)});
}

TEST_F(MidiTransferTest, OutputCanFeedAnotherPairsInput)
{
    backend->addPortPair("Keyboard");
    backend->connect("Keyboard", "FS1R");
    MidiInPort in(fs1rMaxSysex, recorder, recorder);
    MidiOutPort out(recorder);
    ASSERT_EQ(in.open(device("FS1R")), MidiPortError::ok);
    ASSERT_EQ(out.open(device("Keyboard", MidiDeviceKind::output)), MidiPortError::ok);
    recorder.clear();
    out.sendShort({0x91, 64, 1});
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_EQ(recorder.events(), std::vector<std::string>{"short Note on CH2 64 1"});
}

// A dump still going out at the wire rate must not hold up closing for
// longer than the bound; the rest is dropped and said so.
TEST_F(MidiTransferTest, ClosingWhileSendingReturnsWithinTheBound)
{
    std::atomic<std::size_t> received = 0;
    backend->addPortPair("Slow", [&](const std::uint8_t*, std::size_t size) { received += size; });
    backend->setPaced("Slow", true);
    MidiOutPort out(recorder);
    ASSERT_EQ(out.open(device("Slow", MidiDeviceKind::output)), MidiPortError::ok);
    const auto dump = sysex(fs1rMaxSysex); // 8.2 s on the wire
    out.sendLong(dump.data(), dump.size());
    const auto started = std::chrono::steady_clock::now();
    out.close();
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_GE(took, MidiOutPort::closeLimit - 50ms);
    EXPECT_LT(took, MidiOutPort::closeLimit + 1s);
    EXPECT_LT(received.load(), dump.size());
    EXPECT_EQ(recorder.events().back(), "error Slow: Closed before everything was sent; the rest is dropped.");
    EXPECT_TRUE(backend->waitUntilIdle(100ms));
}

TEST_F(MidiTransferTest, ClosingWaitsForAShortSendToFinish)
{
    std::atomic<std::size_t> received = 0;
    backend->addPortPair("Slow", [&](const std::uint8_t*, std::size_t size) { received += size; });
    backend->setPaced("Slow", true);
    MidiOutPort out(recorder);
    ASSERT_EQ(out.open(device("Slow", MidiDeviceKind::output)), MidiPortError::ok);
    const auto voice = sysex(608);
    out.sendLong(voice.data(), voice.size());
    out.close();
    EXPECT_EQ(received.load(), voice.size());
}

// What a paced output is given to send, and how often its writer stalls
// (0: never; it returns at once).
struct PacedSends {
    const char* name;
    std::size_t messageCount;
    std::size_t messageSize;
    std::size_t stallEvery;
};

void PrintTo(const PacedSends& sends, std::ostream* out) { *out << sends.name; }

class PacedOutputTest : public MidiTransferTest, public ::testing::WithParamInterface<PacedSends> {};

// The editor counts on the wire's rate to know when an answer is due. A
// writer that is never late must not let the output run ahead of the wire:
// a write goes out only once the wire is at most one piece (256 bytes)
// behind the bytes written before it. On a busy machine the sending thread
// runs late now and then: stalls shorter than the wire time of the messages
// between them must not slow the sends, as waits of a fixed length after each
// write would.
TEST_P(PacedOutputTest, KeepsToTheWireRate)
{
    using Clock = std::chrono::steady_clock;
    constexpr auto wireTimePerByte = 320us; // 31,250 baud, 10 bits a byte
    constexpr auto piece = wireTimePerByte * 256;
    constexpr auto stall = 25ms;
    const PacedSends& sends = GetParam();
    // Written on the output's thread; read once it is idle.
    std::size_t writes = 0;
    std::size_t written = 0;
    Clock::duration lead{};
    Clock::time_point started;
    backend->addPortPair("Slow", [&](const std::uint8_t*, std::size_t size) {
        lead = std::max(lead, wireTimePerByte * long(written) - (Clock::now() - started));
        written += size;
        if (sends.stallEvery != 0 && ++writes % sends.stallEvery == 0)
            std::this_thread::sleep_for(stall);
    });
    backend->setPaced("Slow", true);
    MidiOutPort out(recorder);
    ASSERT_EQ(out.open(device("Slow", MidiDeviceKind::output)), MidiPortError::ok);
    const auto message = sysex(sends.messageSize);
    started = Clock::now();
    for (std::size_t i = 0; i < sends.messageCount; ++i)
        out.sendLong(message.data(), message.size());
    ASSERT_TRUE(backend->waitUntilIdle());
    const auto took = Clock::now() - started;
    EXPECT_EQ(written, sends.messageCount * sends.messageSize);
    EXPECT_LE(lead, piece);
    // 614 ms of wire time, 375 ms of it stalled: fixed waits take at least
    // 979 ms to write the last message.
    if (sends.stallEvery != 0) {
        EXPECT_LT(took, 800ms);
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, PacedOutputTest,
    ::testing::Values(PacedSends{"StallingNowAndThen", 60, 32, 4}, PacedSends{"NeverLate", 60, 32, 0},
        PacedSends{"NeverLateWithLongMessages", 3, 700, 0}),
    [](const ::testing::TestParamInfo<PacedSends>& info) { return std::string(info.param.name); });

// Once close returns, no call may reach the listener, however busy the input.
TEST_F(MidiTransferTest, ClosingWhileDataArrivesIsSafe)
{
    std::atomic<bool> stop = false;
    std::thread flood([&] {
        const std::vector<std::uint8_t> burst = {0xF0, 1, 2, 3, 0xF7, 0x90, 60, 100};
        while (!stop)
            inject("FS1R", burst);
    });
    for (int round = 0; round < 50; ++round) {
        MidiInPort in(fs1rMaxSysex, recorder, recorder);
        ASSERT_EQ(in.open(device("FS1R")), MidiPortError::ok);
        std::this_thread::sleep_for(1ms);
        in.close();
        const std::size_t seen = recorder.events().size();
        std::this_thread::sleep_for(1ms);
        EXPECT_EQ(recorder.events().size(), seen);
    }
    stop = true;
    flood.join();
    EXPECT_TRUE(backend->waitUntilIdle());
}

class ClosingListener : public MidiRecorder {
public:
    void onSysexEnd(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port) override
    {
        MidiRecorder::onSysexEnd(buffer, count, port);
        closeMidiPort(*in);
    }
    MidiInPort* in = nullptr;
};

TEST_F(MidiTransferTest, PortMayCloseFromItsOwnCallback)
{
    ClosingListener listener;
    MidiInPort in(fs1rMaxSysex, listener, listener);
    listener.in = &in;
    ASSERT_EQ(in.open(device("FS1R")), MidiPortError::ok);
    auto twoMessages = sysex(10, 1);
    const auto second = sysex(10, 2);
    twoMessages.insert(twoMessages.end(), second.begin(), second.end());
    inject("FS1R", twoMessages);
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_FALSE(in.isOpen());
    EXPECT_EQ(listener.messages().size(), 1u);
}

} // namespace
