#include "instrument/Fs1rLibraries.h"

#include <gtest/gtest.h>
#include <wx/init.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Libraries = std::array<PatchLibrary, Fs1rLibraries::count>;

class Fs1rLibrariesTest : public testing::Test {
protected:
    Fs1rLibrariesTest() { fs::create_directories(cache); }
    ~Fs1rLibrariesTest() override { fs::remove_all(root); }

    bool setup(Libraries& libraries) const
    {
        return Fs1rLibraries::setup(libraries, RefString::fromUtf8(cache.string() + "/"));
    }

    wxInitializer toolkit;
    const fs::path root = fs::temp_directory_path() / ("fs1r-libraries-" + std::to_string(::getpid()));
    const fs::path cache = root / "cache";
    const fs::path folder = cache / "YAMAHA_FS1R";
};

TEST_F(Fs1rLibrariesTest, CachesAreMadeOnceAndOneBadIndexDoesNotKeepTheOthersShut)
{
    Libraries first;
    EXPECT_FALSE(setup(first));
    EXPECT_TRUE(fs::is_directory(folder / "fseq"));
    EXPECT_EQ(first[Fs1rLibraries::voices].indexPath().toUtf8(), (folder / "voices.xml").string());
    // Voices are named by bank letter, sequences by bank number.
    first[Fs1rLibraries::voices].updatePatch(1, 4, u"Grand", u"[Pf]", "dump");
    EXPECT_EQ(first[Fs1rLibraries::voices].get(128 + 4).toUtf8(), "A005[Pf]Grand");
    first[Fs1rLibraries::formantSequences].updatePatch(1, 0, u"Seq", RefString(), "dump");
    EXPECT_EQ(first[Fs1rLibraries::formantSequences].get(90).toUtf8(), "101Seq");
    for (PatchLibrary& library : first)
        ASSERT_TRUE(library.saveIndex());

    Libraries second;
    EXPECT_TRUE(setup(second));

    std::ofstream(folder / "voices.xml", std::ios::trunc) << "<Other/>";
    Libraries third;
    EXPECT_FALSE(setup(third));
    EXPECT_EQ(third[Fs1rLibraries::formantSequences].get(90).toUtf8(), "101Seq");
    EXPECT_EQ(third[Fs1rLibraries::performances].count(), 4u * 128);
}

} // namespace
