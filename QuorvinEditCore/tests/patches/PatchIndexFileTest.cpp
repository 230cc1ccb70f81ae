// The index file: its exact format, reading it back, and what happens to an
// index that cannot be kept.
#include "PatchTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace patchtest;

constexpr char emptyIndexText[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<YAMAHA_FS1R>\n"
                                  " <pach_collection name=\"YAMAHA_FS1R internal performance memory.\" "
                                  "content_type=\"performance\" bank_size=\"128\" bank_count=\"4\"/>\n"
                                  "</YAMAHA_FS1R>\n";

std::string indexWithEntries(const std::string& entries,
    const std::string& header = "name=\"YAMAHA_FS1R internal performance memory.\" content_type=\"performance\" "
                                "bank_size=\"128\" bank_count=\"4\"")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<YAMAHA_FS1R>\n <pach_collection " + header + ">\n"
        + entries + " </pach_collection>\n</YAMAHA_FS1R>\n";
}

class PatchIndexFileTest : public CacheFolderTest {};

TEST_F(PatchIndexFileTest, OpeningWithoutAnIndexStartsAnEmptyGridAndItsFolder)
{
    PatchLibrary library;
    std::string error;
    EXPECT_FALSE(openPerformances(library, &error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(library.count(), performanceBanks * programsPerBank);
    EXPECT_EQ(utf8(library.name()), "YAMAHA_FS1R internal performance memory.");
    EXPECT_EQ(utf8(library.contentType()), "performance");
    EXPECT_EQ(utf8(library.folder()), folder.string() + "/");
    EXPECT_TRUE(fs::is_directory(folder / "performance"));
    // Nothing is written before there is something to keep.
    EXPECT_FALSE(fs::exists(indexFile()));

    ASSERT_TRUE(library.saveIndex(&error)) << error;
    EXPECT_EQ(readFile(indexFile()), emptyIndexText);
}

TEST_F(PatchIndexFileTest, TheIndexListsFilledSlotsInSlotOrderWithExactNames)
{
    PatchLibrary library;
    openPerformances(library);
    ASSERT_FALSE(library.updatePatch(1, 5, u"Grand", u"[Pf]", "dump").isNull());
    ASSERT_FALSE(library.updatePatch(0, 2, u"Init <\"&\">", RefString(), "dump").isNull());

    ASSERT_TRUE(library.saveIndex());
    EXPECT_EQ(readFile(indexFile()),
        indexWithEntries("  <pach name=\"Init &lt;&quot;&amp;&quot;&gt;\" bank=\"0\" program=\"2\" "
                         "file=\"performance/0_2.syx\"/>\n"
                         "  <pach name=\"Grand\" category=\"[Pf]\" bank=\"1\" program=\"5\" "
                         "file=\"performance/1_5.syx\"/>\n"));
}

TEST_F(PatchIndexFileTest, AnIndexReadBackHoldsTheSameRecords)
{
    {
        PatchLibrary library;
        openPerformances(library);
        library.updatePatch(3, 127, u"Last", u"[Sq]", "dump");
        library.updatePatch(0, 0, u"First", RefString(), "dump");
    }
    PatchLibrary reopened;
    std::string error;
    ASSERT_TRUE(openPerformances(reopened, &error));
    EXPECT_EQ(error, "");

    RefString path, name, category;
    ASSERT_TRUE(reopened.getPatch(3, 127, path, name, category));
    EXPECT_EQ(utf8(path), (folder / "performance/3_127.syx").string());
    EXPECT_EQ(utf8(name), "Last");
    EXPECT_EQ(utf8(category), "[Sq]");
    EXPECT_EQ(utf8(reopened.get(3 * programsPerBank + 127)), "3128[Sq]Last");
    ASSERT_TRUE(reopened.getPatch(0, 0, path, name, category));
    EXPECT_EQ(utf8(name), "First");
    EXPECT_TRUE(category.isEmpty());
    EXPECT_EQ(utf8(reopened.get(1)), "");
}

TEST_F(PatchIndexFileTest, EntriesWrittenByHandTakeTheDefaultsAndTheLastOneWins)
{
    writeFile(indexFile(), indexWithEntries("  <pach file=\"performance/0_0.syx\"/>\n"
                                            "  <pach name=\"Old\" bank=\"2\" program=\"9\" file=\"performance/2_9.syx\"/>\n"
                                            "  <pach name=\"New\" category=\"\" bank=\"2\" program=\"9\" "
                                            "file=\"performance/2_9.syx\" colour=\"red\"/>\n"));
    PatchLibrary library;
    ASSERT_TRUE(openPerformances(library));

    RefString path, name, category;
    library.getPatch(0, 0, path, name, category);
    EXPECT_EQ(utf8(name), "No name");
    EXPECT_EQ(utf8(path), (folder / "performance/0_0.syx").string());
    library.getPatch(2, 9, path, name, category);
    EXPECT_EQ(utf8(name), "New");
    EXPECT_TRUE(category.isEmpty());
}

TEST_F(PatchIndexFileTest, EntriesOutsideTheGridOrNamingForeignFilesAreIgnored)
{
    writeFile(indexFile(),
        indexWithEntries("  <pach name=\"Kept\" bank=\"1\" program=\"1\" file=\"performance/1_1.syx\"/>\n"
                         "  <pach name=\"Bank4\" bank=\"4\" program=\"0\" file=\"performance/4_0.syx\"/>\n"
                         "  <pach name=\"Prog128\" bank=\"0\" program=\"128\" file=\"performance/0_128.syx\"/>\n"
                         // 33554432 x 128 wraps to slot 0 in 32-bit arithmetic.
                         "  <pach name=\"Wrap\" bank=\"33554432\" program=\"0\" "
                         "file=\"performance/33554432_0.syx\"/>\n"
                         "  <pach name=\"Escape\" bank=\"0\" program=\"0\" file=\"../../etc/passwd\"/>\n"
                         "  <pach name=\"Other\" bank=\"0\" program=\"1\" file=\"voice/0_1.syx\"/>\n"));
    PatchLibrary library;
    std::string error;
    ASSERT_TRUE(openPerformances(library, &error));
    EXPECT_NE(error.find("5 entries were ignored"), std::string::npos) << error;

    RefString path, name, category;
    library.getPatch(1, 1, path, name, category);
    EXPECT_EQ(utf8(name), "Kept");
    for (std::int32_t slot = 0; slot < std::int32_t(library.count()); ++slot)
        ASSERT_EQ(library.get(slot).isEmpty(), slot != std::int32_t(programsPerBank + 1)) << slot;
}

// Whatever is found at the index path and cannot be used stays on disk, under
// a new name, so the user loses nothing when the cache starts afresh.
TEST_F(PatchIndexFileTest, AnIndexThatCannotBeKeptIsSetAsideWhole)
{
    const struct {
        const char* what;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"truncated", indexWithEntries("").substr(0, 90), "not a well-formed XML document"},
        {"binary", std::string("\0\xff\xfe<", 4), "refused"},
        {"foreign root", "<Settings><pach_collection/></Settings>", "the root element is \"Settings\""},
        {"no collection", "<YAMAHA_FS1R><voices/></YAMAHA_FS1R>", "no \"pach_collection\" element"},
        {"name in another case",
            indexWithEntries("", "name=\"YAMAHA_FS1R internal PERFORMANCE memory.\" content_type=\"performance\" "
                                 "bank_size=\"128\" bank_count=\"4\""),
            "describes \"YAMAHA_FS1R internal PERFORMANCE memory.\""},
        {"other sizes",
            indexWithEntries("", "name=\"YAMAHA_FS1R internal performance memory.\" content_type=\"performance\" "
                                 "bank_size=\"128\" bank_count=\"12\""),
            "12 banks of 128, not"},
        {"unreadable size",
            indexWithEntries("", "name=\"YAMAHA_FS1R internal performance memory.\" content_type=\"performance\" "
                                 "bank_size=\"128x\" bank_count=\"4\""),
            "4 banks of 128x"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        writeFile(indexFile(), bad.bytes);

        PatchLibrary library;
        std::string error;
        EXPECT_FALSE(openPerformances(library, &error));
        EXPECT_NE(error.find(indexFile().string()), std::string::npos) << error;
        EXPECT_NE(error.find(bad.reason), std::string::npos) << error;
        EXPECT_NE(error.find("set aside as " + indexFile().string() + ".bad"), std::string::npos) << error;
        EXPECT_EQ(readFile(indexFile().string() + ".bad"), bad.bytes);
        EXPECT_EQ(library.count(), performanceBanks * programsPerBank);

        // The cache starts again beside the set-aside copy.
        ASSERT_FALSE(library.updatePatch(0, 0, u"New", RefString(), "dump").isNull());
        ASSERT_TRUE(library.saveIndex());
        EXPECT_TRUE(fs::exists(indexFile()));
        EXPECT_EQ(readFile(indexFile().string() + ".bad"), bad.bytes);
    }
}

TEST_F(PatchIndexFileTest, AnEarlierSetAsideIndexIsNotReplaced)
{
    writeFile(indexFile().string() + ".bad", "first");
    writeFile(indexFile(), "second");
    PatchLibrary library;
    openPerformances(library);
    EXPECT_EQ(readFile(indexFile().string() + ".bad"), "first");
    EXPECT_EQ(readFile(indexFile().string() + ".bad.1"), "second");
}

TEST_F(PatchIndexFileTest, AnIndexThatCannotBeSetAsideIsNeverWrittenOver)
{
    // Every name it could be set aside under is taken.
    writeFile(indexFile().string() + ".bad", "");
    for (int copy = 1; copy <= 999; ++copy)
        writeFile(indexFile().string() + ".bad." + std::to_string(copy), "");
    writeFile(indexFile(), "<broken");

    PatchLibrary library;
    std::string error;
    EXPECT_FALSE(openPerformances(library, &error));
    EXPECT_NE(error.find("will not be written over"), std::string::npos) << error;
    EXPECT_TRUE(library.updatePatch(0, 0, u"New", RefString(), "dump").isNull());
    EXPECT_FALSE(library.saveIndex(&error));
    EXPECT_NE(error.find("left as it is"), std::string::npos) << error;
    EXPECT_EQ(readFile(indexFile()), "<broken");

    // Once the user has moved it away, the cache is written again.
    fs::rename(indexFile(), folder / "moved.xml");
    EXPECT_FALSE(library.updatePatch(0, 0, u"New", RefString(), "dump").isNull());
    ASSERT_TRUE(library.saveIndex());
    EXPECT_TRUE(fs::exists(indexFile()));
}

} // namespace
