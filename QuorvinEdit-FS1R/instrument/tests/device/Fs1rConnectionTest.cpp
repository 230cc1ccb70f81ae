// What the FS1R device does once the instrument answers: the system
// settings it asks for and applies, and the current performance it restores
// and keeps across runs.
#include "Fs1rDeviceFixture.h"

#include "instrument/Fs1rMemoryLayout.h"
#include "params/Parameter.h"
#include "tests/support/EventPump.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes bankMsb{0xB0, 0x00, 63};

} // namespace

class Fs1rConnectionTest : public Fs1rDeviceFixture {};

TEST_F(Fs1rConnectionTest, ConnectingReadsTheSystemSettingsAndSendsTheSavedPerformance)
{
    settings.setIntAttribute(RefString(u"CurrentPerformance/bank"), 2);
    settings.setIntAttribute(RefString(u"CurrentPerformance/number"), 5);
    connect();
    EXPECT_EQ(panels.shown, Fs1rPanels::performancePage);
    EXPECT_EQ(requestsFor(Fs1rMemoryLayout::systemDumpAddress), 1);
    EXPECT_EQ(std::uint32_t(device->readValue(Fs1rMemoryLayout::voiceLimitAddress)),
        *instrument().parameterValue(Fs1rMemoryLayout::voiceLimitAddress));
    // The bank select's MSB goes before its LSB, the program change last.
    EXPECT_THAT(instrument().receivedShortMessages(), ElementsAre(bankMsb, Bytes{0xB0, 0x20, 0x42}, Bytes{0xC0, 5}));

    device->disconnect();
    settings.setIntAttribute(RefString(u"CurrentPerformance/bank"), 0);
    device->onDisconnect();
    EXPECT_EQ(settings.getIntAttribute(RefString(u"CurrentPerformance/bank"), -1), 2);
    EXPECT_EQ(settings.getIntAttribute(RefString(u"CurrentPerformance/number"), -1), 5);
}

TEST_F(Fs1rConnectionTest, AFirstConnectionSelectsTheFirstPerformance)
{
    connect();
    EXPECT_THAT(instrument().receivedShortMessages(), ElementsAre(bankMsb, Bytes{0xB0, 0x20, 0x40}, Bytes{0xC0, 0}));
}

TEST_F(Fs1rConnectionTest, TheVoiceLimitAndTheFseqBankFollowEverySystemDump)
{
    instrument().editParameter(Fs1rMemoryLayout::voiceLimitAddress, 0);
    connect();
    EXPECT_FALSE(panels.voicesLimited);
    EXPECT_FALSE(device->internalVoiceLimit());
    EXPECT_EQ(panels.fseqBank->minimum(), 1);
    EXPECT_EQ(panels.fseqBank->allowedMinimum(), 1);

    // The user sets the instrument to 64 voices and tests the settings.
    instrument().editParameter(Fs1rMemoryLayout::voiceLimitAddress, Fs1rDevice::limitedVoicesSetting);
    device->onConnected();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(panels.voicesLimited);
    EXPECT_EQ(device->internalVoiceLimit(), Fs1rDevice::limitedVoiceCount);
    EXPECT_EQ(panels.fseqBank->minimum(), 0);
}

TEST_F(Fs1rConnectionTest, UnansweredSystemRequestsDoNotPileUpSettingsCallbacks)
{
    connect();
    instrument().setFaults({.silent = true});
    device->onConnected();
    ASSERT_TRUE(settle());
    device->onConnected();
    ASSERT_TRUE(settle());
    instrument().setFaults({});
    log.clear();
    device->onConnected();
    ASSERT_TRUE(settle());
    EXPECT_EQ(log.countStartingWith("System settings received"), 1);
}

TEST_F(Fs1rConnectionTest, PageCommandsGoToThePageThatShows)
{
    connect();
    device->showPanel(7);
    EXPECT_EQ(device->currentPanel(), Fs1rPanels::performancePage);
    device->showPanel(4);
    EXPECT_EQ(device->getCurrentPart(), 3);
    device->showPanel(Fs1rPanels::systemPage);
    EXPECT_EQ(device->getCurrentPart(), Fs1rParts::shownPage);

    Parameter& number = *device->currentPerformanceNumber();
    number.setValue(flagsUserEdit, 9);
    device->undo(Device::shownPanel);
    EXPECT_EQ(number.getValue(), 9);
    device->undo(Fs1rPanels::performancePage);
    EXPECT_EQ(number.getValue(), 0);
    panels.shown = Fs1rPanels::noPage;
    device->redo(Device::shownPanel);
    EXPECT_EQ(number.getValue(), 0);
}
