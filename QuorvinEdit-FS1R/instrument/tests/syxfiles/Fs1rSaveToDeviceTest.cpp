// Save to device against the simulated FS1R: the edit buffer must arrive in
// the chosen internal slot, the cache must file it there, and the instrument
// and the editor must point at it, without a trace in the undo history. A
// dump that cannot go out changes nothing.
#include "PatchCommandFixture.h"

#include "midi/MidiInterface.h"
#include "params/Parameter.h"
#include "tests/support/EventPump.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr char savePrompt[] =
    "Select the destination in the FS1R memory.\nWARNING: the data in the FS1R will be overwritten!";

class SaveToDevice : public PatchCommandFixture {
protected:
    void SetUp() override
    {
        PatchCommandFixture::SetUp();
        device->setPatchDialogs(&dialogs);
    }

    bool slotHolds(PackedAddress slot, const Bytes& data)
    {
        return pumpEventsUntil([&] { return instrument().dumpData(slot) == data; });
    }

    bool nothingRecorded()
    {
        for (std::int32_t page = 0; page < Fs1rPanels::pageCount; ++page)
            if (!panels.history(page).commands().empty())
                return false;
        return true;
    }

    bool receivedShortMessage(std::vector<std::uint8_t> message)
    {
        return pumpEventsUntil([&] { return std::ranges::count(instrument().receivedShortMessages(), message) > 0; });
    }
};

TEST_F(SaveToDevice, AVoiceGoesIntoTheChosenSlotAndThePartSelectsIt)
{
    const Bytes voice = pattern(L::voiceDumpSize, 21);
    write(L::voiceDumpAddress(1), voice);
    dialogs.slot = 7;
    device->saveToDevice(Fs1rParts::ofVoice(1));
    EXPECT_EQ(dialogs.calls.front(), "slot 2 " + std::string(savePrompt));
    EXPECT_TRUE(slotHolds(L::internalVoiceBase + 7, voice));

    const std::string cached = readFile(cacheFile("voice/0_7.syx"));
    ASSERT_EQ(cached.size(), 619u);
    EXPECT_EQ(Bytes(cached.begin() + 9, cached.end() - 2), voice);
    EXPECT_EQ(device->readValue(L::partVoiceBankAddress(1)), 1);
    EXPECT_EQ(device->readValue(L::partVoiceNumberAddress(1)), 7);
    EXPECT_TRUE(pumpEventsUntil([&] {
        return instrument().parameterValue(L::partVoiceBankAddress(1)) == 1u
            && instrument().parameterValue(L::partVoiceNumberAddress(1)) == 7u;
    }));
    EXPECT_TRUE(nothingRecorded());
}

TEST_F(SaveToDevice, APerformanceIsSelectedByBankAndProgramChange)
{
    const Bytes performance = pattern(L::performanceDumpSize, 60);
    write(L::performanceDumpAddress, performance);
    dialogs.slot = 20;
    device->saveToDevice(Fs1rParts::performance);
    EXPECT_TRUE(slotHolds(L::internalPerformanceBase + 20, performance));
    EXPECT_TRUE(std::filesystem::exists(cacheFile("performance/0_20.syx")));
    EXPECT_TRUE(receivedShortMessage({0xB0, 0x20, 0x40}));
    EXPECT_TRUE(receivedShortMessage({0xC0, 20}));
    EXPECT_TRUE(nothingRecorded());
}

TEST_F(SaveToDevice, TheLongestSequenceGoesWholeWithItsCountHalved)
{
    constexpr std::uint8_t longest = 3;
    Bytes sequence = pattern(L::fseqDumpSize(L::fseqMaxFrames), 2);
    sequence[Fs1rSysexFile::fseqLengthCodeOffset] = longest;
    write(L::fseqDumpAddress, sequence);
    dialogs.slot = 2;
    device->saveToDevice(Fs1rParts::formantSequence);
    EXPECT_TRUE(slotHolds(L::internalFseqBase + 2, sequence));
    EXPECT_EQ(instrument().rejectedDumpCount(), 0u);
    EXPECT_EQ(device->readValue(L::performanceFseqNumberAddress), 2);
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
    EXPECT_NE(device->currentPerformanceNumber()->getValue(), 3);
    pumpEventsFor(std::chrono::milliseconds(50));
    EXPECT_EQ(instrument().dumpData(L::internalPerformanceBase + 3), slotBefore);
}

} // namespace
