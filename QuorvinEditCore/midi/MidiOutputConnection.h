#pragma once
// An open backend output, owned by the port that opened it. Sends queue the
// message in order and return at once; a long message is copied, so the
// caller's buffer is free when the call returns.
#include "midi/MidiMessage.h"

#include <chrono>
#include <cstddef>
#include <cstdint>

class MidiOutputConnection {
public:
    virtual ~MidiOutputConnection() = default;
    virtual void sendShort(MidiMessage message) = 0;
    virtual void sendLong(const std::uint8_t* bytes, std::size_t size) = 0;
    // Waits at most limit for queued messages to go out, then drops the
    // rest; true when nothing was dropped. Sends after close do nothing.
    virtual bool close(std::chrono::milliseconds limit) = 0;
};
