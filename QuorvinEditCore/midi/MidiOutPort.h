#pragma once
// An output port: opens one installed output and sends short and long
// messages through it. Sends may come from any thread (MIDI THRU sends from
// the input thread) and do nothing while the port is closed. Owned by the
// MIDI interface or the device finder.
#include "midi/MidiBackend.h"
#include "midi/MidiPort.h"

#include <chrono>
#include <mutex>

class MidiOutPort final : public MidiPort {
public:
    // How long closing waits for messages still going out before it drops
    // them: a voice dump is long done by then, and nothing can hang.
    static constexpr std::chrono::milliseconds closeLimit{2000};

    explicit MidiOutPort(MidiPortLogger& logger) : MidiPort(logger) {}
    ~MidiOutPort() override;

    MidiPortError open(const MidiDeviceInfo& description) override;
    void close() override;

    // False, with nothing sent, while the port is closed. Safe while another
    // thread opens or closes the port: only the port knows at that moment.
    bool sendShort(MidiMessage message);
    // The bytes from F0 through F7; they are copied, so the caller may reuse
    // its buffer at once, and messages sent back to back stay whole.
    void sendLong(const std::uint8_t* bytes, std::size_t size);

private:
    std::mutex mutex_; // guards the connection against sends from other threads
    std::shared_ptr<MidiBackend> backend_;
    std::unique_ptr<MidiOutputConnection> connection_;
};
