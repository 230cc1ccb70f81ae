#include "simulator/SimulatorConnection.h"

#include "midi/MidiInPort.h"
#include "midi/MidiOutPort.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <mutex>

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t largestMessage = 25643;

// Keeps every whole SysEx message an input port hands on.
class SysexRecorder : public MidiInputListener, public MidiPortLogger {
public:
    void onShortMessage(MidiMessage, MidiInPort&) override {}
    void onSysexStart(const std::uint8_t*, std::size_t, const MidiDeviceInfo&) override {}
    void onSysexData(const std::uint8_t*, std::size_t, const MidiDeviceInfo&) override {}
    void onSysexEnd(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo&) override
    {
        std::lock_guard lock(mutex_);
        messages_.emplace_back(buffer, buffer + count);
    }
    void logInfo(const MidiDeviceInfo&, const RefString&) override {}
    void logError(const MidiDeviceInfo&, const RefString&) override {}

    std::vector<Bytes> messages() const
    {
        std::lock_guard lock(mutex_);
        return messages_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Bytes> messages_;
};

MidiDeviceInfo simulatorPort(MidiDeviceKind kind)
{
    return MidiDeviceInfo(kind, 0, 0, RefString::fromUtf8(SimulatorConnection::defaultPortName));
}

Bytes request(std::uint8_t code, unsigned device, std::uint32_t address)
{
    return {0xF0, 0x43, std::uint8_t(code | device), 0x5E, std::uint8_t(address >> 16), std::uint8_t(address >> 8),
            std::uint8_t(address), 0xF7};
}

bool checksumHolds(const Bytes& dump)
{
    unsigned sum = 0;
    for (std::size_t i = 4; i + 1 < dump.size(); ++i)
        sum += dump[i];
    return sum % 128 == 0;
}

// The editor's side: ports opened on the simulator's pair of a backend made current.
class SimulatorConnectionTest : public testing::Test {
protected:
    void SetUp() override { previous_ = MidiBackend::install(backend); }
    void TearDown() override
    {
        in.close();
        out.close();
        MidiBackend::install(previous_);
    }

    void openPorts()
    {
        ASSERT_EQ(in.open(simulatorPort(MidiDeviceKind::input)), MidiPortError::ok);
        ASSERT_EQ(out.open(simulatorPort(MidiDeviceKind::output)), MidiPortError::ok);
    }

    void send(const Bytes& message) { out.sendLong(message.data(), message.size()); }

    std::shared_ptr<LoopbackMidiBackend> backend = std::make_shared<LoopbackMidiBackend>();
    SysexRecorder recorder;
    MidiInPort in{largestMessage, recorder, recorder};
    MidiOutPort out{recorder};

private:
    std::shared_ptr<MidiBackend> previous_;
};

TEST_F(SimulatorConnectionTest, RequestsSentOnThePortsAreAnsweredOnThem)
{
    SimulatorConnection connection(backend);
    openPorts();
    for (unsigned n = 0; n < 16; ++n) // a search over every device number
        send(request(0x30, n, 0x000000));
    send(request(0x20, 0, 0x610003)); // the largest dump there is
    ASSERT_TRUE(backend->waitUntilIdle());

    const auto answers = recorder.messages();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0], (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x00, 0x00, 64, 0xF7}));
    ASSERT_EQ(answers[1].size(), largestMessage);
    EXPECT_TRUE(checksumHolds(answers[1]));
    EXPECT_EQ(Bytes(answers[1].begin() + 9, answers[1].end() - 2), connection.instrument().dumpData(0x610003));
}

TEST_F(SimulatorConnectionTest, WhatTheEditorSendsReachesTheInstrumentsMemory)
{
    SimulatorConnection connection(backend);
    openPorts();
    send({0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x06, 0x00, 55, 0xF7}); // note shift
    out.sendShort(MidiMessage{0xC0, 0x05, 0x00});
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_EQ(connection.instrument().parameterValue(0x000006), 55u);
    EXPECT_EQ(connection.instrument().dumpData(0x100000), connection.instrument().dumpData(0x110005));
    EXPECT_EQ(connection.instrument().receivedShortMessages().back(), (Bytes{0xC0, 0x05}));
    EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(SimulatorConnectionTest, AtWireRateAnAnswerTakesAsLongAsItsBytesOnACable)
{
    SimulatorConnection connection(backend, SimulatorConnection::defaultPortName, true);
    openPorts();
    const auto start = std::chrono::steady_clock::now();
    send(request(0x20, 0, 0x400000));
    ASSERT_TRUE(backend->waitUntilIdle());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(recorder.messages().size(), 1u);
    // The 619 bytes of the answer at 320 microseconds a byte at least.
    EXPECT_GE(elapsed, 619 * 320us);
}

TEST_F(SimulatorConnectionTest, AnUnpluggedInstrumentIsGoneAndSilent)
{
    auto connection = std::make_unique<SimulatorConnection>(backend);
    openPorts();
    connection.reset();
    send(request(0x30, 0, 0x000000));
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_TRUE(backend->inputs().empty());
}

TEST_F(SimulatorConnectionTest, TheSimulatorChoiceStartsWithTheInstrumentAttached)
{
    SimulatorConnection::registerBackend();
    ::setenv("QUORVIN_MIDI", SimulatorConnection::backendChoice, 1);
    MidiBackend::install(nullptr);
    const auto chosen = std::dynamic_pointer_cast<LoopbackMidiBackend>(MidiBackend::current());
    ::unsetenv("QUORVIN_MIDI");
    ASSERT_TRUE(chosen);
    ASSERT_EQ(chosen->inputs().size(), 1u);
    EXPECT_EQ(chosen->inputs()[0].name, SimulatorConnection::defaultPortName);

    openPorts();
    send(request(0x30, 0, 0x000006));
    ASSERT_TRUE(chosen->waitUntilIdle());
    EXPECT_EQ(recorder.messages().size(), 1u);
}

} // namespace
