#pragma once
// Shared by the MIDI tests: a listener and logger that records what a port
// reports, and a fixture that makes a fresh loopback backend current.
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiInPort.h"
#include "midi/MidiMessageText.h"
#include "midi/MidiOutPort.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

class MidiRecorder : public MidiInputListener, public MidiPortLogger {
public:
    void onShortMessage(MidiMessage message, MidiInPort&) override
    {
        add("short " + midiMessageText(message, true).toUtf8());
    }
    void onSysexStart(const std::uint8_t*, std::size_t count, const MidiDeviceInfo&) override
    {
        add("start " + std::to_string(count));
    }
    void onSysexData(const std::uint8_t*, std::size_t count, const MidiDeviceInfo&) override
    {
        add("data " + std::to_string(count));
    }
    void onSysexEnd(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo&) override
    {
        std::lock_guard lock(mutex_);
        messages_.emplace_back(buffer, buffer + count);
        events_.push_back("end " + std::to_string(count));
    }
    void logInfo(const MidiDeviceInfo& port, const RefString& text) override { add(port.name().toUtf8() + ": " + text.toUtf8()); }
    void logError(const MidiDeviceInfo& port, const RefString& text) override
    {
        add("error " + port.name().toUtf8() + ": " + text.toUtf8());
    }

    std::vector<std::string> events() const
    {
        std::lock_guard lock(mutex_);
        return events_;
    }
    std::vector<std::vector<std::uint8_t>> messages() const
    {
        std::lock_guard lock(mutex_);
        return messages_;
    }
    void clear()
    {
        std::lock_guard lock(mutex_);
        events_.clear();
        messages_.clear();
    }

private:
    void add(std::string event)
    {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }

    mutable std::mutex mutex_;
    std::vector<std::string> events_;
    std::vector<std::vector<std::uint8_t>> messages_;
};

class LoopbackTest : public ::testing::Test {
protected:
    static constexpr std::size_t fs1rMaxSysex = 25643;

    void SetUp() override { previous_ = MidiBackend::install(backend); }
    void TearDown() override { MidiBackend::install(previous_); }

    static MidiDeviceInfo device(const char* name, MidiDeviceKind kind = MidiDeviceKind::input,
        std::uint16_t manufacturerId = 0, std::uint16_t productId = 0)
    {
        return MidiDeviceInfo(kind, manufacturerId, productId, RefString::fromUtf8(name));
    }

    // F0, size - 2 data bytes that vary with seed, F7.
    static std::vector<std::uint8_t> sysex(std::size_t size, std::uint8_t seed = 0)
    {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>((i * 7 + seed) & 0x7F);
        bytes.front() = 0xF0;
        bytes.back() = 0xF7;
        return bytes;
    }

    void inject(const char* name, const std::vector<std::uint8_t>& bytes)
    {
        backend->inject(name, bytes.data(), bytes.size());
    }

    std::shared_ptr<LoopbackMidiBackend> backend = std::make_shared<LoopbackMidiBackend>();
    MidiRecorder recorder;

private:
    std::shared_ptr<MidiBackend> previous_;
};
