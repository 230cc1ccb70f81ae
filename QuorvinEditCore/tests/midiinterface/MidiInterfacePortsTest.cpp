// Port slots that share one open device, and the "midi_config" element.
#include "tests/midiinterface/MidiInterfaceFixture.h"

#include "files/SettingsFile.h"
#include "midi/MidiInPort.h"
#include "midi/MidiOutPort.h"
#include "tests/support/TempFolder.h"
#include "xml/XmlRootElement.h"

namespace {

class MidiInterfacePortsTest : public MidiInterfaceFixture {
protected:
    MidiDeviceInfo in(const std::string& name) const { return portInfo(MidiDeviceKind::input, name); }
    MidiDeviceInfo out(const std::string& name) const { return portInfo(MidiDeviceKind::output, name); }
};

TEST_F(MidiInterfacePortsTest, SlotsNamingOneDeviceShareAPortThatStaysOpenWhileUsed)
{
    ASSERT_EQ(midi->openKeyboardInput(0, in(keyboardPort)), MidiPortError::ok);
    ASSERT_EQ(midi->openKeyboardInput(1, in(keyboardPort)), MidiPortError::ok);
    ASSERT_EQ(midi->openInPort(controlSets[0]->inputSlot, in(keyboardPort)), MidiPortError::ok);
    MidiInPort* shared = midi->keyboardInput(0);
    EXPECT_EQ(midi->keyboardInput(1), shared);
    EXPECT_EQ(controlSets[0]->input(), shared);
    EXPECT_EQ(log.count("MIDI: INPUT Keyboard: Open"), 1);

    ASSERT_EQ(midi->openKeyboardInput(0, in(sparePort)), MidiPortError::ok);
    EXPECT_TRUE(shared->isOpen());
    ASSERT_EQ(midi->openKeyboardInput(1, MidiDeviceInfo::none()), MidiPortError::ok);
    EXPECT_TRUE(shared->isOpen()) << "the control set still listens on it";
    ASSERT_EQ(midi->openInPort(controlSets[0]->inputSlot, MidiDeviceInfo::none()), MidiPortError::ok);
    EXPECT_FALSE(shared->isOpen());
    EXPECT_EQ(midi->keyboardInput(1), nullptr);
    EXPECT_EQ(midi->findControlSetByInput(shared), nullptr);
}

TEST_F(MidiInterfacePortsTest, OutputSharedWithAControlSetStaysOpenWhenTheDeviceMoves)
{
    ASSERT_EQ(midi->openCurrentOutput(out(sparePort)), MidiPortError::ok);
    ASSERT_EQ(midi->openOutPort(controlSets[1]->outputSlot, out(sparePort)), MidiPortError::ok);
    MidiOutPort* shared = midi->currentOutput();
    EXPECT_EQ(controlSets[1]->output(), shared);
    EXPECT_EQ(midi->findControlSetByOutput(shared), controlSets[1]);
    ASSERT_EQ(midi->openCurrentOutput(out(SimulatorConnection::defaultPortName)), MidiPortError::ok);
    EXPECT_TRUE(shared->isOpen());
    EXPECT_NE(midi->currentOutput(), shared);
}

TEST_F(MidiInterfacePortsTest, FailedOpenLeavesAClosedPortInTheSlot)
{
    EXPECT_EQ(midi->openKeyboardInput(2, in("Unplugged")), MidiPortError::deviceNotFound);
    ASSERT_NE(midi->keyboardInput(2), nullptr);
    EXPECT_FALSE(midi->keyboardInput(2)->isOpen());
    EXPECT_EQ(log.count("MIDI: INPUT Unplugged: Open"), 0);
    EXPECT_EQ(midi->openKeyboardInput(7, in(keyboardPort)), MidiPortError::ok);
    EXPECT_EQ(midi->keyboardInput(7), nullptr);
}

TEST_F(MidiInterfacePortsTest, ReopeningASlotReusesItsIdlePort)
{
    ASSERT_EQ(midi->openKeyboardInput(0, in(keyboardPort)), MidiPortError::ok);
    MidiInPort* const first = midi->keyboardInput(0);
    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(midi->openKeyboardInput(0, in(round % 2 == 0 ? sparePort : keyboardPort)), MidiPortError::ok);
        EXPECT_EQ(midi->keyboardInput(0), first) << round;
        EXPECT_TRUE(first->isOpen());
    }
}

class MidiConfigTest : public MidiInterfacePortsTest {
protected:
    RefString settingsPath() const { return folder_.file("settings.xml"); }

private:
    TempFolder folder_{"midiconfig"};
};

