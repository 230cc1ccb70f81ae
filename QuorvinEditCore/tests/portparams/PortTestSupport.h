#pragma once
// Shared by the port parameter tests: a device that asks nothing of the
// interface, control sets whose ports the tests can see, a log recorder and
// a fixture with a fresh loopback backend and a MIDI interface over it.
#include "device/Device.h"
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiControlSetBase.h"
#include "midi/MidiInterface.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <wx/log.h>

class QuietDevice : public Device {
public:
    std::int32_t maxSysexSize() const override { return 256; }
    std::int32_t dumpOverhead() const override { return 11; }
    std::vector<PackedAddress> probeAddresses() const override { return {0}; }
    std::int32_t hardwareWaitMs() const override { return 0; }
    void onConnected() override {}
    void onCommunicationNok() override {}
    void onDumpReceived(PackedAddress, std::span<const std::uint8_t>) override {}
    void showWaitingForSysex(PackedAddress) override {}
    void showReceivingSysex(PackedAddress, std::int32_t) override {}
    void abortWait(const RefString&, bool) override {}
    WaitProgress* waitDialog() override { return nullptr; }
    void parameterReceived(PackedAddress, std::uint32_t, std::uint32_t) override {}
    std::size_t bytesReceived(PackedAddress, std::span<const std::uint8_t>, std::uint32_t) override { return 0; }
};

class SlotControlSet : public MidiControlSetBase {
public:
    MidiInPort* input() const override { return input_; }
    MidiOutPort* output() const override { return output_; }
    void handleMessage(MidiMessage) override {}
    void load(const XmlElement&) override {}
    void save(const XmlElement&) override {}

private:
    MidiInPort* input_ = nullptr;
    MidiOutPort* output_ = nullptr;
};

// Warnings and verbose messages, while it lives.
class LogRecorder : public wxLog {
public:
    LogRecorder() : previous_(wxLog::SetActiveTarget(this)) {}
    ~LogRecorder() override { wxLog::SetActiveTarget(previous_); }

    bool contains(const std::string& text) const
    {
        for (const std::string& line : lines)
            if (line.find(text) != std::string::npos)
                return true;
        return false;
    }

    std::vector<std::string> lines;

protected:
    void DoLogRecord(wxLogLevel, const wxString& message, const wxLogRecordInfo&) override
    {
        lines.push_back(message.utf8_string());
    }

private:
    wxLog* const previous_;
};

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
        midi = std::make_unique<MidiInterface>(device, [](MidiInterface&) {
            return std::unique_ptr<MidiControlSetBase>(new SlotControlSet);
        });
    }

    std::shared_ptr<LoopbackMidiBackend> backend = std::make_shared<LoopbackMidiBackend>();
    QuietDevice device;
    std::unique_ptr<MidiInterface> midi;
    LogRecorder log;

private:
    std::shared_ptr<MidiBackend> previous_;
};
