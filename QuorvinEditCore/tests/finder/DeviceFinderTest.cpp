#include "tests/finder/FinderTestSupport.h"

#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiDeviceFinder.h"
#include "simulator/SimulatedFs1r.h"
#include "sysex/SysexTemplate.h"
#include "tests/support/EventPump.h"
#include "tests/support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>

namespace {

using namespace std::chrono_literals;

constexpr std::size_t requestLength = 8;

// Bytes that reached each output's far end.
class OutputRecorder {
public:
    LoopbackMidiBackend::Peer peer(const std::string& output)
    {
        return [this, output](const std::uint8_t* bytes, std::size_t size) {
            std::lock_guard lock(mutex_);
            auto& received = bytes_[output];
            received.insert(received.end(), bytes, bytes + size);
        };
    }
    std::vector<std::uint8_t> received(const std::string& output)
    {
        std::lock_guard lock(mutex_);
        return bytes_[output];
    }

private:
    std::mutex mutex_;
    std::map<std::string, std::vector<std::uint8_t>> bytes_;
};

class DeviceFinderTest : public ::testing::Test {
protected:
    DeviceFinderTest()
        : answerTemplate_(fs1r::parameterChangeBytes, SysexTemplate::noChecksum),
          previous_(MidiBackend::install(backend))
    {
        finder = std::make_unique<MidiDeviceFinder>(device);
        finder->requestMessage().create(fs1r::parameterRequestHeader, 0);
        finder->setAnswerTemplate(&answerTemplate_);
    }

    ~DeviceFinderTest() override
    {
        finder.reset();
        backend->waitUntilIdle();
        instrument->setTransmit({});
        MidiBackend::install(previous_);
    }

    // A pair whose output leads nowhere and whose input only hears what a
    // test injects.
    void addQuietPorts(const std::string& name)
    {
        backend->addPortPair(name, [](const std::uint8_t*, std::size_t) {});
    }
    // The instrument, at device number 5, hears the output of one pair and
    // answers on the input of another.
    void addInstrumentPorts(const std::string& answersOn, const std::string& listensTo)
    {
        std::weak_ptr<LoopbackMidiBackend> weakBackend = backend;
        instrument->setTransmit([weakBackend, answersOn](const std::uint8_t* bytes, std::size_t size) {
            if (const auto b = weakBackend.lock())
                b->inject(answersOn, bytes, size);
        });
        instrument->setDeviceNumber(5);
        addQuietPorts(answersOn);
        backend->addPortPair(listensTo, [target = instrument](const std::uint8_t* bytes, std::size_t size) {
            target->receiveBytes(bytes, size);
        });
    }

    bool searchUntilResult()
    {
        started_ = std::chrono::steady_clock::now();
        if (!finder->findDevice())
            return false;
        return pumpEventsUntil([this] { return device.results() > 0; });
    }
    std::chrono::milliseconds searchTime() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_);
    }
    // As if an input thread had just delivered the message on that input.
    void deliver(const char* input, const std::vector<std::uint8_t>& message)
    {
        finder->onSysexEnd(message.data(), message.size(),
            MidiDeviceInfo(MidiDeviceKind::input, 0, 0, RefString::fromUtf8(input)));
    }

    std::shared_ptr<LoopbackMidiBackend> backend = std::make_shared<LoopbackMidiBackend>();
    std::shared_ptr<SimulatedFs1r> instrument = std::make_shared<SimulatedFs1r>();
    LogCapture log;
    FinderClient device;
    std::unique_ptr<MidiDeviceFinder> finder;

private:
    SysexTemplate answerTemplate_;
    std::shared_ptr<MidiBackend> previous_;
    std::chrono::steady_clock::time_point started_;
};

