#pragma once
// What the device finder needs of the device it searches for: the probe and
// the size of the instrument's messages, the connection to drop before a
// search, and where the search's result goes (on the GUI thread). The device
// implements it.
#include "midi/MidiDeviceInfo.h"
#include "sysex/PackedAddress.h"

#include <cstdint>
#include <vector>

class MidiDeviceFinderClient {
public:
    virtual ~MidiDeviceFinderClient() = default;

    // The parameter addresses used to probe the instrument, one per output.
    virtual std::vector<PackedAddress> probeAddresses() const = 0;
    // Size of the largest SysEx message the instrument sends.
    virtual std::int32_t maxSysexSize() const = 0;

    // Saves the MIDI settings and closes the ports, so that no port is held
    // twice during the search.
    virtual void disconnect() = 0;
    // The instrument answered on input, was reached through output and
    // carries deviceId.
    virtual void onDeviceFound(const MidiDeviceInfo& input, const MidiDeviceInfo& output, std::uint8_t deviceId) = 0;
    virtual void onDeviceNotFound() = 0;
};
