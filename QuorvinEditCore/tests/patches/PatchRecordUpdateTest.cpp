// Filling, renaming and emptying records: the cache file, the index on disk
// and the observers must agree after every change, and a change that cannot
// be stored must leave all three as they were.
#include "PatchTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

namespace {

using namespace patchtest;

class OrderedObserver : public LabelsObserver {
public:
    OrderedObserver(std::vector<int>& calls, int id) : calls_(calls), id_(id) {}
    void labelsChanged() override { calls_.push_back(id_); }

private:
    std::vector<int>& calls_;
    const int id_;
};

// Hears which slots changed alone, and how often the whole list did.
class SlotObserver : public LabelsObserver {
public:
    void labelsChanged() override { ++wholeList; }
    void labelChanged(std::int32_t index) override { slots.push_back(index); }

    std::vector<std::int32_t> slots;
    int wholeList = 0;
};

class PatchRecordUpdateTest : public CacheFolderTest {
protected:
    void SetUp() override
    {
        CacheFolderTest::SetUp();
        openPerformances(library);
        library.addObserver(observer);
    }
    // What a fresh start would read from the disk.
    RefString nameOnDisk(std::uint32_t bank, std::uint32_t program) const
    {
        PatchLibrary reopened;
        openPerformances(reopened);
        RefString path, name, category;
        reopened.getPatch(bank, program, path, name, category);
        return name;
    }

    fs::path journalFile() const { return indexFile().string() + ".journal"; }