TEST_F(DeviceFinderTest, FindsTheInstrumentAmongDecoyPorts)
{
    backend->addPortPair("Thru"); // echoes every request back to input 0
    addInstrumentPorts("FS1R in", "FS1R out");
    addQuietPorts("Keyboard");

    ASSERT_TRUE(searchUntilResult());

    ASSERT_EQ(device.found.size(), 1u);
    EXPECT_EQ(device.found[0].input, "FS1R in");
    EXPECT_EQ(device.found[0].output, "FS1R out");
    EXPECT_EQ(device.found[0].deviceId, 5);
    EXPECT_EQ(device.notFound, 0);
    EXPECT_EQ(device.disconnects, 1);
    EXPECT_GE(searchTime(), MidiDeviceFinder::searchWindow);
    EXPECT_FALSE(finder->isSearching());
}

// The input thread only posts what arrives; matching the answer and
// recording the result run on the GUI thread.
TEST_F(DeviceFinderTest, AnswersAreTakenOnTheGuiThread)
{
    addQuietPorts("Thru");
    addInstrumentPorts("FS1R in", "FS1R out");

    ASSERT_TRUE(searchUntilResult());

    const auto line = log.find("MidiDeviceFinder - SYSEX message from FS1R out received on FS1R in");
    ASSERT_TRUE(line.has_value());
    EXPECT_TRUE(line->onGuiThread);
}

TEST_F(DeviceFinderTest, EachOutputIsAskedForItsOwnProbeAddressUnderEveryDeviceNumber)
{
    OutputRecorder far;
    for (const char* name : {"A", "B", "C"})
        backend->addPortPair(name, far.peer(name));

    ASSERT_TRUE(finder->findDevice());
    ASSERT_TRUE(backend->waitUntilIdle());

    const std::vector<PackedAddress> probes = fs1r::probeAddresses();
    const std::vector<std::string> outputs{"A", "B", "C"};
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const std::vector<std::uint8_t> bytes = far.received(outputs[i]);
        ASSERT_EQ(bytes.size(), MidiDeviceFinder::deviceNumberCount * requestLength) << outputs[i];
        for (std::uint8_t id = 0; id < MidiDeviceFinder::deviceNumberCount; ++id) {
            const std::vector<std::uint8_t> request(bytes.begin() + id * requestLength,
                bytes.begin() + (id + 1) * requestLength);
            EXPECT_EQ(request, (std::vector<std::uint8_t>{0xF0, 0x43, std::uint8_t(0x30 | id), 0x5E, 0x00, 0x00,
                                   std::uint8_t(probes[i]), 0xF7}));
        }
    }
    EXPECT_TRUE(log.find("Output 1: request data at 6 (device ID 15)").has_value());
}

TEST_F(DeviceFinderTest, NoAnswerEndsAsNotFoundWhenTheWindowCloses)
{
    addQuietPorts("A");
    addInstrumentPorts("FS1R in", "FS1R out");
    instrument->setFaults({.silent = true});

    ASSERT_TRUE(searchUntilResult());

    EXPECT_EQ(device.notFound, 1);
    EXPECT_TRUE(device.found.empty());
    EXPECT_GE(searchTime(), MidiDeviceFinder::searchWindow);
    const std::vector<std::string> texts = log.texts();
    const auto position = [&texts](const char* text) { return std::ranges::find(texts, text) - texts.begin(); };
    EXPECT_LT(position("MidiDeviceFinder - Closing the MIDI inputs..."), position("MIDI INPUT FS1R in: Close"));
    EXPECT_LT(position("MIDI INPUT FS1R in: Close"), position("MidiDeviceFinder - Closing the MIDI inputs done."));
    EXPECT_LT(position("MidiDeviceFinder - Closing the MIDI inputs done."),
        position("MidiDeviceFinder - Closing the MIDI outputs..."));
    EXPECT_LT(position("MidiDeviceFinder - Closing the MIDI outputs..."), position("MIDI OUTPUT FS1R out: Close"));
    EXPECT_LT(position("MIDI OUTPUT FS1R out: Close"), position("MidiDeviceFinder - Closing the MIDI outputs done."));
    EXPECT_EQ(texts.back(), "device: not found");
}

