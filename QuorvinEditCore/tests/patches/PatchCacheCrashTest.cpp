// A child process files patches in a loop and is killed at random moments and
// at each rename it makes; after every kill the cache must open, and every
// slot's label must name the very patch its file holds, whole.
#include "PatchTestSupport.h"
#include "files/AtomicFile.h"
#include "files/SaveFolderList.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <thread>

namespace {

// Counts down the renames of this process; the one that reaches zero kills
// it, just before or just after the file changes its name.
std::atomic<int> renamesLeft{0};
bool killAfterRename = false;

} // namespace

// Every rename of the program goes through here, since the libraries are
// linked into this test program.
extern "C" int rename(const char* from, const char* to)
{
    using Rename = int (*)(const char*, const char*);
    static const auto realRename = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    const bool last = renamesLeft > 0 && --renamesLeft == 0;
    if (last && !killAfterRename)
        std::raise(SIGKILL);
    const int result = realRename(from, to);
    if (last)
        std::raise(SIGKILL);
    return result;
}

namespace {

using namespace patchtest;

constexpr std::uint32_t slotsInUse = 12;
constexpr int patchesBetweenSaves = 5;
constexpr std::size_t patchBytes = 600;
constexpr int randomKills = 16;
constexpr int renamesToKillAt = 16;
constexpr char versionMark[] = " version ";

std::string patchData(std::uint32_t program, unsigned long version)
{
    std::string bytes = "F0 program " + std::to_string(program) + versionMark + std::to_string(version) + " ";
    bytes.resize(patchBytes - 2, '.');
    return bytes + "F7";
}

unsigned long versionIn(const RefString& name) { return std::stoul(name.toUtf8().substr(1)); }

class PatchCacheCrashTest : public CacheFolderTest {
protected:
    // Runs in the child until it is killed: opens the cache and files
    // numbered versions of a few patches, saving the index now and then.
    [[noreturn]] void fileUntilKilled(int startedPipe, unsigned long firstVersion) const
    {
        PatchLibrary library;
        openPerformances(library);
        const char started = 1;
        [[maybe_unused]] const ssize_t written = ::write(startedPipe, &started, 1);
        std::minstd_rand random{std::uint32_t(firstVersion)};
        for (unsigned long version = firstVersion;; ++version) {
            const std::uint32_t program = std::uint32_t(random() % slotsInUse);
            library.updatePatch(0, program, RefString::fromUtf8("v" + std::to_string(version)), RefString(),
                patchData(program, version));
            if (version % patchesBetweenSaves == 0)
                library.saveIndex();
        }
    }

    // Starts a child that runs the work and kills it when the rename count
    // runs out, or after the given pause once the work has begun.
    void runChild(const std::function<void(int startedPipe)>& work, int renames, bool after,
        std::chrono::microseconds pause) const
    {
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        std::fflush(nullptr);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(started[0]);
            renamesLeft = renames;
            killAfterRename = after;
            work(started[1]);
            ::_exit(0);
        }
        ::close(started[1]);
        char byte = 0;
        const bool began = ::read(started[0], &byte, 1) == 1;
        ::close(started[0]);
        if (began && renames == 0) {
            std::this_thread::sleep_for(pause);
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child ended by itself: " << status;
    }
    void runFilingChild(unsigned long firstVersion, int renames, bool after, std::chrono::microseconds pause) const
    {
        runChild([&](int startedPipe) { fileUntilKilled(startedPipe, firstVersion); }, renames, after, pause);
    }

    // What the next start finds.
    void expectEveryLabelMatchesItsFile(int& filledSlots) const
    {
        PatchLibrary library;
        std::string error;
        openPerformances(library, &error);
        EXPECT_EQ(error, "");
        filledSlots = 0;
        for (std::uint32_t program = 0; program < slotsInUse; ++program) {
            RefString path, name, category;
            library.getPatch(0, program, path, name, category);
            if (path.isNull())
                continue;
            ++filledSlots;
            const std::string bytes = readFile(path.toUtf8());
            EXPECT_TRUE(bytes == patchData(program, versionIn(name)))
                << "slot " << program << " is labelled " << utf8(name) << " but holds " << bytes.substr(0, 30);
        }
    }
};

TEST_F(PatchCacheCrashTest, EveryLabelMatchesItsFileAfterAKillAtAnyRenameOrMoment)
{
    std::minstd_rand random(20261207);
    unsigned long version = 1;
    int filledSlots = 0;
    for (int renames = 1; renames <= renamesToKillAt; ++renames)
        for (const bool after : {false, true}) {
            SCOPED_TRACE("killed " + std::string(after ? "after" : "before") + " rename " + std::to_string(renames));
            runFilingChild(version, renames, after, {});
            version += 1000;
            expectEveryLabelMatchesItsFile(filledSlots);
        }
    for (int kill = 0; kill < randomKills; ++kill) {
        const std::chrono::microseconds pause(random() % 20000);
        SCOPED_TRACE("killed after " + std::to_string(pause.count()) + " us");
        runFilingChild(version, 0, false, pause);
        version += 1000000;
        expectEveryLabelMatchesItsFile(filledSlots);
    }
    EXPECT_GT(filledSlots, 0) << "the children filed nothing";
}

// A save outside the cache folder, a .syx file or a control-set export,
// killed before its temporary file is renamed into place: the next start's
// clean-up finds it there too, and leaves the user's own files alone.
TEST_F(PatchCacheCrashTest, ATemporaryLeftBesideAUsersFileIsRemovedAtTheNextStart)
{
    const fs::path cache = folder / "cache";
    const fs::path outside = folder / "my patches";
    fs::create_directories(cache);
    fs::create_directories(outside);
    const char* const usersFiles[] = {"Grand.voice.syx", "Grand.voice.syx.backup", "Grand.voice.syx.orig01"};
    for (const char* name : usersFiles)
        writeFile(outside / name, "the user's");
    const fs::path listFile = cache / "save-folders";
    runChild(
        [&](int) {
            SaveFolderList list(listFile, cache);
            AtomicFile::setSaveFolderList(&list);
            AtomicFile::write((outside / "Grand.voice.syx").string(), "F0 new F7");
        },
        1, false, {});
    ASSERT_EQ(filesIn(outside), std::size(usersFiles) + 1) << "the kill left a temporary file";

    SaveFolderList(listFile, cache).sweep(fs::file_time_type::clock::now());
    EXPECT_EQ(filesIn(outside), std::size(usersFiles));
    for (const char* name : usersFiles)
        EXPECT_EQ(readFile(outside / name), "the user's") << name;
}

} // namespace
