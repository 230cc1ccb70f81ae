#include "files/UserPaths.h"

#include "UserFolderFixture.h"

namespace {

using UserPathsTest = UserFolderFixture;

std::string userPath() { return UserPaths().userPath().toUtf8(); }

TEST_F(UserPathsTest, WithoutRedirectionTheFolderIsUnderTheDataHome)
{
    EXPECT_EQ(userPath(), (folder / "home/.local/share/quorvinedit/").string());
    ::setenv("XDG_DATA_HOME", "/data/", 1);
    EXPECT_EQ(userPath(), "/data/quorvinedit/");
    // A relative data home is ignored, as the base directory rules say.
    ::setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(userPath(), (folder / "home/.local/share/quorvinedit/").string());
}

TEST_F(UserPathsTest, TheRedirectionFileNamesTheFolderWithOneSeparatorAdded)
{
    writeFile("user", "/srv/fs1r");
    EXPECT_EQ(userPath(), "/srv/fs1r/");
    writeFile("user", "/srv/fs1r/");
    EXPECT_EQ(userPath(), "/srv/fs1r/");
    writeFile("user", "relative folder ");
    EXPECT_EQ(userPath(), "relative folder /");
}

TEST_F(UserPathsTest, TheLineEndAnEditorLeavesInTheRedirectionFileIsNotPartOfThePath)
{
    writeFile("user", "/srv/fs1r\n");
    EXPECT_EQ(userPath(), "/srv/fs1r/");
    writeFile("user", "/srv/fs1r/\r\n");
    EXPECT_EQ(userPath(), "/srv/fs1r/");
}

TEST_F(UserPathsTest, AnUnusableRedirectionFileFallsBackToTheDataHome)
{
    const std::string fallback = (folder / "home/.local/share/quorvinedit/").string();
    writeFile("user", "");
    EXPECT_EQ(userPath(), fallback);
    writeFile("user", "\n");
    EXPECT_EQ(userPath(), fallback);
    writeFile("user", "/" + std::string(5000, 'x'));
    EXPECT_EQ(userPath(), fallback);
    std::filesystem::remove("user");
    std::filesystem::create_directory("user");
    EXPECT_EQ(userPath(), fallback);
}

TEST_F(UserPathsTest, TheOverrideVariableBeatsTheRedirectionFile)
{
    writeFile("user", "/srv/fs1r");
    ::setenv("QUORVIN_USER_DIR", "/tmp/test-user", 1);
    EXPECT_EQ(userPath(), "/tmp/test-user/");
    ::setenv("QUORVIN_USER_DIR", "/tmp/test-user//", 1);
    EXPECT_EQ(userPath(), "/tmp/test-user//");
    ::setenv("QUORVIN_USER_DIR", "", 1);
    EXPECT_EQ(userPath(), "/srv/fs1r/");
}

TEST_F(UserPathsTest, SettingsLieInTheCacheFolderWhichIsCreatedWithItsParents)
{
    ::setenv("QUORVIN_USER_DIR", (folder / "deep/user").c_str(), 1);
    const UserPaths paths;
    EXPECT_EQ(paths.cachePath().toUtf8(), (folder / "deep/user/cache/").string());
    EXPECT_EQ(paths.settingsFile().toUtf8(), (folder / "deep/user/cache/settings.xml").string());
    std::string error;
    EXPECT_TRUE(paths.createCacheFolder(&error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "deep/user/cache"));
}

TEST_F(UserPathsTest, QuickHelpPrefersAnExistingPageInTheInterfaceLanguage)
{
    ::setenv("QUORVIN_USER_DIR", (folder / "user").c_str(), 1);
    const UserPaths paths;
    const std::string user = (folder / "user/doc/").string();
    const std::string installed = (folder / "installed/doc/").string();
    const RefString installedFolder = RefString::fromUtf8((folder / "installed/doc").string());

    EXPECT_EQ(paths.quickHelpFile(true).toUtf8(), user + "quickhelp_en.html");
    writeFile(installed + "quickhelp_en.html", "en");
    EXPECT_EQ(paths.quickHelpFile(true, installedFolder).toUtf8(), installed + "quickhelp_en.html");
    writeFile(installed + "quickhelp_fr.html", "fr");
    EXPECT_EQ(paths.quickHelpFile(true, installedFolder).toUtf8(), installed + "quickhelp_fr.html");
    EXPECT_EQ(paths.quickHelpFile(false, installedFolder).toUtf8(), installed + "quickhelp_en.html");
    writeFile(user + "quickhelp_fr.html", "fr");
    EXPECT_EQ(paths.quickHelpFile(true, installedFolder).toUtf8(), user + "quickhelp_fr.html");
}

} // namespace
