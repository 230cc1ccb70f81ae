#pragma once
// Shared by the port parameter tests: a fixture with a fresh loopback
// backend, a MIDI interface over it and a capture of what is logged.
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiInterface.h"
#include "tests/support/LogCapture.h"
#include "tests/support/NoControlSet.h"
#include "tests/support/QuietDevice.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

class PortParameterTest : public ::testing::Test {
protected:
    PortParameterTest() : previous_(MidiBackend::install(backend)) {}
    ~PortParameterTest() override
    {
        midi.reset();
        MidiBackend::install(previous_);
    }

    // Pairs must exist before the interface and the parameters enumerate.
    void addPorts(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            backend->addPortPair(name);
    }
    void makeInterface()
    {
        midi = std::make_unique<MidiInterface>(device, [](MidiInterface&) { return std::make_unique<NoControlSet>(); });
    }

    std::shared_ptr<LoopbackMidiBackend> backend = std::make_shared<LoopbackMidiBackend>();
    QuietDevice device;
    std::unique_ptr<MidiInterface> midi;
    LogCapture log;

private:
    std::shared_ptr<MidiBackend> previous_;
};
