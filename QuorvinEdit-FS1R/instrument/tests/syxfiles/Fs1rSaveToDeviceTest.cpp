// Save to device against the simulated FS1R: the edit buffer must arrive in
// the chosen internal slot, the cache must file it there, and the instrument
// and the editor must select it, all without an undo step. A dump that
// cannot go out changes nothing.
#include "PatchCommandFixture.h"

#include "midi/MidiInterface.h"
#include "tests/support/EventPump.h"

#include <algorithm>

namespace {

class SaveToDevice : public PatchCommandFixture {
protected:
    bool slotHolds(PackedAddress slot, const Bytes& data)
    {
        return pumpEventsUntil([&] { return instrument().dumpData(slot) == data; });
    }
    bool instrumentHolds(PackedAddress address, unsigned value)
    {
        return pumpEventsUntil([&] { return instrument().parameterValue(address) == value; });
    }
    bool nothingRecorded()
    {
        for (std::int32_t page = 0; page < Fs1rPanels::pageCount; ++page)
            if (!panels.history(page).commands().empty())
                return false;
        return true;
    }
};

TEST_F(SaveToDevice, AVoiceGoesIntoTheChosenSlotWhichThePartThenPlays)
{
    const Bytes voice = pattern(L::voiceDumpSize, 21);
    write(L::voiceDumpAddress(1), voice);
    dialogs.slot = 7;
    device->saveToDevice(Fs1rParts::ofVoice(1));
    EXPECT_EQ(dialogs.calls.front(),
        "slot 2 Select the destination in the FS1R memory.\nWARNING: the data in the FS1R will be overwritten!");
    EXPECT_TRUE(slotHolds(L::internalVoiceBase + 7, voice));
    const std::string cached = readFile(cacheFile("voice/0_7.syx"));
    ASSERT_EQ(cached.size(), 619u);
    EXPECT_EQ(Bytes(cached.begin() + 9, cached.end() - 2), voice);
    EXPECT_TRUE(instrumentHolds(L::partVoiceBankAddress(1), 1));
    EXPECT_TRUE(instrumentHolds(L::partVoiceNumberAddress(1), 7));
    EXPECT_TRUE(nothingRecorded());
}

TEST_F(SaveToDevice, APerformanceIsSelectedByBankAndProgramChangeAndTheLongestSequenceGoesWhole)
{
    write(L::performanceDumpAddress, pattern(L::performanceDumpSize, 60));
    dialogs.slot = 20;
    device->saveToDevice(Fs1rParts::performance);
    EXPECT_TRUE(slotHolds(L::internalPerformanceBase + 20, pattern(L::performanceDumpSize, 60)));
    EXPECT_TRUE(pumpEventsUntil([&] {
        return std::ranges::count(instrument().receivedShortMessages(), Bytes{0xC0, 20}) == 1;
    }));

    Bytes sequence = pattern(L::fseqDumpSize(L::fseqMaxFrames), 2);
    sequence[Fs1rSysexFile::fseqLengthCodeOffset] = 3;
    write(L::fseqDumpAddress, sequence);
    dialogs.slot = 2;
    device->saveToDevice(Fs1rParts::formantSequence);
    EXPECT_TRUE(slotHolds(L::internalFseqBase + 2, sequence)) << "its count halved to fit";
    EXPECT_TRUE(instrumentHolds(L::performanceFseqNumberAddress, 2));
    EXPECT_TRUE(nothingRecorded());
}

TEST_F(SaveToDevice, NothingHappensFromTheSystemPageOnCancelOrWithoutAnOutput)
{
    panels.shown = Fs1rPanels::systemPage;
    device->saveToDevice(Fs1rParts::shownPage);
    EXPECT_TRUE(dialogs.calls.empty());

    const Bytes slotBefore = instrument().dumpData(L::internalPerformanceBase + 3);
    write(L::performanceDumpAddress, pattern(L::performanceDumpSize, 99));
    device->saveToDevice(Fs1rParts::performance);
    device->midiInterface()->closeAllPorts();
    dialogs.slot = 3;
    device->saveToDevice(Fs1rParts::performance);
    EXPECT_EQ(dialogs.count("error YAMAHA_FS1R The patch could not be sent to the FS1R"), 1);
    EXPECT_FALSE(std::filesystem::exists(cacheFile("performance/0_3.syx")));
    pumpEventsFor(std::chrono::milliseconds(50));
    EXPECT_EQ(instrument().dumpData(L::internalPerformanceBase + 3), slotBefore);
}

} // namespace
