#pragma once
// An FS1R test device in its settings element, with loopback ports: the
// simulated FS1R on its own pair and a "Silent" pair whose output leads
// nowhere. The test's thread is the GUI thread.
#include "midi/LoopbackMidiBackend.h"
#include "simulator/SimulatorConnection.h"
#include "tests/device/FakeUserInterface.h"
#include "tests/device/Fs1rTestDevice.h"
#include "tests/support/LogCapture.h"
#include "xml/XmlRootElement.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

inline constexpr const char* silentPort = "Silent";
inline constexpr const char* fs1rPort = SimulatorConnection::defaultPortName;

class DeviceFixture : public ::testing::Test {
protected:
    DeviceFixture();
    ~DeviceFixture() override;

    // Makes the device and runs its setup.
    void makeDevice(bool withFinder = true);
    // Ports as a previous run left them in "midi_config"; an empty name
    // saves no port of that direction.
    void savePorts(const std::string& input, const std::string& output, int deviceId = 0);
    // Runs the GUI thread until the device is connected or has shown a box.
    bool waitForOutcome();
    SimulatedFs1r& instrument() { return simulator_->instrument(); }
    // The failure box's text for a message.
    static std::string failureText(const std::string& message);

    std::shared_ptr<LoopbackMidiBackend> backend;
    LogCapture log;
    std::unique_ptr<XmlRootElement> settingsRoot;
    XmlElement settings;
    FakeUserInterface ui;
    std::unique_ptr<Fs1rTestDevice> device;

private:
    std::unique_ptr<SimulatorConnection> simulator_;
    std::shared_ptr<MidiBackend> previousBackend_;
};
