#include "tests/portparams/PortTestSupport.h"

#include "midi/DeviceMidiInParameter.h"
#include "midi/DeviceMidiOutParameter.h"
#include "midi/KeyboardMidiInParameter.h"
#include "midi/MidiInPort.h"
#include "midi/MidiOutPort.h"
#include "labels/LabelList.h"
#include "tests/support/PortInfo.h"

namespace {

std::string label(const Parameter& parameter, std::int32_t value)
{
    return parameter.valueLabels()->get(value).toUtf8();
}

} // namespace

TEST_F(PortParameterTest, WithoutPortsTheOnlyChoiceSaysSo)
{
    makeInterface();
    DeviceMidiInParameter parameter(*midi);

    EXPECT_EQ(parameter.minimum(), 0);
    EXPECT_EQ(parameter.maximum(), 0);
    EXPECT_EQ(parameter.valueLabels()->count(), 1u);
    EXPECT_EQ(label(parameter, 0), "NO MIDI PORT FOUND");
    EXPECT_EQ(parameter.getValue(), 0);
}

TEST_F(PortParameterTest, ValuesNamePortsAfterAnEmptyLeadingEntry)
{
    addPorts({"A", "B", "C"});
    makeInterface();
    DeviceMidiOutParameter parameter(*midi);

    EXPECT_EQ(parameter.maximum(), 3);
    EXPECT_EQ(label(parameter, 0), "");
    EXPECT_EQ(label(parameter, 2), "B");

    parameter.setValue(flagsUserEdit, 2);
    ASSERT_NE(midi->currentOutput(), nullptr);
    EXPECT_EQ(midi->currentOutput()->openDescription().name().toUtf8(), "B");
    EXPECT_EQ(parameter.getValue(), 2);

    MidiOutPort* const opened = midi->currentOutput();
    parameter.setValue(flagsUserEdit, 0);
    EXPECT_EQ(midi->currentOutput(), nullptr);
    EXPECT_FALSE(opened->isOpen());
    EXPECT_EQ(parameter.getValue(), 0);
}

TEST_F(PortParameterTest, OnlyAUserActionWithAValueOpensAPort)
{
    addPorts({"A", "B"});
    makeInterface();
    DeviceMidiInParameter parameter(*midi);

    parameter.setValue(flagsUserEdit & ~SetValueFlag::userAction, 1);
    parameter.apply(flagsUserEdit, Parameter::noValue);
    parameter.setValue(flagsConstruct, 2);

    EXPECT_EQ(parameter.getValue(), 0);
    EXPECT_FALSE(midi->currentInput() != nullptr && midi->currentInput()->isOpen());
}

TEST_F(PortParameterTest, KeyboardsNamingOneDeviceShareItsPort)
{
    addPorts({"Keys", "Pads"});
    makeInterface();
    KeyboardMidiInParameter first(*midi, 0);
    KeyboardMidiInParameter second(*midi, 1);

    first.setValue(flagsUserEdit, 1);
    second.setValue(flagsUserEdit, 1);
    EXPECT_EQ(midi->keyboardInput(0), midi->keyboardInput(1));

    first.setValue(flagsUserEdit, 0);
    EXPECT_EQ(first.getValue(), 0);
    EXPECT_EQ(second.getValue(), 1);
    EXPECT_TRUE(midi->keyboardInput(1)->isOpen());
}

TEST_F(PortParameterTest, AKeyboardIndexPastTheSlotsDrivesNothing)
{
    addPorts({"Keys"});
    makeInterface();
    KeyboardMidiInParameter beyond(*midi, MidiInterface::keyboardInputCount);

    beyond.setValue(flagsUserEdit, 1);

    EXPECT_EQ(beyond.getValue(), 0);
    EXPECT_EQ(midi->findOpenInPort(portInfo(MidiDeviceKind::input, "Keys")), nullptr);
}

TEST_F(PortParameterTest, APortThatFailedToOpenReadsAsNoPort)
{
    addPorts({"A", "Busy"});
    backend->setOpenError("Busy", MidiPortError::portNotAvailable);
    makeInterface();
    DeviceMidiInParameter parameter(*midi);

    parameter.setValue(flagsUserEdit, 2);

    EXPECT_EQ(parameter.getValue(), 0);
    EXPECT_EQ(log.countStartingWith("MIDI ERROR: INPUT Busy: "), 1);
}

TEST_F(PortParameterTest, AnOpenDeviceNoLongerListedReadsAsNoPort)
{
    addPorts({"A", "Gone"});
    makeInterface();
    DeviceMidiInParameter parameter(*midi);
    parameter.setValue(flagsUserEdit, 2);
    ASSERT_EQ(parameter.getValue(), 2);

    backend->removePortPair("Gone");
    parameter.refreshPortList(flagsUserEdit);

    EXPECT_TRUE(midi->currentInput()->isOpen());
    EXPECT_EQ(parameter.getValue(), 0);
    EXPECT_EQ(parameter.maximum(), 1);
}

// The lists are shared by every parameter of a kind: another parameter's
// refresh (or the device finder) shortens the list while this parameter's
// range still counts the old ports. Indexing by the stale range would read
// past the list's end or open a device nobody chose.
TEST_F(PortParameterTest, AStaleRangeNeverIndexesPastTheList)
{
    addPorts({"A", "B", "C"});
    makeInterface();
    DeviceMidiInParameter stale(*midi);
    backend->removePortPair("B");
    backend->removePortPair("C");
    KeyboardMidiInParameter fresh(*midi, 0);
    ASSERT_EQ(stale.maximum(), 3);
    ASSERT_EQ(fresh.maximum(), 1);

    stale.setValue(flagsUserEdit, 3);
    stale.setValue(flagsUserEdit | SetValueFlag::noClamp, 40);

    EXPECT_EQ(midi->findOpenInPort(portInfo(MidiDeviceKind::input, "A")), nullptr);
    EXPECT_EQ(stale.getValue(), 0);
    EXPECT_TRUE(log.contains("MIDI ERROR: No MIDI port 3 in the list of 1 ports"));
    EXPECT_TRUE(log.contains("MIDI ERROR: No MIDI port 40 in the list of 1 ports"));
}
