#pragma once
// The ALSA sequencer as MIDI backend: one sequencer client for the program,
// one local port per open input or output connected to the chosen port, one
// input thread for every input, and a send queue per output paced at the
// wire rate. Without a sequencer it lists no ports and prints nothing.
#include "midi/MidiBackend.h"

#include <memory>

class AlsaMidiBackend : public MidiBackend {
public:
    AlsaMidiBackend();
    ~AlsaMidiBackend() override;

    bool hasSequencer() const { return sequencer_ != nullptr; }

    std::vector<MidiPortCapabilities> inputs() override;
    std::vector<MidiPortCapabilities> outputs() override;
    Opened<MidiInputConnection> openInput(std::uint32_t id, MidiInputSink& sink) override;
    Opened<MidiOutputConnection> openOutput(std::uint32_t id) override;

private:
    class Sequencer;
    class Input;
    class Output;

    std::shared_ptr<Sequencer> sequencer_; // null without a sequencer
};
