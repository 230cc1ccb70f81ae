#pragma once
// A MIDI interface wired as in the program: its device ports lead over
// loopback to a simulated FS1R; "Keyboard", "Surface" and "Spare" are
// loopback pairs a test feeds by hand, "Wire" records what is sent on it.
// The test's thread is the GUI thread.
#include "midi/DumpCallback.h"
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiInterface.h"
#include "simulator/SimulatorConnection.h"
#include "tests/midiinterface/Fs1rTestProtocol.h"
#include "tests/midiinterface/TestControlSet.h"
#include "tests/midiinterface/TestDevice.h"
#include "tests/support/EventPump.h"
#include "tests/support/LogCapture.h"
#include "tests/support/PortInfo.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

inline constexpr const char* keyboardPort = "Keyboard";
inline constexpr const char* surfacePort = "Surface";
inline constexpr const char* sparePort = "Spare";
// An output that leads nowhere but to a recorder: no instrument answers.
inline constexpr const char* wirePort = "Wire";

// Counts the dumps it was told of, by address.
class RecordingDumpCallback : public DumpCallback {
public:
    void dumpDone(PackedAddress address) override { done.push_back(address); }
    std::vector<PackedAddress> done;
};

class MidiInterfaceFixture : public ::testing::Test {
protected:
    MidiInterfaceFixture();
    ~MidiInterfaceFixture() override;

    // Opens the device ports on the simulator and gives the interface the
    // instrument's templates.
    void connect();
    void inject(const std::string& port, std::vector<std::uint8_t> bytes);
    // Waits until the loopback backend has delivered everything and the GUI
    // thread has handled what was posted.
    void settle();
    SimulatedFs1r& instrument() { return simulator_->instrument(); }
    // Sends the interface's requests to the recorder instead of the
    // instrument, which then never answers.
    void sendToWire();
    // Everything sent on the "Wire" output so far, in order.
    std::vector<std::uint8_t> wireBytes() const;

    std::shared_ptr<LoopbackMidiBackend> backend;
    LogCapture log;
    TestDevice device;
    Fs1rTestProtocol protocol;
    std::array<TestControlSet*, MidiInterface::controlSetCount> controlSets{};
    std::unique_ptr<MidiInterface> midi;

private:
    mutable std::mutex wireMutex_;
    std::vector<std::uint8_t> wire_;
    std::shared_ptr<MidiBackend> previousBackend_;
    std::unique_ptr<SimulatorConnection> simulator_;
};
