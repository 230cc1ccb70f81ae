#pragma once
// Plugs a simulated FS1R into a loopback port pair: what the editor sends on
// the pair's output reaches the instrument, and its answers arrive on the
// pair's input, optionally no faster than a real MIDI cable carries them.
// The test or program that makes it owns it; destroying it unplugs the cable.
#include "simulator/SimulatedFs1r.h"

#include "midi/LoopbackMidiBackend.h"

#include <functional>
#include <memory>
#include <string>

class SimulatorConnection {
public:
    static constexpr const char* defaultPortName = "FS1R simulator";
    // The QUORVIN_MIDI choice that starts the program with the instrument attached.
    static constexpr const char* backendChoice = "simulator";

    // Adds the port pair to the backend; set it up before the pair's ports
    // are opened. With wireRate both directions go at 3,125 bytes a second.
    SimulatorConnection(std::shared_ptr<LoopbackMidiBackend> backend, const std::string& portName = defaultPortName,
                        bool wireRate = false);
    ~SimulatorConnection();
    SimulatorConnection(const SimulatorConnection&) = delete;
    SimulatorConnection& operator=(const SimulatorConnection&) = delete;

    SimulatedFs1r& instrument() { return *instrument_; }

    // Makes "simulator" a QUORVIN_MIDI choice: a loopback backend whose one
    // pair, paced at the wire rate, leads to a simulated FS1R that lives as
    // long as the backend. The instrument gets the effect defaults that
    // typeDefaults gives when the backend is made, once the program's texts
    // are in place.
    using TypeDefaultsSource = std::function<SimulatedFs1r::EffectTypeDefaults()>;
    static void registerBackend(TypeDefaultsSource typeDefaults = {});
    // The instrument of the backend made last that way, while it lives.
    static std::shared_ptr<SimulatedFs1r> registeredInstrument();

private:
    // Wires the pair to a new instrument, which the pair keeps alive.
    static std::shared_ptr<SimulatedFs1r> plugIn(const std::shared_ptr<LoopbackMidiBackend>& backend,
                                                 const std::string& portName, bool wireRate);

    std::weak_ptr<LoopbackMidiBackend> backend_;
    std::string portName_;
    std::shared_ptr<SimulatedFs1r> instrument_;
};
