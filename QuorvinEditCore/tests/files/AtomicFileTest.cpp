#include "files/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("atomic-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }
    fs::path folder;
};

TEST_F(AtomicFileTest, ReplacesTheWholeFileAndLeavesNoTemporaryBehind)
{
    const fs::path file = folder / "settings.xml";
    ASSERT_TRUE(AtomicFile::write(file, "first version, rather long"));
    ASSERT_TRUE(AtomicFile::write(file, "second"));
    EXPECT_EQ(readFile(file), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    const fs::path file = folder / "kept.syx";
    ASSERT_TRUE(AtomicFile::write(file, "old bytes"));
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
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
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, AMissingFolderIsAFailureNotACrash)
{
    std::string error;
    EXPECT_FALSE(AtomicFile::write(folder / "no" / "such" / "file", "x", &error));
    EXPECT_FALSE(error.empty());
}

} // namespace
