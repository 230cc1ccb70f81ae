#include "midi/MidiDeviceList.h"

#include "midi/MidiBackend.h"

void MidiDeviceList::reset(std::size_t n, MidiDeviceKind kind)
{
    kind_ = kind;
    if (n > elements_.size())
        elements_.assign(n, MidiDeviceInfo(kind));
    count_ = 0;
}

bool MidiDeviceList::add(std::uint16_t manufacturerId, std::uint16_t productId, RefString name)
{
    if (count_ >= elements_.size())
        return false;
    elements_[count_++] = MidiDeviceInfo(kind_, manufacturerId, productId, std::move(name));
    return true;
}

bool MidiDeviceList::indexOf(const MidiDeviceInfo& description, std::size_t& index) const
{
    for (std::size_t i = 0; i < count_; ++i) {
        if (elements_[i].matches(description)) {
            index = i;
            return true;
        }
    }
    return false;
}

namespace {

bool listsOutput(MidiTechnology technology)
{
    return technology == MidiTechnology::port || technology == MidiTechnology::mapper;
}

void fill(MidiDeviceList& list, MidiDeviceKind kind, const std::vector<MidiPortCapabilities>& devices)
{
    list.reset(devices.size(), kind);
    for (const MidiPortCapabilities& device : devices) {
        if (kind == MidiDeviceKind::input || listsOutput(device.technology))
            list.add(device.manufacturerId, device.productId, RefString::fromUtf8(device.name));
    }
}

} // namespace

MidiDeviceList& enumerateMidiInputs()
{
    static MidiDeviceList inputs;
    fill(inputs, MidiDeviceKind::input, MidiBackend::current()->inputs());
    return inputs;
}

MidiDeviceList& enumerateMidiOutputs()
{
    static MidiDeviceList outputs;
    fill(outputs, MidiDeviceKind::output, MidiBackend::current()->outputs());
    return outputs;
}
