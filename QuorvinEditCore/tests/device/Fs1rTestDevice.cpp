#include "tests/device/Fs1rTestDevice.h"

#include "instrument/Fs1rLibraries.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexProtocol.h"
#include "midi/MidiDeviceFinder.h"

Fs1rTestDevice::Fs1rTestDevice(const XmlElement& settings, DeviceUserInterface& userInterface, bool withFinder,
    const RefString& cacheFolder)
    : PagelessDevice(RefString::fromUtf8(Fs1rLibraries::instrumentId),
          cacheFolder.isEmpty() ? 0u : std::uint32_t(Fs1rLibraries::count), Fs1rMemoryLayout::pageCapacity, settings,
          &userInterface),
      withFinder_(withFinder), cacheFolder_(cacheFolder)
{
}

bool Fs1rTestDevice::setup(wxWindow* parent)
{
    const bool librariesOpened = Device::setup(parent);
    if (withFinder_)
        Fs1rSysexProtocol::createParameterRequest(createDeviceFinder().requestMessage());
    return librariesOpened;
}

std::vector<PackedAddress> Fs1rTestDevice::probeAddresses() const
{
    return Fs1rSysexProtocol::probeAddresses();
}

std::int32_t Fs1rTestDevice::maxSysexSize() const
{
    return Fs1rSysexProtocol::maxSysexSize;
}

std::int32_t Fs1rTestDevice::dumpOverhead() const
{
    return Fs1rSysexProtocol::dumpOverhead;
}

void Fs1rTestDevice::buildAddressMap()
{
    Fs1rMemoryLayout::buildAddressMap(addressMap());
}

void Fs1rTestDevice::setupSysexProtocol()
{
    const Fs1rSysexProtocol protocol;
    bulkDumpTemplate() = protocol.bulkDump();
    parameterChangeTemplate() = protocol.parameterChange();
    MidiInterface& midi = *midiInterface();
    Fs1rSysexProtocol::createParameterChange(midi.parameterChangeMessage());
    Fs1rSysexProtocol::createParameterRequest(midi.parameterRequestMessage());
    Fs1rSysexProtocol::createDumpRequest(midi.dumpRequestMessage());
}

bool Fs1rTestDevice::setupLibraries()
{
    return cacheFolder_.isEmpty() || Fs1rLibraries::setup(libraries().first<Fs1rLibraries::count>(), cacheFolder_);
}
