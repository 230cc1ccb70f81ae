#include "Fs1rDeviceFixture.h"

#include "midi/MidiInterface.h"
#include "patches/PatchLibrary.h"
#include "tests/support/EventPump.h"
#include "tests/support/PortInfo.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::uint8_t checksumMask = 0x7F;

std::string waitingFor(PackedAddress address)
{
    char text[64];
    std::snprintf(text, sizeof text, "start Waiting for SYSEX data from address %X -1", address);
    return text;
}

} // namespace

Fs1rDeviceFixture::Fs1rDeviceFixture()
    : backend(std::make_shared<LoopbackMidiBackend>()), settingsRoot(XmlRootElement::create(RefString(u"Settings"))),
      settings(settingsRoot->child(RefString(u"YAMAHA_FS1R")))
{
    simulator_ = std::make_unique<SimulatorConnection>(backend);
    previousBackend_ = MidiBackend::install(backend);
}

Fs1rDeviceFixture::~Fs1rDeviceFixture()
{
    device.reset();
    MidiBackend::install(previousBackend_);
}

void Fs1rDeviceFixture::connect()
{
    const XmlElement midiConfig = settings.child(RefString(u"midi_config"));
    writeMidiPortElement(midiConfig.child(RefString(u"input")),
        portInfo(MidiDeviceKind::input, SimulatorConnection::defaultPortName));
    writeMidiPortElement(midiConfig.child(RefString(u"output")),
        portInfo(MidiDeviceKind::output, SimulatorConnection::defaultPortName));
    device = std::make_unique<Fs1rDevice>(panels, settings, &ui, RefString::fromUtf8((folder.path() / "").string()));
    device->setup(nullptr);
    device->connect();
    ASSERT_TRUE(pumpEventsUntil([this] { return log.contains("Connection done. Request the device settings"); }));
    ASSERT_TRUE(settle());
}

bool Fs1rDeviceFixture::settle()
{
    const MidiInterface& midi = *device->midiInterface();
    // Sends leave on the outputs' own threads: the instrument has them only
    // once the loopback is idle too.
    return pumpEventsUntil([this, &midi] {
        return !midi.isWaitingForReply() && !midi.isReceivingDump() && midi.queuedDumpRequests() == 0
            && backend->waitUntilIdle(std::chrono::milliseconds(0));
    });
}

std::filesystem::path Fs1rDeviceFixture::cacheFile(const std::string& name) const
{
    return folder.path() / "YAMAHA_FS1R" / name;
}

int Fs1rDeviceFixture::requestsFor(PackedAddress address) const
{
    return int(std::count(ui.waitCalls.begin(), ui.waitCalls.end(), waitingFor(address)));
}

std::string Fs1rDeviceFixture::bulkDump(PackedAddress address, const std::vector<std::uint8_t>& data)
{
    const std::uint8_t header[] = {0xF0, 0x43, 0x00, 0x5E, std::uint8_t(data.size() >> 7),
        std::uint8_t(data.size() & checksumMask), std::uint8_t(address >> 16), std::uint8_t(address >> 8),
        std::uint8_t(address)};
    std::string message(std::begin(header), std::end(header));
    std::uint32_t sum = 0;
    for (std::size_t i = 4; i < message.size(); ++i)
        sum += std::uint8_t(message[i]);
    for (std::uint8_t byte : data) {
        message += char(byte);
        sum += byte;
    }
    message += char((0x80 - (sum & checksumMask)) & checksumMask);
    message += char(0xF7);
    return message;
}
