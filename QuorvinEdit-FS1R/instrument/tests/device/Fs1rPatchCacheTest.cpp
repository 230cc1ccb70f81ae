// Loading the current patch from the cache or the instrument, and filing
// what the instrument sends into the cache, against the simulated FS1R.
#include "Fs1rDeviceFixture.h"

#include "instrument/Fs1rMemoryLayout.h"
#include "params/Parameter.h"
#include "patches/PatchLibrary.h"
#include "sysex/AddressMap.h"
#include "tests/support/EventPump.h"
#include "tests/support/FileBytes.h"

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Layout = Fs1rMemoryLayout;

namespace {

constexpr std::size_t headerLength = 9;

struct Record {
    RefString file;
    std::string name;
};

Record recordOf(PatchLibrary& cache, std::uint32_t bank, std::uint32_t program)
{
    RefString file;
    RefString name;
    RefString category;
    cache.getPatch(bank, program, file, name, category);
    return {file, name.toUtf8()};
}

// The data bytes of a message as the cache file holds it.
std::vector<std::uint8_t> dataOf(const std::string& message)
{
    if (message.size() < headerLength + 2)
        return {};
    return {message.begin() + headerLength, message.end() - 2};
}

} // namespace

class Fs1rPatchCacheTest : public Fs1rDeviceFixture {
protected:
    // Files a performance named "CACHED" with the instrument's data at
    // bank 0, program 0, as an earlier run would have.
    std::string cachePerformance(const std::string& name)
    {
        std::vector<std::uint8_t> data = instrument().dumpData(Layout::performanceDumpAddress);
        std::fill_n(data.begin(), Layout::performanceNameSize, std::uint8_t(' '));
        std::copy(name.begin(), name.end(), data.begin());
        const std::string message = bulkDump(Layout::performanceDumpAddress, data);
        EXPECT_FALSE(cache(Fs1rLibraries::performances)
                         .updatePatch(0, 0, RefString::fromUtf8(name), RefString(), message)
                         .isNull());
        return message;
    }
};

TEST_F(Fs1rPatchCacheTest, AMissingPatchIsAskedOfTheInstrumentAndFiled)
{
    connect();
    device->loadCurrentPatch(Fs1rParts::performance);
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsFor(Layout::performanceDumpAddress), 1);
    EXPECT_EQ(panels.savedPages, std::vector<std::int32_t>{Fs1rPanels::performancePage});
    const std::string file = readFile(cacheFile("performance/0_0.syx"));
    ASSERT_EQ(file.size(), 411u);
    EXPECT_EQ(dataOf(file), instrument().dumpData(Layout::performanceDumpAddress));
    EXPECT_EQ(recordOf(cache(Fs1rLibraries::performances), 0, 0).name, device->getPerformanceName().toUtf8());
    // The record reaches the disk at once, not only at exit.
    PatchLibrary nextStart;
    nextStart.open(
        u"YAMAHA_FS1R", u"performance", RefString::fromUtf8(cacheFile("performances.xml").string()), 4, 128);
    EXPECT_EQ(recordOf(nextStart, 0, 0).name, device->getPerformanceName().toUtf8());
}

TEST_F(Fs1rPatchCacheTest, ACachedPatchLoadsWithoutAskingTheInstrument)
{
    connect();
    cachePerformance("CACHED");
    device->loadCurrentPatch(Fs1rParts::performance);
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsFor(Layout::performanceDumpAddress), 0);
    EXPECT_EQ(device->getPerformanceName().toUtf8(), "CACHED      ");
    EXPECT_TRUE(panels.pageHistory(Fs1rPanels::performancePage).list().commands().empty());
}

TEST_F(Fs1rPatchCacheTest, AnUnusableCacheFileIsSetAsideAndThePatchAskedForAgain)
{
    connect();
    cachePerformance("CACHED");
    // A voice where a performance belongs is as useless as garbage.
    writeFile(cacheFile("performance/0_0.syx"),
        bulkDump(Layout::voiceDumpAddress(0), instrument().dumpData(Layout::voiceDumpAddress(0))));
    device->loadCurrentPatch(Fs1rParts::performance);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(fs::exists(cacheFile("performance/0_0.syx.bad")));
    EXPECT_EQ(requestsFor(Layout::performanceDumpAddress), 1);
    EXPECT_NE(device->getPerformanceName().toUtf8(), "CACHED      ");
    EXPECT_EQ(dataOf(readFile(cacheFile("performance/0_0.syx"))),
        instrument().dumpData(Layout::performanceDumpAddress));
}

