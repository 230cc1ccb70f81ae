#include "app/tests/gui_app/EditorFixture.h"
#include "gui/EditorStartUp.h"
#include "files/AtomicFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LeftTemporary.h"
#include "tests/support/LogCapture.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

namespace {

using testing::ElementsAre;

ino_t inodeOf(const std::filesystem::path& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// The texts the splash showed, from the start-up's traces.
std::vector<std::string> splashTexts(LogCapture& log)
{
    const std::string prefix = "Start-up: ";
    std::vector<std::string> texts;
    for (const std::string& line : log.texts())
        if (line.starts_with(prefix))
            texts.push_back(line.substr(prefix.size()));
    return texts;
}

using StartUpTest = EditorFixture;

TEST_F(StartUpTest, FirstRunCreatesTheSettingsFileEndsWithTheNoticeAndSavesTheDeviceSettingsAtExit)
{
    wxLog::SetVerbose(true);
    LogCapture log;
    AnsweredMessageBoxes boxes;
    ASSERT_TRUE(startUp(deviceType_));
    wxLog::SetVerbose(false);

    ASSERT_NE(savedSettings(), nullptr) << "a missing settings file is created at once";
    EXPECT_EQ(savedSettings()->name().toUtf8(), "Settings");
    EXPECT_THAT(splashTexts(log), ElementsAre("Starting up...", "Loading the settings file",
                                      "Loading module TEST_DEVICE", "Adding panels of TEST_DEVICE"));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "First time using QuorvinEdit-FS1R");
    EXPECT_TRUE(boxes.boxes[0].overShownMainWindow) << "the notice shows over the main window, not a screen corner";
    EXPECT_EQ(boxes.boxes[0].text, "It seems like you are running QuorvinEdit-FS1R for the first time.\nPlease read "
                                   "the quick help on the system panel (See the View menu or press F1).\n\nEnjoy!");
    ASSERT_EQ(deviceType_.userInterface.messages.size(), 1u) << "the device was connected";

    const ino_t createdFile = inodeOf(settingsPath());
    ASSERT_TRUE(exitProgram());
    EXPECT_THAT(deviceType_.calls, ElementsAre("onDisconnect", "destroy"));
    const auto saved = savedSettings();
    ASSERT_NE(saved, nullptr);
    EXPECT_FALSE(saved->child(RefString(u"TEST_DEVICE/midi_config")).isNull())
        << "what the device wrote when it was disconnected is saved";
    EXPECT_NE(inodeOf(settingsPath()), createdFile) << "a new file replaces the old one whole";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(settingsPath().parent_path()), {}), 1)
        << "no temporary file is left beside it";
}

TEST_F(StartUpTest, BrokenSettingsFileStopsTheStartWithItsMessageAndIsLeftAsItWas)
{
    const std::string broken = "<Settings><TEST_DEVICE>";
    writeFile(settingsPath(), broken);
    bool started = true;
    wxTEST_DIALOG(started = startUp(deviceType_),
        ExpectMessageBox(settingsPath().string(),
            "Error trying to open the settings file!\nThis file seems to be corrupted or locked by anoher "
            "application.\nYou may delete it. It will be automatically recreated, but you will loose your "
            "application settings."));

    EXPECT_FALSE(started);
    EXPECT_TRUE(deviceType_.calls.empty()) << "no device is made";
    shutDownEditor(settings_);
    EXPECT_EQ(readFile(settingsPath()), broken) << "the user's file is not overwritten at exit";
}

// Saves that a crash interrupted, in the cache folder and in a folder a
// patch was saved into, leave temporary files that the next start removes;
// the user's own backups beside them stay.
TEST_F(StartUpTest, TheStartRemovesWhatInterruptedSavesLeftAndNothingOfTheUsers)
{
    const std::filesystem::path patches = userFolder_.path() / "patches";
    std::filesystem::create_directories(patches);
    AnsweredMessageBoxes boxes;
    ASSERT_TRUE(startUp(deviceType_));
    ASSERT_TRUE(AtomicFile::write((patches / "Grand.voice.syx").string(), "F0 F7"));
    ASSERT_TRUE(exitProgram());
    const std::filesystem::path cache = settingsPath().parent_path();
    const std::filesystem::path left[] = {leftTemporary(settingsPath()), leftTemporary(patches / "Grand.voice.syx")};
    const std::filesystem::path usersFiles[] = {cache / "settings.xml.backup", patches / "Grand.voice.syx.orig01"};
    for (const std::filesystem::path& file : usersFiles)
        writeFile(file, "the user's");

    ASSERT_TRUE(startUp(deviceType_));
    for (const std::filesystem::path& file : left)
        EXPECT_FALSE(std::filesystem::exists(file)) << file;
    for (const std::filesystem::path& file : usersFiles)
        EXPECT_EQ(readFile(file), "the user's") << file;
}

} // namespace
