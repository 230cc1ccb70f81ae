#pragma once
// In-process MIDI ports for tests and the simulated instrument. Each named
// pair has an input and an output of that name. The output loops back to its
// own input, or goes to another input, or to a peer callback; the input can
// also be fed from any thread. Bytes reach an open input on the backend's one
// input thread, in blocks of at most 256 bytes, through the pair's faults and
// optional wire-rate pacing. Set a pair up before opening its ports.
#include "midi/MidiBackend.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class LoopbackMidiBackend : public MidiBackend {
public:
    // Gets what the editor sends on a pair's output, on that output's send
    // thread, in pieces of at most 256 bytes. It may call inject.
    using Peer = std::function<void(const std::uint8_t* bytes, std::size_t size)>;
    // Sees each SysEx block on the input thread before the port does; it may
    // change the bytes or shorten the block (even to 0), and returns false to
    // drop it.
    using BlockFilter = std::function<bool(std::uint8_t* block, std::size_t& size)>;

    // What happens to bytes on their way to a pair's input.
    struct Faults {
        std::size_t splitSize = 256;  // bytes arrive in pieces of at most this
        bool randomSplit = false;     // piece sizes drawn from 1..splitSize
        std::chrono::milliseconds delay{0}; // added before each piece
        double dropByteChance = 0.0;
        double corruptByteChance = 0.0; // flips low bits, never the top bit
        std::uint32_t seed = 1;
        BlockFilter blockFilter;
    };

    // At the wire rate of 31,250 baud: 3,125 bytes a second.
    static constexpr std::chrono::microseconds wireTimePerByte{320};

    LoopbackMidiBackend();
    ~LoopbackMidiBackend() override;

    // A pair whose output loops back to its own input.
    void addPortPair(const std::string& name);
    // A pair whose output goes to peer instead.
    void addPortPair(const std::string& name, Peer peer);
    // Routes the output of one pair to the input of another.
    void connect(const std::string& outputName, const std::string& inputName);
    // Open fails with notFound from then on; open ports stay open.
    void removePortPair(const std::string& name);

    void setCapabilities(const std::string& name, std::uint16_t manufacturerId, std::uint16_t productId,
        MidiTechnology technology);
    // Opening the pair's ports fails with this error (ok to undo).
    void setOpenError(const std::string& name, MidiPortError error);
    // Paces both directions of the pair at the wire rate.
    void setPaced(const std::string& name, bool paced);
    void setFaults(const std::string& name, Faults faults);

    // Queues bytes for the pair's input, from any thread; dropped when the
    // input is not open by the time they arrive.
    void inject(const std::string& name, const std::uint8_t* bytes, std::size_t size);

    // Waits until everything sent or injected has been delivered (or
    // dropped), including what peers sent back meanwhile; false on timeout.
    bool waitUntilIdle(std::chrono::milliseconds limit = std::chrono::seconds(10));

    std::vector<MidiPortCapabilities> inputs() override;
    std::vector<MidiPortCapabilities> outputs() override;
    Opened<MidiInputConnection> openInput(std::uint32_t id, MidiInputSink& sink) override;
    Opened<MidiOutputConnection> openOutput(std::uint32_t id) override;

private:
    class State;
    class Input;
    class Output;

    MidiPortError checkOpen(std::uint32_t id, bool& paced, BlockFilter* filter);

    std::shared_ptr<State> state_;
};