TEST_F(Fs1rPatchCacheTest, ACacheFileThatCannotBeWrittenKeepsTheOldRecordAndFile)
{
    connect();
    const std::string old = cachePerformance("OLD");
    // A folder in the way of the new file makes the write fail even for root.
    const fs::path file = cacheFile("performance/0_0.syx");
    fs::remove(file);
    fs::create_directory(file);
    instrument().sendDump(Layout::performanceDumpAddress);
    ASSERT_TRUE(pumpEventsUntil([this] { return log.countStartingWith("The patch cache could not be updated") > 0; }));
    const Record record = recordOf(cache(Fs1rLibraries::performances), 0, 0);
    EXPECT_EQ(record.name, "OLD");
    EXPECT_FALSE(record.file.isEmpty());
}

TEST_F(Fs1rPatchCacheTest, AnInternalVoiceDumpIsFiledAtItsSlotAsItCame)
{
    connect();
    constexpr PackedAddress slot5 = Layout::internalVoiceBase + 5;
    const std::vector<std::uint8_t> data = instrument().dumpData(slot5);
    instrument().sendDump(slot5);
    ASSERT_TRUE(pumpEventsUntil([this] { return fs::exists(cacheFile("voice/0_5.syx")); }));
    const std::string file = readFile(cacheFile("voice/0_5.syx"));
    EXPECT_EQ(file, bulkDump(slot5, data));
    const std::string name(data.begin(), data.begin() + Layout::voiceNameSize);
    EXPECT_EQ(recordOf(cache(Fs1rLibraries::voices), 0, 5).name, name);
}

TEST_F(Fs1rPatchCacheTest, SystemAndInternalFseqDumpsAreNotFiled)
{
    connect();
    instrument().sendDump(Layout::internalFseqBase + 2);
    instrument().sendDump(Layout::systemDumpAddress);
    ASSERT_TRUE(pumpEventsUntil([this] { return log.countStartingWith("MIDI IN: Dump end: addr=0") > 0; }));
    EXPECT_FALSE(fs::exists(cacheFile("fseq/0_2.syx")));
    EXPECT_TRUE(recordOf(cache(Fs1rLibraries::formantSequences), 0, 2).file.isEmpty());
}

TEST_F(Fs1rPatchCacheTest, TheCurrentFseqIsFiledWithItsOwnTraceLine)
{
    connect();
    log.clear();
    instrument().sendDump(Layout::fseqDumpAddress);
    ASSERT_TRUE(pumpEventsUntil([this] { return log.countStartingWith("MIDI IN: Dump end: addr=600000") > 0; }));
    EXPECT_EQ(log.countStartingWith("   Dump received : current FSEQ (bank="), 1);
    EXPECT_EQ(log.countStartingWith("   Update cache with formant sequence"), 0);
}

TEST_F(Fs1rPatchCacheTest, APartThatIsOffResetsItsVoiceAndAsksNothing)
{
    connect();
    device->addressMap().setValue(Layout::partVoiceBankAddress(1), 0, flagsConstruct);
    device->loadCurrentPatch(Fs1rParts::ofVoice(1));
    EXPECT_EQ(panels.initialisedVoices, std::vector<std::int32_t>{1});
    EXPECT_EQ(requestsFor(Layout::voiceDumpAddress(1)), 0);
    EXPECT_TRUE(log.contains("loadCurrentPatch (voice 2): init"));
}

TEST_F(Fs1rPatchCacheTest, VoiceBankOneIsTheInternalBankOfTheCache)
{
    connect();
    device->addressMap().setValue(Layout::partVoiceBankAddress(2), 1, flagsConstruct);
    device->addressMap().setValue(Layout::partVoiceNumberAddress(2), 9, flagsConstruct);
    device->loadCurrentPatch(Fs1rParts::ofVoice(2));
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsFor(Layout::voiceDumpAddress(2)), 1);
    EXPECT_EQ(dataOf(readFile(cacheFile("voice/0_9.syx"))), instrument().dumpData(Layout::voiceDumpAddress(2)));
}

TEST_F(Fs1rPatchCacheTest, AnAnswerToAnEarlierChoiceIsFiledWhereItWasAskedFor)
{
    connect();
    device->loadCurrentPatch(Fs1rParts::performance);
    // The user picks program 7 before the instrument answered for 0.
    device->currentPerformanceNumber()->setValue(flagsConstruct, 7);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(fs::exists(cacheFile("performance/0_0.syx")));
    // Program 7's own data are asked for again.
    EXPECT_EQ(requestsFor(Layout::performanceDumpAddress), 2);
    EXPECT_TRUE(fs::exists(cacheFile("performance/0_7.syx")));
}