TEST_F(MidiConfigTest, SettingsRoundTripThroughTheSettingsFile)
{
    connect();
    midi->setDeviceId(9);
    ASSERT_EQ(midi->openKeyboardInput(0, in(keyboardPort)), MidiPortError::ok);
    ASSERT_EQ(midi->openKeyboardInput(2, in(sparePort)), MidiPortError::ok);
    for (std::size_t i = 0; i < MidiInterface::controlSetCount; ++i)
        controlSets[i]->name = RefString::fromUtf8("Surface " + std::to_string(i));
    {
        SettingsFile file(settingsPath());
        ASSERT_TRUE(file.load().loaded);
        midi->saveMidiSettings(file.deviceElement(RefString(u"YAMAHA_FS1R")).child(RefString(u"midi_config")));
        ASSERT_TRUE(file.save());
    }
    midi->closeAllPorts();

    SettingsFile file(settingsPath());
    ASSERT_TRUE(file.load().loaded);
    const XmlElement config = file.deviceElement(RefString(u"YAMAHA_FS1R")).child(RefString(u"midi_config"));
    EXPECT_EQ(config.getIntAttribute(RefString(u"deviceID"), -1), 9);
    EXPECT_EQ(config.getAttribute(RefString(u"input/name"), RefString()), RefString(u"FS1R simulator"));
    EXPECT_EQ(config.getIntAttribute(RefString(u"input/mid"), -1), 0);
    EXPECT_EQ(config.getIntAttribute(RefString(u"output/pid"), -1), 0);
    // Slots 0 and 2 were used: two elements, which fill slots 0 and 1 on loading.
    const std::vector<XmlElement> keyboards = config.children(RefString(u"kb_input"));
    ASSERT_EQ(keyboards.size(), 2u);
    EXPECT_EQ(keyboards[1].getAttribute(RefString(u"name"), RefString()), RefString(u"Spare"));
    EXPECT_EQ(config.children(RefString(u"control_set")).size(), 4u);

    auto restored = std::make_unique<MidiInterface>(device, [](MidiInterface&) {
        return std::make_unique<TestControlSet>();
    });
    restored->openSavedPorts(config);
    EXPECT_EQ(restored->deviceId(), 9);
    EXPECT_TRUE(restored->currentInput()->isOpen());
    EXPECT_TRUE(restored->currentOutput()->isOpen());
    ASSERT_NE(restored->keyboardInput(1), nullptr);
    EXPECT_EQ(restored->keyboardInput(0)->openDescription().name(), RefString(u"Keyboard"));
    EXPECT_EQ(restored->keyboardInput(1)->openDescription().name(), RefString(u"Spare"));
    EXPECT_EQ(restored->keyboardInput(2), nullptr);
    for (std::size_t i = 0; i < MidiInterface::controlSetCount; ++i) {
        EXPECT_EQ(static_cast<TestControlSet&>(restored->controlSet(i)).name,
            RefString::fromUtf8("Surface " + std::to_string(i)));
    }
}

TEST_F(MidiConfigTest, ClosedPortsLeaveEmptyElementsThatOpenNothing)
{
    SettingsFile file(settingsPath());
    ASSERT_TRUE(file.load().loaded);
    const XmlElement saved = file.root().child(RefString(u"midi_config"));
    midi->saveMidiSettings(saved);
    EXPECT_TRUE(saved.children(RefString(u"kb_input")).empty());
    ASSERT_EQ(saved.children(RefString(u"input")).size(), 1u);
    EXPECT_EQ(saved.getAttribute(RefString(u"input/name"), RefString(u"absent")), RefString(u"absent"));
    EXPECT_EQ(saved.getAttribute(RefString(u"input/mid"), RefString(u"absent")), RefString(u"absent"));

    const auto config = XmlRootElement::create(RefString(u"midi_config"));
    config->addChild(RefString(u"input"));
    midi->setDeviceId(4);
    midi->openSavedPorts(*config);
    EXPECT_EQ(midi->deviceId(), 0);
    EXPECT_FALSE(midi->currentInput()->isOpen());
    EXPECT_FALSE(midi->currentOutput()->isOpen());
    // Reading adds nothing that was missing.
    EXPECT_TRUE(config->children(RefString(u"output")).empty());
}

TEST_F(MidiConfigTest, KeyboardElementsPastTheFourthAreIgnored)
{
    const auto root = XmlRootElement::create(RefString(u"midi_config"));
    for (int i = 0; i < 6; ++i)
        writeMidiPortElement(root->addChild(RefString(u"kb_input")), in(i % 2 == 0 ? keyboardPort : sparePort));
    midi->openKeyboardInputsAndControlSet(*root);
    for (std::size_t i = 0; i < MidiInterface::keyboardInputCount; ++i)
        EXPECT_TRUE(midi->keyboardInput(i) != nullptr && midi->keyboardInput(i)->isOpen()) << i;
    EXPECT_EQ(log.count("MIDI: INPUT Keyboard: Open"), 1);
}

TEST_F(MidiConfigTest, DriverIdsOutsideSixteenBitsReadAsZero)
{
    const auto element = XmlRootElement::create(RefString(u"input"));
    element->setIntAttribute(RefString(u"mid"), 70000);
    element->setIntAttribute(RefString(u"pid"), -2);
    element->setAttribute(RefString(u"name"), RefString(u"Keyboard"));
    const MidiDeviceInfo description = readMidiPortElement(*element, MidiDeviceKind::input);
    EXPECT_EQ(description.manufacturerId(), 0);
    EXPECT_EQ(description.productId(), 0);
    EXPECT_EQ(description.name(), RefString(u"Keyboard"));
}

} // namespace
