#include "midi/MidiPort.h"

const MidiDeviceInfo& MidiPort::openDescription() const
{
    return openDescription_ ? *openDescription_ : MidiDeviceInfo::none();
}

void MidiPort::setOpenDescription(const MidiDeviceInfo& description)
{
    openDescription_ = std::make_unique<MidiDeviceInfo>(description);
}

bool MidiPort::findDevice(const std::vector<MidiPortCapabilities>& devices, const MidiDeviceInfo& description,
    std::uint32_t& id)
{
    for (const MidiPortCapabilities& device : devices) {
        if (description.matches(RefString::fromUtf8(device.name), device.manufacturerId, device.productId)) {
            id = device.id;
            return true;
        }
    }
    return false;
}

MidiPortError openMidiPort(MidiPort& port, const MidiDeviceInfo& description)
{
    const MidiPortError error = port.open(description);
    if (error == MidiPortError::ok)
        port.logger().logInfo(description, RefString(u"Open"));
    else
        port.logger().logError(description, midiPortErrorText(error));
    return error;
}

void closeMidiPort(MidiPort& port)
{
    if (!port.isOpen())
        return;
    port.logger().logInfo(port.openDescription(), RefString(u"Close"));
    port.close();
}

const MidiDeviceInfo& openDescriptionOf(const MidiPort* port)
{
    return port != nullptr ? port->openDescription() : MidiDeviceInfo::none();
}
