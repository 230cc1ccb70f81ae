// The journal's file: entries read back as written, an entry torn at any
// byte is left out with everything after it, and the next entry follows the
// last whole one.
#include "PatchTestSupport.h"
#include "patches/PatchJournal.h"

#include <gtest/gtest.h>

namespace {

using namespace patchtest;

std::string describe(const PatchJournalEntry& entry)
{
    return std::to_string(entry.slot) + (entry.hasFile ? " file " : " empty ") + utf8(entry.name) + "|"
        + utf8(entry.category) + "|" + (entry.dump ? "dump " + *entry.dump : "no dump");
}

std::vector<std::string> describe(const std::vector<PatchJournalEntry>& entries)
{
    std::vector<std::string> texts;
    for (const PatchJournalEntry& entry : entries)
        texts.push_back(describe(entry));
    return texts;
}

const std::vector<PatchJournalEntry>& sampleEntries()
{
    static const std::vector<PatchJournalEntry> entries{
        {0, true, u"Grand", u"[Pf]", std::string("F0 \0\xff F7", 8)},
        {511, true, u"R\u00e9n\u00e9 \U0001F3B9", RefString(), std::nullopt},
        {7, false, u"<Empty>", RefString(), std::nullopt},
        {3, true, RefString(), u"[Sq]", std::string()},
    };
    return entries;
}

class PatchJournalTest : public CacheFolderTest {
protected:
    std::string journalPath() const { return (folder / "voices.xml.journal").string(); }
    std::vector<PatchJournalEntry> readBack() const
    {
        std::vector<PatchJournalEntry> entries;
        std::string error;
        EXPECT_TRUE(PatchJournal(journalPath()).read(entries, &error)) << error;
        return entries;
    }
};

TEST_F(PatchJournalTest, EntriesReadBackAsTheyWereWritten)
{
    EXPECT_TRUE(readBack().empty()) << "no file, no entries";
    PatchJournal journal(journalPath());
    for (const PatchJournalEntry& entry : sampleEntries())
        ASSERT_TRUE(journal.append(entry));
    EXPECT_EQ(describe(readBack()), describe(sampleEntries()));

    journal.withdrawLast();
    EXPECT_EQ(readBack().size(), sampleEntries().size() - 1);
    ASSERT_TRUE(journal.clear());
    EXPECT_EQ(journal.size(), 0u);
    EXPECT_TRUE(readBack().empty());
    EXPECT_FALSE(fs::exists(journalPath())) << "an empty journal leaves no file behind";
    ASSERT_TRUE(journal.append(sampleEntries().front()));
    EXPECT_EQ(readBack().size(), 1u) << "appended after it was emptied";
}

TEST_F(PatchJournalTest, AnEntryTornAtAnyByteIsLeftOutWithWhatFollows)
{
    std::vector<std::uint64_t> ends;
    {
        PatchJournal journal(journalPath());
        for (const PatchJournalEntry& entry : sampleEntries()) {
            journal.append(entry);
            ends.push_back(journal.size());
        }
    }
    const std::string whole = readFile(journalPath());
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        writeFile(journalPath(), whole.substr(0, cut));
        const std::size_t wholeEntries = std::size_t(std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin());
        ASSERT_EQ(readBack().size(), wholeEntries) << "cut at " << cut;
    }
    std::string damaged = whole;
    damaged[ends[1] + 20] ^= 0x40;
    writeFile(journalPath(), damaged);
    EXPECT_EQ(readBack().size(), 2u);

    // Behind the damaged entry it would never be read.
    ASSERT_TRUE(PatchJournal(journalPath()).append(sampleEntries()[0]));
    const std::vector<PatchJournalEntry> entries = readBack();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(describe(entries[2]), describe(sampleEntries()[0]));
}

} // namespace
