// The instrument's ports set to "no port" leave their slots empty; saving
// and reopening the settings must cope with that, as they do on every
// disconnect and connect.
#include "tests/midiinterface/MidiInterfaceFixture.h"

#include "midi/MidiInPort.h"
#include "midi/MidiOutPort.h"
#include "xml/XmlRootElement.h"

namespace {

class MidiInterfaceEmptySlotTest : public MidiInterfaceFixture {};

TEST_F(MidiInterfaceEmptySlotTest, EmptiedCurrentPortsAreSavedAsNoPortAndReopenedFromSettings)
{
    const MidiDeviceInfo input = portInfo(MidiDeviceKind::input, SimulatorConnection::defaultPortName);
    const MidiDeviceInfo output = portInfo(MidiDeviceKind::output, SimulatorConnection::defaultPortName);
    ASSERT_EQ(midi->openCurrentInput(MidiDeviceInfo::none()), MidiPortError::ok);
    ASSERT_EQ(midi->openCurrentOutput(MidiDeviceInfo::none()), MidiPortError::ok);
    ASSERT_EQ(midi->currentInput(), nullptr);
    ASSERT_EQ(midi->currentOutput(), nullptr);

    const auto config = XmlRootElement::create(RefString(u"midi_config"));
    midi->saveMidiSettings(*config);
    ASSERT_EQ(config->children(RefString(u"input")).size(), 1u);
    ASSERT_EQ(config->children(RefString(u"output")).size(), 1u);
    EXPECT_EQ(config->getAttribute(RefString(u"input/name"), RefString(u"absent")), RefString(u"absent"));
    EXPECT_EQ(config->getAttribute(RefString(u"output/name"), RefString(u"absent")), RefString(u"absent"));

    writeMidiPortElement(config->children(RefString(u"input")).front(), input);
    writeMidiPortElement(config->children(RefString(u"output")).front(), output);
    midi->openSavedPorts(*config);
    ASSERT_NE(midi->currentInput(), nullptr);
    ASSERT_NE(midi->currentOutput(), nullptr);
    EXPECT_TRUE(midi->currentInput()->openDescription().matches(input));
    EXPECT_TRUE(midi->currentOutput()->openDescription().matches(output));
}

} // namespace
