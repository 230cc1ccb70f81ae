#include "tests/midiinterface/TestDevice.h"

#include "tests/midiinterface/Fs1rTestProtocol.h"

#include <wx/thread.h>

namespace {

constexpr PackedAddress firstProbeAddress = 0x000047;

} // namespace

TestDevice::TestDevice(bool withEntries) : map(Fs1rTestProtocol::pageCapacity), sink_(map)
{
    Fs1rTestProtocol::buildAddressMap(map, withEntries);
}

std::int32_t TestDevice::maxSysexSize() const
{
    return Fs1rTestProtocol::maxSysexSize;
}

std::int32_t TestDevice::dumpOverhead() const
{
    return Fs1rTestProtocol::dumpOverhead;
}

std::vector<PackedAddress> TestDevice::probeAddresses() const
{
    return {firstProbeAddress, 0x000000};
}

std::int32_t TestDevice::hardwareWaitMs() const
{
    return Fs1rTestProtocol::hardwareWaitMs;
}

void TestDevice::noteThread()
{
    if (!wxIsMainThread())
        ++callsOffGuiThread;
}

void TestDevice::onConnected()
{
    noteThread();
    ++connected;
}

void TestDevice::onCommunicationNok()
{
    noteThread();
    ++communicationNok;
}

void TestDevice::onDumpReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> message)
{
    noteThread();
    dumpsReceived.emplace_back(dumpAddress, message.size());
}

void TestDevice::showWaitingForSysex(PackedAddress address)
{
    noteThread();
    waitingFor.push_back(address);
}

void TestDevice::showReceivingSysex(PackedAddress address, std::int32_t size)
{
    noteThread();
    receiving.emplace_back(address, size);
}

void TestDevice::abortWait(const RefString& message, bool showFailure)
{
    noteThread();
    aborts.push_back({message, showFailure});
}

void TestDevice::parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags)
{
    noteThread();
    sink_.parameterReceived(address, value, flags);
}

std::size_t TestDevice::bytesReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes,
    std::uint32_t flags)
{
    noteThread();
    return sink_.bytesReceived(dumpAddress, bytes, flags);
}
