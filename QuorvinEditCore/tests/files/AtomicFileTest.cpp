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
