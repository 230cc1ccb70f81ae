#pragma once
// A MIDI interface with real control sets over loopback ports: "Surface"
// is a control surface (the test feeds its input, its output records the
// feedback), "Instrument" records what reaches the instrument, "Other" is a
// port no set listens to. The grouper's timer is the test's, and so is the
// (GUI) thread.
#include "localparams/LocalParameter.h"
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiControlGrouper.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiInterface.h"
#include "tests/support/LogCapture.h"
#include "tests/support/PortInfo.h"
#include "tests/support/QuietDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

inline constexpr const char* surfacePort = "Surface";
inline constexpr const char* instrumentPort = "Instrument";
inline constexpr const char* otherPort = "Other";

ParameterPath testPath(const char* widget);

class ManualTimer : public MidiControlGrouper::Timer {
public:
    void start(std::chrono::milliseconds delay) override
    {
        running = true;
        lastDelay = delay;
    }
    void stop() override { running = false; }

    bool running = false;
    std::chrono::milliseconds lastDelay{0};
};

class ControlSetFixture : public ::testing::Test {
protected:
    ControlSetFixture();
    ~ControlSetFixture() override;

    MidiControlSet& set(std::size_t index = 0) const;
    // A parameter registered under the widget's name, destroyed with the fixture.
    LocalParameter& makeParameter(const char* widget, std::int32_t minimum, std::int32_t maximum);
    void openSurface(MidiControlSet& controlSet);
    void inject(const std::string& port, std::vector<std::uint8_t> bytes);
    // Delivers what the ports carry and handles every posted event.
    void settle();
    // The grouper's timer runs out.
    void fireTimer();
    std::vector<std::uint8_t> surfaceBytes();
    std::vector<std::uint8_t> instrumentBytes();
    void clearSent();

    std::shared_ptr<LoopbackMidiBackend> backend;
    LogCapture log;
    ManualTimer* timer = nullptr;
    std::unique_ptr<MidiControlGrouper> grouper;
    std::vector<std::unique_ptr<LocalParameter>> parameters;
    std::unique_ptr<MidiInterface> midi;

private:
    std::vector<std::uint8_t> sentOn(const std::vector<std::uint8_t>& bytes);

    std::mutex sentMutex_;
    std::vector<std::uint8_t> surface_;
    std::vector<std::uint8_t> instrument_;
    QuietDevice device_;
    std::shared_ptr<MidiBackend> previousBackend_;
};
