#include "files/SettingsFile.h"

#include "xml/XmlFile.h"
#include "UserFolderFixture.h"

namespace {

const RefString startFailureText(
    u"Error trying to open the settings file!\nThis file seems to be corrupted or locked by anoher application.\n"
    u"You may delete it. It will be automatically recreated, but you will loose your application settings.");

class SettingsFileTest : public UserFolderFixture {
protected:
    std::filesystem::path file() const { return folder / "work/cache/settings.xml"; }
    // Relative, as a redirection file may make it; the caption is absolute.
    SettingsFile settings{RefString(u"cache/settings.xml")};

    std::string fileText() const { return readFile(file()); }
    void expectStartStopped(const SettingsLoadResult& result, const std::string& reasonPart)
    {
        EXPECT_FALSE(result.loaded);
        EXPECT_FALSE(settings.isLoaded());
        EXPECT_EQ(result.message, startFailureText);
        EXPECT_EQ(result.caption.toUtf8(), file().string());
        EXPECT_NE(result.reason.find(reasonPart), std::string::npos) << result.reason;
    }
};

TEST_F(SettingsFileTest, TheFirstRunCreatesTheFileWithASettingsRoot)
{
    std::filesystem::create_directories(file().parent_path());
    const SettingsLoadResult result = settings.load();
    EXPECT_TRUE(result.loaded) << result.reason;
    EXPECT_TRUE(result.firstRun);
    EXPECT_EQ(settings.root().name(), RefString(u"Settings"));
    EXPECT_EQ(fileText(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Settings/>\n");

    SettingsFile again(RefString(u"cache/settings.xml"));
    EXPECT_FALSE(again.load().firstRun);
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadStopsTheStart)
{
    std::filesystem::create_directories(file());
    expectStartStopped(settings.load(), "not a file");
}

TEST_F(SettingsFileTest, AnotherRootStopsTheStartAndTheFileIsNotSavedOver)
{
    writeFile(file(), "<control_set/>");
    expectStartStopped(settings.load(), "control_set");
    std::string error;
    EXPECT_FALSE(settings.save(&error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(fileText(), "<control_set/>");
}

TEST_F(SettingsFileTest, BrokenXmlStopsTheStartWithTheParsersReason)
{
    writeFile(file(), "<Settings>\n<YAMAHA_FS1R>\n</Settings>");
    expectStartStopped(settings.load(), "line 3");
    EXPECT_FALSE(settings.save());
    EXPECT_EQ(fileText(), "<Settings>\n<YAMAHA_FS1R>\n</Settings>");
}

TEST_F(SettingsFileTest, AMissingCacheFolderIsAFailureToCreateNotACrash)
{
    const SettingsLoadResult result = settings.load();
    expectStartStopped(result, "settings.xml");
    EXPECT_TRUE(result.firstRun);
}

} // namespace
