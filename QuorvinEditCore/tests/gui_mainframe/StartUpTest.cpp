#include "device/Device.h"
#include "gui/EditorStartUp.h"
#include "tests/gui_mainframe/EditorFixture.h"
#include "tests/gui_mainframe/MessageBoxes.h"
#include "tests/support/EventPump.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LogCapture.h"
#include "xml/XmlFile.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

namespace {

using testing::ElementsAre;

constexpr char firstRunText[] = "It seems like you are running QuorvinEdit-FS1R for the first time.\nPlease read the "
                                "quick help on the system panel (See the View menu or press F1).\n\nEnjoy!";
constexpr char brokenSettingsText[] = "Error trying to open the settings file!\nThis file seems to be corrupted or "
                                      "locked by anoher application.\nYou may delete it. It will be automatically "
                                      "recreated, but you will loose your application settings.";

ino_t inodeOf(const std::filesystem::path& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// Turns the program's verbose traces on for as long as it lives.
class VerboseTraces {
public:
    VerboseTraces() : previous_(wxLog::GetVerbose()) { wxLog::SetVerbose(true); }
    ~VerboseTraces() { wxLog::SetVerbose(previous_); }

private:
    bool previous_;
};

std::vector<std::string> startUpTraces(LogCapture& log)
{
    std::vector<std::string> steps;
    for (const std::string& text : log.texts())
        if (text.starts_with("Start-up: "))
            steps.push_back(text.substr(std::string("Start-up: ").size()));
    return steps;
}

using StartUpTest = EditorFixture;

TEST_F(StartUpTest, FirstRunCreatesTheSettingsFileShowsTheNoticeLastAndSavesTheDeviceSettingsAtExit)
{
    const VerboseTraces verbose;
    LogCapture log;
    AnsweredMessageBoxes boxes;
    ASSERT_TRUE(startUp());

    const auto created = readXmlFile(RefString::fromUtf8(settingsPath().string()));
    ASSERT_NE(created, nullptr) << "a missing settings file is created at once";
    EXPECT_EQ(created->name().toUtf8(), "Settings");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "First time using QuorvinEdit-FS1R");
    EXPECT_EQ(boxes.boxes[0].text, firstRunText);
    EXPECT_THAT(startUpTraces(log), ElementsAre("Starting up...", "Loading the settings file",
                                        "Loading module TEST_DEVICE", "Adding panels of TEST_DEVICE"));
    // The splash shows each step while it runs; with no MIDI port the
    // connection (the search starts from a closed connection) ends on the
    // settings page.
    EXPECT_THAT(deviceType_.calls,
        ElementsAre("create under the splash text Loading module TEST_DEVICE",
            "setup under the splash text Adding panels of TEST_DEVICE", "onDisconnect", "showPanel 0"));
    ASSERT_EQ(deviceType_.userInterface.messages.size(), 1u);
    EXPECT_EQ(deviceType_.userInterface.messages[0].caption, "TEST_DEVICE");
    EXPECT_TRUE(pumpEventsUntil([] { return splashText() == "(no splash)"; })) << "the splash closes";

    const ino_t createdFile = inodeOf(settingsPath());
    choose(wxID_EXIT);
    ASSERT_TRUE(waitUntilClosed());
    shutDownEditor(settings_);

    const auto saved = readXmlFile(RefString::fromUtf8(settingsPath().string()));
    ASSERT_NE(saved, nullptr);
    EXPECT_FALSE(saved->child(RefString(u"TEST_DEVICE/midi_config")).isNull())
        << "the device's disconnection wrote its MIDI settings before the file was saved";
    EXPECT_NE(inodeOf(settingsPath()), createdFile) << "a new file replaces the old one whole";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(settingsPath().parent_path()), {}), 1)
        << "no temporary file is left beside it";
}

TEST_F(StartUpTest, BrokenSettingsFileStopsTheStartWithItsMessageAndIsLeftAsItWas)
{
    const std::string broken = "<Settings><TEST_DEVICE>";
    writeFile(settingsPath(), broken);
    bool started = true;
    wxTEST_DIALOG(started = startUp(), ExpectMessageBox(settingsPath().string(), brokenSettingsText));

    EXPECT_FALSE(started);
    EXPECT_EQ(frame_->device(), nullptr);
    EXPECT_TRUE(deviceType_.calls.empty()) << "no device is made";
    EXPECT_TRUE(pumpEventsUntil([] { return splashText() == "(no splash)"; })) << "the splash closes";
    shutDownEditor(settings_);
    EXPECT_EQ(readFile(settingsPath()), broken) << "the user's file is not overwritten at exit";
}

TEST_F(StartUpTest, LaterRunShowsNoNoticeAndKeepsWhatTheFileHeld)
{
    writeFile(settingsPath(), "<?xml version=\"1.0\"?>\n<Settings><Other keep=\"1\"/></Settings>\n");
    AnsweredMessageBoxes boxes;
    ASSERT_TRUE(startUp());
    EXPECT_TRUE(boxes.boxes.empty());

    frame_->Destroy();
    ASSERT_TRUE(waitUntilClosed());
    shutDownEditor(settings_);
    const auto saved = readXmlFile(RefString::fromUtf8(settingsPath().string()));
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->getAttribute(RefString(u"Other/keep"), RefString()).toUtf8(), "1");
    EXPECT_FALSE(saved->child(RefString(u"TEST_DEVICE/midi_config")).isNull());
}

} // namespace
