#include "sysex/ParameterFactory.h"

#include "sysex/AddressMap.h"
#include "sysex/MidiMessageParameter.h"
#include "sysex/SysexParameter.h"

ParameterFactory::ParameterFactory(AddressMap& map, MidiInterface* midiInterface)
    : map_(map), midiInterface_(midiInterface)
{
}

ParameterFactory::~ParameterFactory() { destroyParameters(); }

template <typename Kind>
Kind* ParameterFactory::adopt(std::unique_ptr<Kind> parameter)
{
    Kind* made = parameter.get();
    parameters_.push_back(std::move(parameter));
    return made;
}

SysexParameter* ParameterFactory::addSysexParameter(PackedAddress address, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset)
{
    auto parameter = std::make_unique<SysexParameter>(midiInterface_, getOrCreateAddressEntry(address), minimum,
        maximum, bitOffset);
    parameter->setCommandList(commandList_);
    return adopt(std::move(parameter));
}

std::unique_ptr<SysexParameter> ParameterFactory::addOwnedSysexParameter(PackedAddress address,
    std::int32_t minimum, std::int32_t maximum)
{
    auto parameter =
        std::make_unique<SysexParameter>(midiInterface_, getOrCreateAddressEntry(address), minimum, maximum, 0);
    parameter->setCommandList(commandList_);
    return parameter;
}

std::unique_ptr<SysexParameter> ParameterFactory::addSplitSysexParameter(PackedAddress high, PackedAddress low)
{
    AddressEntry& highEntry = getOrCreateAddressEntry(high);
    auto parameter = std::make_unique<SysexParameter>(midiInterface_, highEntry, getOrCreateAddressEntry(low));
    parameter->setCommandList(commandList_);
    return parameter;
}

MidiMessageParameter* ParameterFactory::addMidiMessageParameter(const MidiMessagePattern& message,
    std::int32_t minimum, std::int32_t maximum)
{
    auto parameter = std::make_unique<MidiMessageParameter>(midiInterface_, message, minimum, maximum);
    parameter->setCommandList(commandList_);
    map_.addMidiMessageSource(*parameter);
    return adopt(std::move(parameter));
}

AddressEntry& ParameterFactory::getOrCreateAddressEntry(PackedAddress address)
{
    if (AddressEntry* entry = map_.findEntry(address))
        return *entry;
    return map_.createEntry(address);
}

void ParameterFactory::destroyParameters()
{
    for (const auto& parameter : parameters_) {
        if (const auto* source = dynamic_cast<const MidiMessageSource*>(parameter.get()))
            map_.removeMidiMessageSource(*source);
    }
    parameters_.clear();
}
