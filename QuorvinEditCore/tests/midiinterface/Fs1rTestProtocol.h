#pragma once
// The FS1R's SysEx templates and memory pages, built here as the instrument
// model will build them, so the interface can be tested against the
// simulated instrument before the FS1R device exists.
#include "sysex/AddressMap.h"
#include "sysex/SysexTemplate.h"

class MidiInterface;

class Fs1rTestProtocol {
public:
    static constexpr std::uint32_t pageCapacity = 46;
    static constexpr std::int32_t maxSysexSize = 25643;
    static constexpr std::int32_t dumpOverhead = 11;
    static constexpr std::int32_t hardwareWaitMs = 1800;

    Fs1rTestProtocol();

    // Hands the templates to the interface and lays out its prebuilt messages.
    void setUp(MidiInterface& midi) const;

    const SysexTemplate& bulkDump() const { return bulkDump_; }
    const SysexTemplate& parameterChange() const { return parameterChange_; }

    // Adds the instrument's pages to the map; with entries, also a one-byte
    // entry at every address, as if every byte had a parameter.
    static void buildAddressMap(AddressMap& map, bool withEntries);

private:
    SysexTemplate bulkDump_;
    SysexTemplate parameterChange_;
};