TEST_F(DeviceFinderTest, WithoutAnOutputNoSearchStartsAndNothingOpens)
{
    addQuietPorts("Synth");
    backend->setCapabilities("Synth", 0, 0, MidiTechnology::synthesizer); // listed as an input only

    EXPECT_FALSE(finder->findDevice());

    EXPECT_EQ(device.disconnects, 1);
    EXPECT_FALSE(finder->isSearching());
    EXPECT_EQ(log.countStartingWith("MIDI INPUT"), 0);
}

// An output that did not open is not asked anything; an answer that names
// it (the instrument reports front-panel edits as parameter changes) cannot
// make it the found output, which the device could not open either.
TEST_F(DeviceFinderTest, AnOutputThatDidNotOpenIsNeitherAskedNorFound)
{
    addQuietPorts("A");
    addQuietPorts("Busy");
    backend->setOpenError("Busy", MidiPortError::portNotAvailable);

    ASSERT_TRUE(finder->findDevice());
    deliver("A", fs1r::parameterChange(3, fs1r::probeAddresses()[1], 0));
    ASSERT_TRUE(pumpEventsUntil([this] { return device.results() > 0; }));

    EXPECT_EQ(log.countStartingWith("Output 1:"), 0);
    EXPECT_EQ(log.countStartingWith("Output 0: request data"), 16);
    EXPECT_TRUE(log.find("MIDI OUTPUT Busy: The MIDI port is not available.").has_value());
    EXPECT_EQ(device.notFound, 1);
}

TEST_F(DeviceFinderTest, ANewSearchClosesTheOldPortsFirst)
{
    addQuietPorts("A");
    addQuietPorts("B");
    ASSERT_TRUE(finder->findDevice());

    const std::size_t before = log.lines().size();
    ASSERT_TRUE(finder->findDevice());

    const std::vector<std::string> texts = log.texts();
    const std::vector<std::string> restart(texts.begin() + std::ptrdiff_t(before),
        texts.begin() + std::ptrdiff_t(before) + 11);
    EXPECT_EQ(restart, (std::vector<std::string>{"Find the device", "device: disconnect",
                           "MidiDeviceFinder - Closing the MIDI outputs...", "MIDI OUTPUT A: Close",
                           "MIDI OUTPUT B: Close", "MidiDeviceFinder - Closing the MIDI outputs done.",
                           "MidiDeviceFinder - Closing the MIDI inputs...", "MIDI INPUT A: Close",
                           "MIDI INPUT B: Close", "MidiDeviceFinder - Closing the MIDI inputs done.",
                           "MIDI INPUT A: Open"}));
    ASSERT_TRUE(pumpEventsUntil([this] { return device.results() > 0; }));
    EXPECT_EQ(device.notFound, 1) << "the first search never reports";
}

// An answer the input thread posted during one search (or after its window
// closed) must not count in the next one, even when the GUI thread only gets
// to it then.
TEST_F(DeviceFinderTest, AnswersFromAnEarlierSearchNeverCount)
{
    addQuietPorts("A");
    addQuietPorts("B");
    const std::vector<std::uint8_t> answer = fs1r::parameterChange(2, fs1r::probeAddresses()[1], 0);
    ASSERT_TRUE(searchUntilResult());
    deliver("A", answer);

    ASSERT_TRUE(finder->findDevice());
    deliver("A", answer);
    ASSERT_TRUE(finder->findDevice());
    ASSERT_TRUE(pumpEventsUntil([this] { return device.results() > 1; }));

    EXPECT_EQ(device.notFound, 2);
    EXPECT_TRUE(device.found.empty());
    EXPECT_EQ(log.countStartingWith("MidiDeviceFinder - SYSEX message"), 0);
}

} // namespace
