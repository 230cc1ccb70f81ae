#include "tests/device/DeviceFixture.h"

#include "midi/MidiInterface.h"
#include "tests/support/EventPump.h"
#include "tests/support/PortInfo.h"

DeviceFixture::DeviceFixture()
    : backend(std::make_shared<LoopbackMidiBackend>()), settingsRoot(XmlRootElement::create(RefString(u"Settings"))),
      settings(settingsRoot->child(RefString(u"YAMAHA_FS1R")))
{
    backend->addPortPair(silentPort, [](const std::uint8_t*, std::size_t) {});
    simulator_ = std::make_unique<SimulatorConnection>(backend);
    previousBackend_ = MidiBackend::install(backend);
}

DeviceFixture::~DeviceFixture()
{
    device.reset();
    MidiBackend::install(previousBackend_);
}

void DeviceFixture::makeDevice(bool withFinder)
{
    device = std::make_unique<Fs1rTestDevice>(settings, ui, withFinder);
    ASSERT_TRUE(device->setup(nullptr));
}

void DeviceFixture::savePorts(const std::string& input, const std::string& output, int deviceId)
{
    const XmlElement midiConfig = settings.child(RefString(u"midi_config"));
    midiConfig.setIntAttribute(RefString(u"deviceID"), deviceId);
    if (!input.empty())
        writeMidiPortElement(midiConfig.child(RefString(u"input")), portInfo(MidiDeviceKind::input, input));
    if (!output.empty())
        writeMidiPortElement(midiConfig.child(RefString(u"output")), portInfo(MidiDeviceKind::output, output));
}

bool DeviceFixture::waitForOutcome()
{
    return pumpEventsUntil([this] { return device->connections > 0 || !ui.messages.empty(); });
}

std::string DeviceFixture::failureText(const std::string& message)
{
    return message
        + " Please:\n\n"
          "- Check your MIDI cables connections (or virtual cables if you use any)\n"
          "- Check that your device is switched on\n"
          "- Check that the system exclusive messages reception and transmission are both enabled on the device\n"
          "- Check the MIDI settings here in the system panel\n"
          "- The device may be malfunctioning. Power it off and then on again.\n\n"
          "You may use the auto-detection command or set the MIDI ports manually and use the test command.\n";
}
