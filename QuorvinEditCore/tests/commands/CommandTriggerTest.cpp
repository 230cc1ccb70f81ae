// Which set-value flag words make a command run. A button is pressed with
// the user-edit word; the other words reach command parameters through page
// building, resets, loads and received data, where a save must never start
// by itself.
#include "commands/FindDeviceCommandParameter.h"
#include "commands/LoadPatchCommandParameter.h"
#include "commands/RequestDataCommandParameter.h"
#include "commands/SaveToDeviceCommandParameter.h"
#include "commands/SaveToFileCommandParameter.h"
#include "commands/ShowPanelParameter.h"
#include "midi/MidiInterface.h"
#include "tests/commands/CommandTestDevice.h"

#include <gmock/gmock.h>

#include <set>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr std::pair<const char*, std::uint32_t> flagWords[] = {{"construct", flagsConstruct},
    {"userReset", flagsUserReset}, {"userEdit", flagsUserEdit}, {"fileLoad", flagsFileLoad},
    {"patchLoad", flagsPatchLoad}, {"quietInit", flagsQuietInit}, {"connect", flagsConnect},
    {"deviceCommand", flagsDeviceCommand}, {"sysexReceived", flagsSysexReceived}};

constexpr std::int32_t performancePage = 1;
constexpr std::int32_t voicePage = 3;

} // namespace

class CommandTriggerTest : public CommandFixture {};

TEST_F(CommandTriggerTest, EachDeviceCommandRunsOnceOnTheFlagWordsThatCarryItsTrigger)
{
    CommandTestDevice& d = makeCommandDevice();
    struct Case {
        std::unique_ptr<Parameter> command;
        std::string call;
        std::set<std::string> runningWords;
    };
    Case cases[] = {
        {std::make_unique<SaveToFileCommandParameter>(d, 5), "saveToFile 1 5", {"userEdit"}},
        {std::make_unique<SaveToDeviceCommandParameter>(d, 2), "saveToDevice 2", {"userEdit"}},
        // A performance that arrives from the cache or the instrument loads
        // the voices it names, so loads run on those words too.
        {std::make_unique<LoadPatchCommandParameter>(d, 0), "loadCurrentPatch 0",
            {"userReset", "userEdit", "fileLoad", "patchLoad", "quietInit", "connect", "sysexReceived"}},
        {std::make_unique<ShowPanelParameter>(d, voicePage), "showPanel 3",
            {"userEdit", "fileLoad", "patchLoad", "connect", "sysexReceived"}},
    };
    for (Case& c : cases) {
        for (const auto& [name, flags] : flagWords) {
            d.calls.clear();
            d.shown = performancePage;
            c.command->setValue(flags, 0);
            const auto expected = c.runningWords.contains(name) ? std::vector{c.call} : std::vector<std::string>{};
            EXPECT_EQ(d.calls, expected) << c.call << " on " << name;
        }
    }
}

TEST_F(CommandTriggerTest, AShowPageButtonReadsPressedOnItsOwnPageWhereItDoesNothing)
{
    CommandTestDevice& d = makeCommandDevice();
    ShowPanelParameter button(d, voicePage);
    EXPECT_EQ(button.getValue(), 1);
    button.setValue(flagsUserEdit, 0);
    EXPECT_EQ(button.getValue(), 0);
    button.setValue(flagsUserEdit, 1);
    EXPECT_THAT(d.calls, ElementsAre("showPanel 3"));
}

TEST_F(CommandTriggerTest, AutoDetectAndTestSettingsStartOnlyWhenPressed)
{
    makeCommandDevice();
    MidiInterface& midi = *device->midiInterface();
    FindDeviceCommandParameter autoDetect(*device);
    RequestDataCommandParameter testSettings(midi);
    for (const std::uint32_t flags : {flagsConstruct, flagsDeviceCommand}) {
        autoDetect.setValue(flags, 0);
        testSettings.setValue(flags, 0);
    }
    EXPECT_FALSE(midi.isProbing());
    EXPECT_THAT(ui.waitCalls, IsEmpty());
    testSettings.setValue(flagsUserEdit, 0);
    EXPECT_TRUE(midi.isProbing());
    EXPECT_TRUE(midi.isWaitingForReply());
    autoDetect.setValue(flagsUserEdit, 0);
    EXPECT_THAT(ui.waitCalls, ElementsAre("start Searching for the device... -1"));
}
