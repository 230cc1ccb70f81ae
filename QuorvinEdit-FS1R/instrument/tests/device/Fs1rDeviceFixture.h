#pragma once
// An FS1R device over fake pages, with its patch caches in a fresh folder,
// connected through loopback ports to the simulated FS1R. The test's thread
// is the GUI thread.
#include "FakePanels.h"
#include "instrument/Fs1rDevice.h"
#include "midi/LoopbackMidiBackend.h"
#include "simulator/SimulatorConnection.h"
#include "tests/device/FakeUserInterface.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempFolder.h"
#include "xml/XmlRootElement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class Fs1rDeviceFixture : public ::testing::Test {
protected:
    Fs1rDeviceFixture();
    ~Fs1rDeviceFixture() override;

    // Makes the device, runs its setup and connects it to the simulated
    // FS1R on the saved ports; returns once the instrument has answered
    // everything asked of it.
    void connect();
    // Runs the GUI thread until no request or dump is under way.
    bool settle();
    SimulatedFs1r& instrument() { return simulator_->instrument(); }
    PatchLibrary& cache(Fs1rLibraries::Index index) { return device->library(index); }
    std::filesystem::path cacheFile(const std::string& name) const;
    // How many dump requests went out for the address.
    int requestsFor(PackedAddress address) const;
    // The bulk dump message of the data at the address, as the instrument
    // sends it.
    static std::string bulkDump(PackedAddress address, const std::vector<std::uint8_t>& data);

    std::shared_ptr<LoopbackMidiBackend> backend;
    LogCapture log;
    TempFolder folder{"fs1rdevice"};
    std::unique_ptr<XmlRootElement> settingsRoot;
    XmlElement settings;
    FakeUserInterface ui;
    FakePanels panels;
    std::unique_ptr<Fs1rDevice> device;

private:
    std::unique_ptr<SimulatorConnection> simulator_;
    std::shared_ptr<MidiBackend> previousBackend_;
};
