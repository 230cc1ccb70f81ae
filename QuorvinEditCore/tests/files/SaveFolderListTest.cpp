// The folders outside the cache where saves made temporary files: listed by
// the writer, swept at the next start, then forgotten.
#include "files/AtomicFile.h"
#include "files/SaveFolderList.h"
#include "files/StaleTemporaries.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LeftTemporary.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>


namespace fs = std::filesystem;

namespace {

class SaveFolderListTest : public testing::Test {
protected:
    SaveFolderListTest() { fs::create_directories(cache); }
    ~SaveFolderListTest() override { AtomicFile::setSaveFolderList(nullptr); }

    std::size_t nextStart() const
    {
        return SaveFolderList(listFile, cache).sweep(fs::file_time_type::clock::now());
    }

    TempFolder folder{"savefolders"};
    const fs::path cache = folder / "cache";
    const fs::path listFile = cache / "save-folders";
    const fs::path patches = folder / "patches";
    const fs::path sets = folder / "sets";
};

TEST_F(SaveFolderListTest, FoldersSavedIntoAreSweptAtTheNextStartAndThenForgotten)
{
    for (const fs::path& made : {cache / "YAMAHA_FS1R", patches / "old", sets, folder / "elsewhere"})
        fs::create_directories(made);
    {
        SaveFolderList list(listFile, cache);
        AtomicFile::setSaveFolderList(&list);
        for (const fs::path& saved : {patches / "a.voice.syx", patches / "b.voice.syx", sets / "cs1.xml",
                 cache / "settings.xml", cache / "YAMAHA_FS1R/voices.xml"})
            ASSERT_TRUE(AtomicFile::write(saved.string(), "saved"));
        AtomicFile::setSaveFolderList(nullptr);
    }
    const fs::path inCache = leftTemporary(cache / "YAMAHA_FS1R/voices.xml");
    const fs::path swept[] = {leftTemporary(patches / "a.voice.syx"), leftTemporary(sets / "cs1.xml")};
    const fs::path kept[] = {leftTemporary(patches / "old/c.voice.syx"), leftTemporary(folder / "elsewhere/d.syx")};
    writeFile(patches / "a.voice.syx.backup", "the user's");

    EXPECT_EQ(nextStart(), std::size(swept) + 1);
    EXPECT_FALSE(fs::exists(inCache));
    for (const fs::path& path : swept)
        EXPECT_FALSE(fs::exists(path)) << path;
    for (const fs::path& path : kept)
        EXPECT_TRUE(fs::exists(path)) << "only the folders saved into are swept: " << path;
    EXPECT_EQ(readFile(patches / "a.voice.syx.backup"), "the user's");
    EXPECT_EQ(readFile(patches / "a.voice.syx"), "saved");
    EXPECT_FALSE(fs::exists(listFile)) << "the list starts afresh";

    const fs::path later = leftTemporary(sets / "cs2.xml");
    EXPECT_EQ(nextStart(), 0u);
    EXPECT_TRUE(fs::exists(later)) << "a folder no run saved into since is not swept again";
}

} // namespace
