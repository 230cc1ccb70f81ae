#include "files/StaleTemporaries.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LeftTemporary.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Names a user may well give a backup of the settings, an index or a patch:
// none of them is ours to remove.
const char* const usersNames[] = {"settings.xml.backup", "settings.xml.before", "settings.xml.2024ab",
    "voices.xml.backup", "0_1.syx.orig01", "settings.xml", "voices.xml.journal", "0_5.syx.bad", "voices.xml.bad.1",
    "voices.xml.YYVaRd", ".quorvin-save.x", ".quorvin-save.voices.xml.ab-def", "quorvin-save.0_5.syx.a1B2c3"};

TEST(StaleTemporariesTest, TheLongestNamesGetATemporaryNameCutBetweenCharacters)
{
    TempFolder folder("stale");
    const std::string accent = "\xC3\xA9";
    std::string accented = "a";
    while (accented.size() + accent.size() + 4 <= NAME_MAX)
        accented += accent;
    for (const std::string& name : {std::string(NAME_MAX - 4, 'e') + ".syx", accented + ".syx"}) {
        const std::string temporary = leftTemporary(folder / name).filename().string();
        EXPECT_TRUE(StaleTemporaries::isTemporaryName(temporary));
        const std::size_t uniquePart = temporary.rfind('.');
        EXPECT_TRUE(temporary[uniquePart - 1] == 'e' || temporary.substr(uniquePart - 2, 2) == accent) << temporary;
    }
}

TEST(StaleTemporariesTest, RemovesOnlyOurTemporariesLeftBeforeThisRun)
{
    TempFolder folder("stale");
    const fs::file_time_type start = fs::file_time_type::clock::now();
    std::vector<fs::path> stale;
    for (const char* target : {"settings.xml", "YAMAHA_FS1R/performances.xml", "YAMAHA_FS1R/voice/0_5.syx",
             "YAMAHA_FS1R/voice/Grand Piano.voice.syx"}) {
        fs::create_directories((folder / target).parent_path());
        stale.push_back(leftTemporary(folder / target));
    }
    std::vector<fs::path> kept;
    for (const char* name : usersNames) {
        kept.push_back(folder / "YAMAHA_FS1R/voice" / name);
        writeFile(kept.back(), "the user's");
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
        fs::last_write_time(entry.path(), start - std::chrono::hours(1));
    kept.push_back(leftTemporary(folder / "fseq.xml"));
    fs::last_write_time(kept.back(), start + std::chrono::seconds(1));
    const fs::path linked = leftTemporary(folder / "linked.xml");
    fs::remove(linked);
    fs::create_symlink(stale.front(), linked);

    EXPECT_EQ(StaleTemporaries::remove(folder.path(), start), std::size(stale));
    for (const fs::path& path : stale)
        EXPECT_FALSE(fs::exists(path)) << path;
    for (const fs::path& path : kept)
        EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_TRUE(fs::is_symlink(linked)) << "links are not ours to remove";
    EXPECT_EQ(StaleTemporaries::remove(folder / "missing", start), 0u);
}

} // namespace
