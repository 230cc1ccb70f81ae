#include "files/StaleTemporaries.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>

namespace fs = std::filesystem;

namespace {

TEST(StaleTemporariesTest, KnowsTheNamesOurSavesGiveTheirTemporaryFiles)
{
    const struct {
        const char* name;
        bool temporary;
    } cases[] = {
        {"voices.xml.YYVaRd", true},
        {"performances.xml.3WoOyD", true},
        {"0_5.syx.a1B2c3", true},
        {"settings.xml", false},
        {"voices.xml.journal", false},
        {"0_5.syx.bad", false},
        {"voices.xml.bad.1", false},
        {".xml.abcdef", false},
        {"notes.txt.abcdef", false},
        {"voices.xml.ab-def", false},
        {"voices.xml.abcdefg", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StaleTemporaries::isTemporaryName(c.name), c.temporary) << c.name;
}

TEST(StaleTemporariesTest, RemovesOnlyThoseLeftBeforeThisRun)
{
    TempFolder folder("stale");
    const fs::file_time_type start = fs::file_time_type::clock::now();
    const fs::file_time_type earlier = start - std::chrono::hours(1);
    const char* const stale[] = {"voices.xml.YYVaRd", "YAMAHA_FS1R/performances.xml.3WoOyD",
        "YAMAHA_FS1R/voice/0_5.syx.a1B2c3"};
    const char* const kept[] = {"settings.xml", "YAMAHA_FS1R/voices.xml.journal", "YAMAHA_FS1R/voice/0_5.syx",
        "YAMAHA_FS1R/voice/0_6.syx.bad"};
    for (const char* name : stale)
        writeFile(folder / name, "left by a crash");
    for (const char* name : kept)
        writeFile(folder / name, "kept");
    for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
        fs::last_write_time(entry.path(), earlier);
    writeFile(folder / "fseq.xml.Z9y8X7", "a save of this run");
    fs::last_write_time(folder / "fseq.xml.Z9y8X7", start + std::chrono::seconds(1));
    fs::create_symlink(folder / "settings.xml", folder / "linked.xml.qwerty");

    EXPECT_EQ(StaleTemporaries::remove(folder.path(), start), std::size(stale));
    for (const char* name : stale)
        EXPECT_FALSE(fs::exists(folder / name)) << name;
    for (const char* name : kept)
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_TRUE(fs::exists(folder / "fseq.xml.Z9y8X7"));
    EXPECT_TRUE(fs::is_symlink(folder / "linked.xml.qwerty"));
    EXPECT_EQ(StaleTemporaries::remove(folder / "missing", start), 0u);
}

} // namespace
