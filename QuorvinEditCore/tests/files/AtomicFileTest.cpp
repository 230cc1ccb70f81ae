#include "files/AtomicFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class AtomicFileTest : public testing::Test {
protected:
    TempFolder folder{"atomic"};
};

TEST_F(AtomicFileTest, ReplacesTheWholeFileAndLeavesNoTemporaryBehind)
{
    const fs::path file = folder / "settings.xml";
    ASSERT_TRUE(AtomicFile::write(file, "first version, rather long"));
    ASSERT_TRUE(AtomicFile::write(file, "second"));
    EXPECT_EQ(readFile(file), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    const fs::path file = folder / "kept.syx";
    ASSERT_TRUE(AtomicFile::write(file, "old bytes"));
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    std::string error;
    EXPECT_FALSE(AtomicFile::write(file, "new bytes", &error));
    EXPECT_NE(error.find("kept.syx"), std::string::npos);
    EXPECT_EQ(readFile(file), "old bytes");
}

TEST_F(AtomicFileTest, AFailedRenameRemovesTheTemporaryFile)
{
    // A folder in the file's place makes the final rename fail, even as root.
    const fs::path file = folder / "busy";
    fs::create_directories(file / "inside");
    std::string error;
    EXPECT_FALSE(AtomicFile::write(file, "bytes", &error));
    EXPECT_NE(error.find("Cannot replace"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, AMissingFolderIsAFailureNotACrash)
{
    std::string error;
    EXPECT_FALSE(AtomicFile::write(folder / "no" / "such" / "file", "x", &error));
    EXPECT_FALSE(error.empty());
}

} // namespace

namespace {

fs::perms modeOf(const fs::path& file) { return fs::symlink_status(file).permissions(); }

TEST_F(AtomicFileTest, AReplacedFileKeepsItsPermissionBits)
{
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664), fs::perms(0755)}) {
        SCOPED_TRACE(int(mode));
        const fs::path file = folder / "kept-mode.xml";
        writeFile(file, "old");
        fs::permissions(file, mode);
        std::string error;
        ASSERT_TRUE(AtomicFile::write(file, "new", &error)) << error;
        EXPECT_EQ(readFile(file), "new");
        EXPECT_EQ(modeOf(file), mode);
    }
}

TEST_F(AtomicFileTest, ANewFileTakesTheUsualModeUnderTheUserMask)
{
    const struct {
        mode_t mask;
        fs::perms mode;
    } cases[] = {{022, fs::perms(0644)}, {077, fs::perms(0600)}, {002, fs::perms(0664)}};
    for (const auto& c : cases) {
        const mode_t previous = ::umask(c.mask);
        const fs::path file = folder / ("new-" + std::to_string(c.mask));
        EXPECT_TRUE(AtomicFile::write(file, "bytes"));
        ::umask(previous);
        EXPECT_EQ(modeOf(file), c.mode) << c.mask;
    }
}

TEST_F(AtomicFileTest, AWriteProtectedFileIsRefusedAndLeftAsItIs)
{
    for (const fs::perms mode : {fs::perms(0444), fs::perms(0400), fs::perms(0555)}) {
        SCOPED_TRACE(int(mode));
        const fs::path file = folder / "protected.syx";
        writeFile(file, "old bytes");
        fs::permissions(file, mode);
        std::string error;
        EXPECT_FALSE(AtomicFile::write(file, "new bytes", &error));
        EXPECT_NE(error.find("protected.syx: the file is write-protected"), std::string::npos) << error;
        EXPECT_EQ(readFile(file), "old bytes");
        EXPECT_EQ(modeOf(file), mode);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
        fs::remove(file);
    }
}

TEST_F(AtomicFileTest, ASymbolicLinkIsFollowedAndStaysALink)
{
    fs::create_directories(folder / "real");
    writeFile(folder / "real" / "settings.xml", "old");
    fs::permissions(folder / "real" / "settings.xml", fs::perms(0600));
    const struct {
        const char* link;
        const char* pointsTo;
    } links[] = {
        {"relative.xml", "real/settings.xml"},
        {"chained.xml", "relative.xml"},
        {"absolute.xml", nullptr},
    };
    for (const auto& link : links)
        fs::create_symlink(link.pointsTo ? fs::path(link.pointsTo) : folder / "real" / "settings.xml",
            folder / link.link);
    for (const auto& link : links) {
        SCOPED_TRACE(link.link);
        const std::string bytes = std::string("through ") + link.link;
        std::string error;
        ASSERT_TRUE(AtomicFile::write(folder / link.link, bytes, &error)) << error;
        EXPECT_TRUE(fs::is_symlink(folder / link.link));
        EXPECT_EQ(readFile(folder / "real" / "settings.xml"), bytes);
        EXPECT_EQ(modeOf(folder / "real" / "settings.xml"), fs::perms(0600));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "real"), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, ADanglingLinkGetsItsTargetAndALoopIsAnError)
{
    fs::create_symlink("target.syx", folder / "dangling.syx");
    ASSERT_TRUE(AtomicFile::write(folder / "dangling.syx", "made"));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.syx"));
    EXPECT_EQ(readFile(folder / "target.syx"), "made");

    fs::create_symlink("loop-b", folder / "loop-a");
    fs::create_symlink("loop-a", folder / "loop-b");
    std::string error;
    EXPECT_FALSE(AtomicFile::write(folder / "loop-a", "never", &error));
    EXPECT_NE(error.find("loop-a"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_symlink(folder / "loop-a"));
}

} // namespace
