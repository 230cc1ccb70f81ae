#pragma once
// The platform MIDI layer the ports are written against: lists inputs and
// outputs, opens them by id, and hands back connections that the ports own.
// One backend is current for the program; ports keep the backend they opened
// on alive for as long as they are open. The last reference to a backend
// must not be dropped on its own input thread, which it joins.
#include "midi/MidiInputConnection.h"
#include "midi/MidiInputSink.h"
#include "midi/MidiOutputConnection.h"
#include "midi/MidiPortCapabilities.h"
#include "midi/MidiPortError.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class MidiBackend {
public:
    template <class Connection>
    struct Opened {
        MidiPortError error = MidiPortError::deviceNotFound;
        std::unique_ptr<Connection> connection;
    };
    using Factory = std::function<std::shared_ptr<MidiBackend>()>;

    virtual ~MidiBackend() = default;

    // Every input and output the backend can open, whatever its technology.
    virtual std::vector<MidiPortCapabilities> inputs() = 0;
    virtual std::vector<MidiPortCapabilities> outputs() = 0;
    // The sink receives on the backend's input thread until the connection
    // is destroyed.
    virtual Opened<MidiInputConnection> openInput(std::uint32_t id, MidiInputSink& sink) = 0;
    virtual Opened<MidiOutputConnection> openOutput(std::uint32_t id) = 0;

    // The current backend, chosen on first use from QUORVIN_MIDI.
    static std::shared_ptr<MidiBackend> current();
    // Makes backend current and returns the one it replaces.
    static std::shared_ptr<MidiBackend> install(std::shared_ptr<MidiBackend> backend);
    // QUORVIN_MIDI=name then selects the factory's backend; "loopback" is
    // known from the start. Anything else selects the ALSA sequencer.
    static void addFactory(const std::string& name, Factory factory);
};