// A request waits while another dump is on its way; the instrument answers
// it with the patch it plays when the request leaves. Meanwhile part 3's
// voice is chosen again, one or more times (each a voice number of internal
// bank 1): a request already waiting is not queued again.
class Fs1rQueuedRequestTest : public Fs1rPatchCacheTest,
                              public ::testing::WithParamInterface<std::vector<std::uint32_t>> {
protected:
    static constexpr std::uint32_t part3 = 2;

    // Chooses an internal voice of part 3 and tells the instrument, as the
    // voice selector does.
    void choose(std::uint32_t voice)
    {
        const PackedAddress bank = Layout::partVoiceBankAddress(part3);
        const PackedAddress number = Layout::partVoiceNumberAddress(part3);
        device->addressMap().setValue(bank, 1, flagsConstruct);
        device->addressMap().setValue(number, voice, flagsConstruct);
        device->midiInterface()->sendParameterChange(bank, 1, RefString());
        device->midiInterface()->sendParameterChange(number, std::int32_t(voice), RefString());
        device->loadCurrentPatch(Fs1rParts::ofVoice(part3));
    }
};

TEST_P(Fs1rQueuedRequestTest, AnAnswerIsFiledWhereTheRequestLeftNotWhereItWasQueued)
{
    constexpr std::uint32_t firstVoice = 1;
    const std::vector<std::uint32_t>& choices = GetParam();
    connect();
    ASSERT_TRUE(device->midiInterface()->requestDump(Layout::systemDumpAddress));
    choose(firstVoice);
    for (std::uint32_t voice : choices)
        choose(voice);
    ASSERT_TRUE(settle());
    const std::uint32_t last = choices.back();
    EXPECT_EQ(requestsFor(Layout::voiceDumpAddress(part3)), 1);
    EXPECT_EQ(dataOf(readFile(cacheFile("voice/0_" + std::to_string(last) + ".syx"))),
        instrument().dumpData(Layout::voiceDumpAddress(part3)));
    if (last != firstVoice) {
        EXPECT_TRUE(recordOf(cache(Fs1rLibraries::voices), 0, firstVoice).file.isEmpty()) << "its request never left";
    }
}

INSTANTIATE_TEST_SUITE_P(VoicesChosenWhileItWaits, Fs1rQueuedRequestTest,
    ::testing::Values(std::vector<std::uint32_t>{11}, std::vector<std::uint32_t>{1},
        std::vector<std::uint32_t>{11, 11}, std::vector<std::uint32_t>{11, 1}, std::vector<std::uint32_t>{1, 11, 1}));

// The two program parameters of the performance's formant sequence share one
// address, so a received performance chooses its sequence twice.
TEST_F(Fs1rPatchCacheTest, APatchChosenAgainWhileItsDumpIsOnTheWayIsAskedOnce)
{
    connect();
    device->loadCurrentPatch(Fs1rParts::formantSequence);
    device->loadCurrentPatch(Fs1rParts::formantSequence);
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsFor(Layout::fseqDumpAddress), 1);
    EXPECT_TRUE(fs::exists(cacheFile("fseq/0_0.syx")));
}

// A performance from a damaged file may name a bank no cache has: its patch
// still comes from the instrument, and is simply not filed.
TEST_F(Fs1rPatchCacheTest, APatchOutsideTheCachesIsLoadedQuietlyAndNotFiled)
{
    struct Case {
        Fs1rPart part;
        PackedAddress bankAddress;
        PackedAddress dumpAddress;
    };
    const Case cases[] = {
        {Fs1rParts::ofVoice(2), Layout::partVoiceBankAddress(2), Layout::voiceDumpAddress(2)},
        {Fs1rParts::formantSequence, Layout::performanceFseqBankAddress, Layout::fseqDumpAddress},
    };
    connect();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.part);
        device->addressMap().setValue(test.bankAddress, 100, flagsConstruct);
        device->loadCurrentPatch(test.part);
        ASSERT_TRUE(settle());
        EXPECT_EQ(requestsFor(test.dumpAddress), 1);
    }
    EXPECT_EQ(log.countStartingWith("The patch cache could not be updated"), 0);
    EXPECT_EQ(log.countStartingWith("The dump is not cached: bank "), 2);
}
