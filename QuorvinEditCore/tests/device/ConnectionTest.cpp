// The connection procedure end to end over loopback ports against the
// simulated FS1R: the probe on saved ports, the search when they do not both
// open, and the boxes that tell the user what went wrong.
#include "midi/MidiInPort.h"
#include "midi/MidiInterface.h"
#include "midi/MidiOutPort.h"
#include "tests/device/DeviceFixture.h"
#include "tests/support/EventPump.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

constexpr const char* caption = "YAMAHA_FS1R";
constexpr const char* searching = "start Searching for the device... -1";

std::string portName(const MidiPort* port)
{
    return port != nullptr ? port->openDescription().name().toUtf8() : std::string();
}

} // namespace

class DeviceConnectionTest : public DeviceFixture {};

TEST_F(DeviceConnectionTest, SavedPortsThatAnswerTheProbeConnectWithoutASearch)
{
    savePorts(fs1rPort, fs1rPort);
    makeDevice();
    device->connect();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(device->connections, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.waitCalls.empty());
    EXPECT_FALSE(log.contains("Find the device"));
    EXPECT_TRUE(log.find("Communication OK")->onGuiThread);
}

TEST_F(DeviceConnectionTest, ASavedInputWithoutOutputSearchesAndConnectsWhereTheInstrumentAnswers)
{
    instrument().setDeviceNumber(7);
    savePorts(silentPort, "");
    makeDevice();
    device->connect();
    ASSERT_TRUE(waitForOutcome());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, caption);
    EXPECT_EQ(ui.messages[0].text, "The device was found - MIDI connection is done");
    EXPECT_EQ(device->connections, 1);
    MidiInterface& midi = *device->midiInterface();
    EXPECT_EQ(midi.deviceId(), 7);
    EXPECT_EQ(portName(midi.currentInput()), fs1rPort);
    EXPECT_EQ(portName(midi.currentOutput()), fs1rPort);
    EXPECT_THAT(ui.waitCalls, ElementsAre(searching, "finish 1800"));
}

TEST_F(DeviceConnectionTest, NoAnswerAnywhereShowsTheNotFoundAdviceAndTheSettingsPage)
{
    instrument().setFaults({.silent = true});
    makeDevice();
    device->connect();
    ASSERT_TRUE(waitForOutcome());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, caption);
    EXPECT_EQ(ui.messages[0].text,
        failureText("The MIDI communication could not be established: the device was not found."));
    EXPECT_THAT(device->shownPanels, ElementsAre(Device::settingsPanel));
    EXPECT_THAT(ui.waitCalls, ElementsAre(searching, "finish 0"));
    EXPECT_EQ(device->connections, 0);
}

TEST_F(DeviceConnectionTest, AnUnansweredProbeShowsTheNotWorkingAdvice)
{
    instrument().setFaults({.silent = true});
    savePorts(fs1rPort, fs1rPort);
    makeDevice();
    device->connect();
    ASSERT_TRUE(waitForOutcome());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, failureText("The MIDI communication is not working."));
    EXPECT_THAT(device->shownPanels, ElementsAre(Device::settingsPanel));
    EXPECT_FALSE(log.contains("Find the device"));
}

// The instrument answered the search, but its ports will not open for the
// editor: the user must hear of it rather than wait for nothing.
TEST_F(DeviceConnectionTest, FoundPortsThatFailToOpenAreReportedAndDoNotConnect)
{
    makeDevice();
    device->connect();
    backend->setOpenError(fs1rPort, MidiPortError::portNotAvailable);
    ASSERT_TRUE(waitForOutcome());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, failureText("The MIDI communication could not be established: the ports of "
                                               "the device could not be opened."));
    EXPECT_EQ(device->connections, 0);
    EXPECT_THAT(device->shownPanels, ElementsAre(Device::settingsPanel));
}

TEST_F(DeviceConnectionTest, WithoutAFinderConnectShowsTheInternalErrorAndOpensNothing)
{
    savePorts(fs1rPort, fs1rPort);
    makeDevice(false);
    device->connect();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, caption);
    EXPECT_EQ(ui.messages[0].text, "INTERNAL ERROR:\nThe device finder was not set.");
    EXPECT_FALSE(device->midiInterface()->currentInput()->isOpen());
    EXPECT_FALSE(device->midiInterface()->currentOutput()->isOpen());
}

TEST_F(DeviceConnectionTest, WithNoPortInstalledTheFinderFailureIsShownWithTheSettingsPage)
{
    backend->removePortPair(silentPort);
    backend->removePortPair(fs1rPort);
    makeDevice();
    device->connect();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The device finder failed.\nThis may be because you do not have any MIDI port "
                                   "installed on your computer.");
    EXPECT_THAT(device->shownPanels, ElementsAre(Device::settingsPanel));
    EXPECT_TRUE(ui.waitCalls.empty());
}

// The next start must find the instrument where the search found it, under
// its device number, without searching again.
TEST_F(DeviceConnectionTest, DisconnectWritesTheFoundConnectionIntoMidiConfigForTheNextStart)
{
    instrument().setDeviceNumber(7);
    makeDevice();
    device->connect();
    ASSERT_TRUE(waitForOutcome());
    const int disconnectionsBefore = device->disconnections;
    device->disconnect();
    EXPECT_EQ(device->disconnections, disconnectionsBefore + 1);
    MidiInterface& midi = *device->midiInterface();
    EXPECT_FALSE(midi.currentInput()->isOpen());
    EXPECT_FALSE(midi.currentOutput()->isOpen());
    const XmlElement midiConfig = settings.child(RefString(u"midi_config"));
    EXPECT_EQ(midiConfig.getIntAttribute(RefString(u"deviceID"), -1), 7);
    EXPECT_EQ(midiConfig.getAttribute(RefString(u"input/name"), RefString()).toUtf8(), fs1rPort);
    EXPECT_EQ(midiConfig.getAttribute(RefString(u"output/name"), RefString()).toUtf8(), fs1rPort);

    device.reset();
    ui.messages.clear();
    log.clear();
    makeDevice();
    device->connect();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(device->connections, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(log.contains("Find the device"));
}