    PatchLibrary library;
    CountingObserver observer;
};

TEST_F(PatchRecordUpdateTest, UpdatePatchWritesTheDumpBesideTheIndexAndGivesItsPath)
{
    const RefString path = library.updatePatch(1, 5, u"Grand", u"[Pf]", "F0 dump F7");
    EXPECT_EQ(utf8(path), (folder / "performance/1_5.syx").string());
    EXPECT_EQ(readFile(folder / "performance/1_5.syx"), "F0 dump F7");

    RefString found, name, category;
    ASSERT_TRUE(library.getPatch(1, 5, found, name, category));
    EXPECT_EQ(found, path);
    EXPECT_EQ(utf8(name), "Grand");
    EXPECT_EQ(utf8(category), "[Pf]");
}

TEST_F(PatchRecordUpdateTest, EveryRecordChangeReachesTheIndexAtOnce)
{
    library.updatePatch(0, 7, u"Pad", u"[Pd]", "dump");
    EXPECT_EQ(utf8(nameOnDisk(0, 7)), "Pad");

    library.setName(7, u"Renamed");
    EXPECT_EQ(utf8(nameOnDisk(0, 7)), "Renamed");

    library.setRecord(0, 7, u"performance/0_7.syx", u"Set", RefString());
    EXPECT_EQ(utf8(nameOnDisk(0, 7)), "Set");

    library.setPatchAside(0, 7);
    EXPECT_EQ(utf8(nameOnDisk(0, 7)), "<Empty>");
}

TEST_F(PatchRecordUpdateTest, ObserversAreToldOncePerChangeInTheOrderTheyCame)
{
    std::vector<int> calls;
    OrderedObserver first(calls, 1), second(calls, 2), removed(calls, 3);
    library.addObserver(first);
    library.addObserver(removed);
    library.addObserver(second);
    library.removeObserver(removed);

    library.updatePatch(2, 3, u"Bell", RefString(), "dump");
    library.setName(0, u"Named");
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(observer.calls, 2);
}

// A view that measures its labels measures only the slot named; the whole
// list again at every filing slowed the first connection.
TEST_F(PatchRecordUpdateTest, AChangeToOneRecordNamesItsSlot)
{
    SlotObserver slots;
    library.addObserver(slots);
    library.updatePatch(2, 3, u"Bell", RefString(), "dump");
    library.setName(7, u"Named");
    library.setRecord(1, 0, RefString(), u"Set", RefString());
    library.setPatchAside(2, 3);
    EXPECT_EQ(slots.slots, (std::vector<std::int32_t>{2 * 128 + 3, 7, 128, 2 * 128 + 3}));
    EXPECT_EQ(slots.wholeList, 0);
    library.removeObserver(slots);
}

TEST_F(PatchRecordUpdateTest, SlotsOutsideTheGridAreRefusedAndNothingIsTouched)
{
    const struct {
        std::uint32_t bank;
        std::uint32_t program;
    } outside[] = {{4, 0}, {0, 128}, {3, 200}, {33554432, 0}, {UINT32_MAX, UINT32_MAX}};
    for (const auto& slot : outside) {
        SCOPED_TRACE(std::to_string(slot.bank) + "/" + std::to_string(slot.program));
        std::string error;
        EXPECT_TRUE(library.updatePatch(slot.bank, slot.program, u"X", RefString(), "dump", &error).isNull());
        EXPECT_NE(error.find("outside"), std::string::npos) << error;
        EXPECT_FALSE(library.setRecord(slot.bank, slot.program, RefString(), u"X", RefString()));
        EXPECT_FALSE(library.setPatchAside(slot.bank, slot.program));
        RefString path = u"before", name = u"before", category = u"before";
        EXPECT_FALSE(library.getPatch(slot.bank, slot.program, path, name, category));
        EXPECT_EQ(utf8(path) + utf8(name) + utf8(category), "beforebeforebefore");
    }
    EXPECT_FALSE(library.setName(library.count(), u"X"));
    EXPECT_TRUE(library.get(-1).isEmpty());
    EXPECT_TRUE(library.get(std::int32_t(library.count())).isEmpty());

    EXPECT_EQ(observer.calls, 0);
    EXPECT_EQ(filesIn(folder / "performance"), 0u);
    EXPECT_FALSE(fs::exists(indexFile()));
    for (std::int32_t slot = 0; slot < std::int32_t(library.count()); ++slot)
        ASSERT_TRUE(library.get(slot).isEmpty()) << slot;
}

TEST_F(PatchRecordUpdateTest, ARecordMayNameOnlyItsOwnCacheFile)
{
    std::string error;
    EXPECT_FALSE(library.setRecord(0, 1, u"performance/0_2.syx", u"X", RefString(), &error));
    EXPECT_NE(error.find("not the cache file"), std::string::npos) << error;
    EXPECT_FALSE(library.setRecord(0, 1, u"/etc/passwd", u"X", RefString()));
    EXPECT_EQ(observer.calls, 0);
}

TEST_F(PatchRecordUpdateTest, ARecordWithoutFileGivesItsNameButNoPath)
{
    ASSERT_TRUE(library.setRecord(0, 3, RefString(), u"Named", u"[Pf]"));
    RefString path = u"previous", name, category;
    ASSERT_TRUE(library.getPatch(0, 3, path, name, category));
    EXPECT_EQ(utf8(path), "previous");
    EXPECT_EQ(utf8(name), "Named");
    EXPECT_EQ(utf8(category), "[Pf]");
}

TEST_F(PatchRecordUpdateTest, AChangeThatCannotBeWrittenLeavesTheFileTheRecordAndTheCache)
{
    const struct {
        const char* what;
        rlim_t roomInTheJournal;
        bool protectTheFile;
        const char* reason;
    } cases[] = {
        {"full disk", 10, false, "performances.xml.journal: File too large"},
        {"write-protected cache file", 1 << 20, true, "0_0.syx: the file is write-protected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        library.updatePatch(0, 0, u"Old", RefString(), "old bytes");
        fs::permissions(folder / "performance/0_0.syx", c.protectTheFile ? fs::perms(0444) : fs::perms(0644));
        const std::uintmax_t journalBytes = fs::file_size(journalFile());
        observer.calls = 0;

        std::string error;
        RefString path;
        {
            FileSizeLimit limit(journalBytes + c.roomInTheJournal);
            path = library.updatePatch(0, 0, u"New", RefString(), std::string(1000, 'x'), &error);
        }
        EXPECT_TRUE(path.isNull());
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(readFile(folder / "performance/0_0.syx"), "old bytes");
        EXPECT_EQ(fs::file_size(journalFile()), journalBytes);
        EXPECT_EQ(utf8(library.get(0)), "0001Old");
        EXPECT_EQ(observer.calls, 0);
        EXPECT_EQ(filesIn(folder / "performance"), 1u) << "no temporary file is left";
        EXPECT_EQ(utf8(nameOnDisk(0, 0)), "Old");
        fs::permissions(folder / "performance/0_0.syx", fs::perms(0644));
    }
}

TEST_F(PatchRecordUpdateTest, ARenameThatCannotBeRecordedKeepsTheRecord)
{
    library.updatePatch(0, 0, u"First", RefString(), "dump");
    observer.calls = 0;
    bool renamed = true;
    {
        FileSizeLimit limit(fs::file_size(journalFile()) + 1);
        renamed = library.setName(0, u"Renamed");
    }
    EXPECT_FALSE(renamed);
    EXPECT_EQ(utf8(library.get(0)), "0001First");
    EXPECT_EQ(observer.calls, 0);
    EXPECT_EQ(utf8(nameOnDisk(0, 0)), "First");
}

TEST_F(PatchRecordUpdateTest, AnIndexThatCannotBeSavedKeepsTheJournalForTheNextStart)
{
    library.updatePatch(1, 2, u"Journaled", RefString(), "dump");
    std::string error;
    {
        FileSizeLimit limit(10);
        EXPECT_FALSE(library.saveIndex(&error));
    }
    EXPECT_NE(error.find("performances.xml"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(indexFile()));
    EXPECT_GT(fs::file_size(journalFile()), 0u);
    EXPECT_EQ(utf8(nameOnDisk(1, 2)), "Journaled");
    EXPECT_TRUE(fs::exists(indexFile())) << "the next start folds the journal in";
    EXPECT_FALSE(fs::exists(journalFile()));
}

// Saved with the index, the journal's changes leave no file behind, and the
// next change starts a new one.
TEST_F(PatchRecordUpdateTest, ASavedIndexLeavesNoJournalFile)
{
    for (const char* name : {"Journaled", "Again"}) {
        library.updatePatch(1, 2, RefString::fromUtf8(name), RefString(), "dump");
        ASSERT_TRUE(fs::exists(journalFile())) << name;
        ASSERT_TRUE(library.saveIndex());
        EXPECT_FALSE(fs::exists(journalFile())) << name;
    }
    EXPECT_EQ(utf8(nameOnDisk(1, 2)), "Again");
}

// A crash tears the entry being appended and the next start cannot fold the
// journal in: reading stops at the torn bytes, so filings appended behind
// them would be lost, and the replay would put older bytes back in their files.
TEST_F(PatchRecordUpdateTest, FilingsAfterATornEntryAndAFailedFoldAreAllKept)
{
    const struct {
        const char* cause;
        bool protectTheIndex;
    } cases[] = {{"nearly full disk", false}, {"write-protected index", true}};
    std::uint32_t program = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cause);
        {
            PatchLibrary crashed;
            openPerformances(crashed);
            ASSERT_TRUE(crashed.saveIndex());
            crashed.updatePatch(0, program, u"Before", RefString(), "before bytes");
            const std::uintmax_t whole = fs::file_size(journalFile());
            crashed.updatePatch(0, program + 1, u"Torn", RefString(), "torn bytes");
            fs::resize_file(journalFile(), whole + (fs::file_size(journalFile()) - whole) / 2);
        }
        PatchLibrary restarted;
        {
            std::optional<FileSizeLimit> fullDisk;
            if (c.protectTheIndex)
                fs::permissions(indexFile(), fs::perms(0444));
            else
                fullDisk.emplace(10);
            std::string error;
            openPerformances(restarted, &error);
            EXPECT_NE(error, "") << "the journal could not be folded in";
        }
        EXPECT_FALSE(restarted.updatePatch(0, program, u"After", RefString(), "after bytes").isNull());
        EXPECT_FALSE(restarted.updatePatch(0, program + 2, u"New", RefString(), "new bytes").isNull());
        fs::permissions(indexFile(), fs::perms(0644));

        PatchLibrary roomy;
        std::string error;
        openPerformances(roomy, &error);
        EXPECT_EQ(error, "");
        for (const auto& [slot, name, bytes] : {std::tuple(program, "After", "after bytes"),
                 std::tuple(program + 2, "New", "new bytes")}) {
            RefString path, found, category;
            roomy.getPatch(0, slot, path, found, category);
            EXPECT_EQ(utf8(found), name);
            EXPECT_EQ(readFile(utf8(path)), bytes) << name;
        }
        program += 3;
    }
}

TEST_F(PatchRecordUpdateTest, ANameTheIndexCannotHoldIsKeptAsItReadsBack)
{
    library.updatePatch(0, 4, u"Bad\x01Name", u"[\x1f]", "dump");
    const RefString shown = library.get(4);
    EXPECT_EQ(shown, RefString(u"0005[\ufffd]Bad\ufffdName"));
    EXPECT_EQ(nameOnDisk(0, 4), RefString(u"Bad\ufffdName")) << "from the journal";
    ASSERT_TRUE(library.saveIndex());
    EXPECT_EQ(nameOnDisk(0, 4), RefString(u"Bad\ufffdName")) << "from the index";
}

TEST_F(PatchRecordUpdateTest, AnUnusableCacheFileIsSetAsideAndTheSlotEmptied)
{
    library.updatePatch(2, 0, u"Broken", u"[Fx]", "not a dump");
    observer.calls = 0;

    std::string error;
    ASSERT_TRUE(library.setPatchAside(2, 0, &error)) << error;
    EXPECT_FALSE(fs::exists(folder / "performance/2_0.syx"));
    EXPECT_EQ(readFile(folder / "performance/2_0.syx.bad"), "not a dump");
    RefString path, name, category;
    library.getPatch(2, 0, path, name, category);
    EXPECT_TRUE(path.isNull());
    EXPECT_TRUE(library.get(2 * programsPerBank).isEmpty());
    EXPECT_EQ(utf8(nameOnDisk(2, 0)), "<Empty>");
    EXPECT_EQ(observer.calls, 1);
}

} // namespace
