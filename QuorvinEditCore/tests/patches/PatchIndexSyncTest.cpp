// Saving the index makes the cache files filed since the last save durable
// first: each of them and their folder is flushed, never the whole file
// system, which would wait for every other program's writes as well.
#include "PatchTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <dlfcn.h>
#include <set>
#include <unistd.h>

namespace {

// What the flushes of this process reached while a test listens.
struct Flushes {
    bool listening = false;
    std::set<std::string> files;
    int wholeFileSystems = 0;
};
Flushes flushes;

std::string pathOf(int fd)
{
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
    return length > 0 ? std::string(path, std::size_t(length)) : std::string();
}

template <typename Call>
Call next(const char* name)
{
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

} // namespace

// Every flush of the program goes through these, since the libraries are
// linked into this test program.
extern "C" int fsync(int fd)
{
    static const auto realFsync = next<int (*)(int)>("fsync");
    if (flushes.listening)
        flushes.files.insert(pathOf(fd));
    return realFsync(fd);
}

extern "C" int syncfs(int fd)
{
    static const auto realSyncfs = next<int (*)(int)>("syncfs");
    if (flushes.listening)
        ++flushes.wholeFileSystems;
    return realSyncfs(fd);
}

namespace {

using namespace patchtest;

using PatchIndexSyncTest = CacheFolderTest;

TEST_F(PatchIndexSyncTest, TheIndexSaveFlushesEveryFileFiledAndTheirFolderButNotTheWholeDisk)
{
    // More than a few, as a first connection or a bank received files.
    constexpr std::uint32_t filings = 300;
    PatchLibrary library;
    openPerformances(library);
    for (std::uint32_t slot = 0; slot < filings; ++slot)
        ASSERT_FALSE(library.updatePatch(slot / programsPerBank, slot % programsPerBank, u"Filed", RefString(), "dump")
                         .isNull());
    flushes = {true, {}, 0};
    ASSERT_TRUE(library.saveIndex());
    flushes.listening = false;

    EXPECT_EQ(flushes.wholeFileSystems, 0);
    const fs::path patches = fs::canonical(folder / "performance");
    for (std::uint32_t slot = 0; slot < filings; ++slot) {
        const fs::path file = patches / (std::to_string(slot / programsPerBank) + "_"
                                            + std::to_string(slot % programsPerBank) + ".syx");
        EXPECT_TRUE(flushes.files.contains(file.string())) << file;
    }
    EXPECT_TRUE(flushes.files.contains(patches.string()));
    EXPECT_TRUE(flushes.files.contains(fs::canonical(folder).string())) << "the index's folder";
}

} // namespace
