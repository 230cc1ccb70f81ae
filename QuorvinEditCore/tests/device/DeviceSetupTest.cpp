// What the device's setup leaves behind and what its wait dialog and
// libraries go through: control-set dialogs behind their parameters, the
// wait texts of a dump, the reply time-out, and library indexes at the end.
#include "device/ActionParameter.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexProtocol.h"
#include "midi/MidiInterface.h"
#include "params/SetValueFlags.h"
#include "tests/device/DeviceFixture.h"
#include "tests/support/EventPump.h"
#include "tests/support/TempFolder.h"

#include <gmock/gmock.h>

#include <filesystem>

using ::testing::ElementsAre;

class DeviceSetupTest : public DeviceFixture {};

// Every set runs the dialog, whatever the flags: the system page's button
// sets it with the user-edit flags, a reset with others.
TEST_F(DeviceSetupTest, ControlSetParametersOpenTheirOwnDialogOnEverySet)
{
    makeDevice();
    ActionParameter& second = *device->controlSetDialogParameter(1);
    second.setValue(flagsUserEdit, 0);
    second.setValue(flagsUserReset, 0);
    EXPECT_THAT(ui.dialogRuns, ElementsAre(0, 2, 0, 0));
    EXPECT_EQ(second.getValue(), 0);
    EXPECT_EQ(second.valueText(0).toUtf8(), "Control set 2");
    EXPECT_EQ(device->controlSetDialogParameter(Device::controlSetCount), nullptr);
}

// The instrument has nothing left to do once it has sent a dump: the wait
// ends with it.
TEST_F(DeviceSetupTest, ADumpShowsTheWaitingAndReceivingTextsThenEndsTheWait)
{
    savePorts(fs1rPort, fs1rPort);
    makeDevice();
    device->connect();
    ASSERT_TRUE(waitForOutcome());
    MidiInterface& midi = *device->midiInterface();
    ASSERT_TRUE(midi.requestDump(Fs1rMemoryLayout::systemDumpAddress));
    // The dump's start already stops the reply timer: wait for its end too.
    ASSERT_TRUE(pumpEventsUntil([&] { return !midi.isWaitingForReply() && !midi.isReceivingDump(); }));
    const std::int32_t size = Fs1rMemoryLayout::systemDumpSize + Fs1rSysexProtocol::dumpOverhead;
    EXPECT_THAT(ui.waitCalls,
        ElementsAre("start Waiting for SYSEX data from address 0 -1",
            "start Receiving SYSEX data from address 0\nTotal size: " + std::to_string(size) + " bytes "
                + std::to_string(size),
            "finish 0"));
}

TEST_F(DeviceSetupTest, AnUnansweredDumpRequestEndsTheWaitAndShowsTheNoResponseAdvice)
{
    savePorts(fs1rPort, fs1rPort);
    makeDevice();
    device->connect();
    ASSERT_TRUE(waitForOutcome());
    instrument().setFaults({.silent = true});
    ASSERT_TRUE(device->midiInterface()->requestDump(Fs1rMemoryLayout::performanceDumpAddress));
    ASSERT_TRUE(pumpEventsUntil([this] { return !ui.messages.empty(); }));
    EXPECT_EQ(ui.messages[0].text, failureText("No response from the MIDI device."));
    EXPECT_THAT(ui.waitCalls, ElementsAre("start Waiting for SYSEX data from address 100000 -1", "finish 0"));
    EXPECT_THAT(device->shownPanels, ElementsAre(Device::settingsPanel));
}

// Indexes are written when the device goes, so the next start keeps every
// library rather than starting them empty.
TEST_F(DeviceSetupTest, LibraryIndexesAreSavedWhenTheDeviceGoes)
{
    const TempFolder cache("device-libraries");
    const RefString cacheFolder = RefString::fromUtf8(cache.path().string() + "/");
    device = std::make_unique<Fs1rTestDevice>(settings, ui, true, cacheFolder);
    EXPECT_FALSE(device->setup(nullptr));
    device.reset();
    EXPECT_TRUE(std::filesystem::exists(cache / "YAMAHA_FS1R" / "voices.xml"));
    device = std::make_unique<Fs1rTestDevice>(settings, ui, true, cacheFolder);
    EXPECT_TRUE(device->setup(nullptr));
}
