#pragma once
// The device's one place where SysEx-bound parameters are made: finds or
// makes their memory entries, gives each the command list of the page being
// built, and owns what it adds to its list. Owned by the device; the address
// map and the MIDI interface must outlive it.
#include "params/Parameter.h"
#include "sysex/MidiMessageSource.h"
#include "sysex/PackedAddress.h"

#include <cstdint>
#include <memory>
#include <vector>

class AddressEntry;
class AddressMap;
class CommandList;
class MidiInterface;
class MidiMessageParameter;
class SysexParameter;

class ParameterFactory {
public:
    // Without an interface the parameters send nothing.
    ParameterFactory(AddressMap& map, MidiInterface* midiInterface);
    ParameterFactory(const ParameterFactory&) = delete;
    ParameterFactory& operator=(const ParameterFactory&) = delete;
    ~ParameterFactory();

    // The list every parameter made from now on records into; none records
    // nothing. The page manager sets it before building each page.
    CommandList* commandList() const { return commandList_; }
    void setCommandList(CommandList* list) { commandList_ = list; }

    // A one-entry parameter, owned by the factory.
    SysexParameter* addSysexParameter(PackedAddress address, std::int32_t minimum, std::int32_t maximum,
        std::uint32_t bitOffset);
    // A one-entry parameter owned by the caller.
    std::unique_ptr<SysexParameter> addOwnedSysexParameter(PackedAddress address, std::int32_t minimum,
        std::int32_t maximum);
    // A 0..0x3fff parameter over a high and a low entry; owned by the caller.
    std::unique_ptr<SysexParameter> addSplitSysexParameter(PackedAddress high, PackedAddress low);

    // A parameter that sends a short message ({status, a spare byte, data 1,
    // data 2}) on change; owned by the factory and listed in the map.
    MidiMessageParameter* addMidiMessageParameter(const MidiMessagePattern& message, std::int32_t minimum,
        std::int32_t maximum);

    // The entry already registered at a parameter address, else a new one.
    AddressEntry& getOrCreateAddressEntry(PackedAddress address);

    // Destroys every parameter the factory owns (message parameters leave
    // the map's list first); the device calls it first when it goes.
    void destroyParameters();
    const std::vector<std::unique_ptr<Parameter>>& parameters() const { return parameters_; }

private:
    template <typename Kind>
    Kind* adopt(std::unique_ptr<Kind> parameter);

    AddressMap& map_;
    MidiInterface* midiInterface_;
    CommandList* commandList_ = nullptr;
    std::vector<std::unique_ptr<Parameter>> parameters_;
};
