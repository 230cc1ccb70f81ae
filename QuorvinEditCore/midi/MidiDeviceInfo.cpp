#include "midi/MidiDeviceInfo.h"

MidiDeviceInfo::MidiDeviceInfo(MidiDeviceKind kind, std::uint16_t manufacturerId, std::uint16_t productId, RefString name)
    : kind_(kind), manufacturerId_(manufacturerId), productId_(productId), name_(std::move(name))
{
}

bool MidiDeviceInfo::matches(const RefString& name, std::uint16_t manufacturerId, std::uint16_t productId) const
{
    return !name_.isEmpty() && !name.isEmpty() && manufacturerId_ == manufacturerId && productId_ == productId
        && RefString::equals(name_, name);
}

bool MidiDeviceInfo::matches(const MidiDeviceInfo& other) const
{
    return matches(other.name_, other.manufacturerId_, other.productId_);
}

bool MidiDeviceInfo::isNone() const
{
    return manufacturerId_ == 0 && productId_ == 0 && name_.isEmpty();
}

const MidiDeviceInfo& MidiDeviceInfo::none()
{
    static const MidiDeviceInfo instance(MidiDeviceKind::input);
    return instance;
}
