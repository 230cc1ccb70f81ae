// File/Open, Save, Save as and Save all on the FS1R device connected to the
// simulated FS1R: what the user is asked, what is recorded and sent, what
// lands on disk, and that a refused file or a failed write loses nothing.
#include "PatchCommandFixture.h"

#include "instrument/Fs1rPatchFiles.h"
#include "tests/patches/PatchTestSupport.h"
#include "tests/support/EventPump.h"
#include "undo/CommandList.h"

#include <filesystem>

namespace {

constexpr char performanceQuestion[] = "yes/no YAMAHA_FS1R This file includes performance data.";

class PatchFiles : public PatchCommandFixture {
protected:
    void SetUp() override
    {
        PatchCommandFixture::SetUp();
        device->setPatchDialogs(&dialogs);
    }

    const std::vector<Command>& commands(std::int32_t page) { return panels.history(page).commands(); }
    bool modified(std::int32_t page) { return panels.pageHistory(page).isModified(); }
};

TEST_F(PatchFiles, AnOpenedPerformanceAsksFirstThenLoadsAndReachesTheInstrument)
{
    const Bytes performance = pattern(L::performanceDumpSize, 9);
    const Bytes before = editBuffer(Fs1rParts::performance);
    dialogs.openAnswers = {syxFile("a.perf.syx", L::performanceDumpAddress, performance),
        syxFile("b.perf.syx", L::performanceDumpAddress, performance)};
    dialogs.yes = false;
    device->openFile();
    EXPECT_EQ(dialogs.count(performanceQuestion), 1);
    EXPECT_EQ(editBuffer(Fs1rParts::performance), before);

    dialogs.yes = true;
    device->openFile();
    EXPECT_EQ(editBuffer(Fs1rParts::performance), performance);
    // The fake pages make one parameter of every byte; the name's bytes are
    // single-byte parameters on the instrument too.
    const auto name = [](const Bytes& data) { return Bytes(data.begin(), data.begin() + L::performanceNameSize); };
    EXPECT_TRUE(pumpEventsUntil(
        [&] { return name(instrument().dumpData(L::performanceDumpAddress)) == name(performance); }));
}

TEST_F(PatchFiles, ACacheLoadAsksNothingRecordsNothingAndSendsNothing)
{
    const Bytes voice = pattern(L::voiceDumpSize, 3);
    const Bytes onInstrument = instrument().dumpData(L::voiceDumpAddress(1));
    EXPECT_TRUE(device->patchFiles().loadSysexFile(syxFile("v.syx", L::voiceDumpAddress(3), voice), flagsPatchLoad, 1));
    EXPECT_EQ(editBuffer(Fs1rParts::ofVoice(1)), voice) << "a cached voice lands in its part";
    pumpEventsFor(std::chrono::milliseconds(50));
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(commands(Fs1rPanels::firstVoicePage + 1).empty());
    EXPECT_EQ(instrument().dumpData(L::voiceDumpAddress(1)), onInstrument);
}

TEST_F(PatchFiles, AVoiceGoesToTheShownVoicePageOrToThePartTheUserChooses)
{
    const Bytes voice = pattern(L::voiceDumpSize, 5);
    const std::string internalSlot = syxFile("slot.voice.syx", L::internalVoiceBase + 3, voice);
    panels.shown = Fs1rPanels::firstVoicePage + 2;
    dialogs.openAnswers = {internalSlot, internalSlot, internalSlot};
    device->openFile();
    EXPECT_EQ(editBuffer(Fs1rParts::ofVoice(2)), voice);
    EXPECT_EQ(dialogs.count("choose"), 0);

    panels.shown = Fs1rPanels::performancePage;
    dialogs.choice = -1;
    const Bytes partOne = editBuffer(Fs1rParts::ofVoice(0));
    device->openFile();
    EXPECT_EQ(editBuffer(Fs1rParts::ofVoice(0)), partOne) << "cancelled";

    dialogs.choice = 0;
    device->openFile();
    EXPECT_EQ(dialogs.count("choose YAMAHA_FS1R This file includes voice data. Choose the destination voice below: 5"),
        2);
    EXPECT_EQ(editBuffer(Fs1rParts::ofVoice(0)), voice) << "an internal-slot voice read from the file is part 1's";
}

TEST_F(PatchFiles, ARefusedFileChangesNothingAndTellsTheUserWhy)
{
    std::string damaged = bulkDump(L::performanceDumpAddress, pattern(L::performanceDumpSize, 1));
    damaged[damaged.size() - 2] ^= 0x01;
    writeFile(folder / "bad.syx", damaged);
    const Bytes before = editBuffer(Fs1rParts::performance);
    dialogs.openAnswers = {(folder / "bad.syx").string()};
    device->openFile();
    EXPECT_EQ(dialogs.count("error YAMAHA_FS1R The file " + (folder / "bad.syx").string() + " was not loaded.\n"
                            "The bulk dump in the file is damaged: Sysex checksum error."), 1);
    EXPECT_EQ(dialogs.count("yes/no"), 0);
    EXPECT_EQ(editBuffer(Fs1rParts::performance), before);
    EXPECT_TRUE(commands(Fs1rPanels::performancePage).empty());
}

TEST_F(PatchFiles, SaveWritesOnlyAModifiedPatchAndRewritesItsFileWithTheNewestDump)
{
    device->saveToFile(false, Fs1rParts::performance);
    EXPECT_TRUE(dialogs.calls.empty()) << "nothing to save";

    panels.pageHistory(Fs1rPanels::performancePage).markModified();
    const std::filesystem::path file = folder / "mine.perf.syx";
    dialogs.saveAnswers = {file.string()};
    device->saveToFile(false, Fs1rParts::performance);
    EXPECT_EQ(readFile(file).size(), 411u);
    EXPECT_FALSE(modified(Fs1rPanels::performancePage));
    EXPECT_EQ(settings.getText(u"Directories/LastPerformance", RefString()).toUtf8(), folder.path().string());

    const Bytes edited = pattern(L::performanceDumpSize, 77);
    write(L::performanceDumpAddress, edited);
    panels.pageHistory(Fs1rPanels::performancePage).markModified();
    device->saveToFile(false, Fs1rParts::performance);
    EXPECT_EQ(dialogs.count("save"), 1) << "Save writes into the patch's file";
    const Fs1rSysexFile saved = Fs1rSysexFile::read(file.string(), Fs1rSysexProtocol().bulkDump());
    ASSERT_TRUE(saved.isValid());
    EXPECT_EQ(bytesOf(readFile(file)),
        Fs1rSysexFile::build(Fs1rParts::performance, Fs1rSysexProtocol().bulkDump(), *device, 0));

    device->saveToFile(true, Fs1rParts::performance);
    EXPECT_EQ(dialogs.count("save"), 2) << "Save as always asks";
}

TEST_F(PatchFiles, SaveAllAsksForEveryPatchButThoseOfPartsThatAreOff)
{
    device->addressMap().setValue(L::partVoiceBankAddress(1), 0, flagsSysexReceived);
    write(L::fseqDumpAddress, bytesOf("B/M     "));
    settings.setText(u"Directories/LastFseq", u"/sequences");
    device->saveAll();
    ASSERT_EQ(dialogs.count("save"), 5);
    EXPECT_TRUE(dialogs.calls[0].starts_with("save Location of the new PERFORMANCE sysex file"));
    EXPECT_TRUE(dialogs.calls[1].starts_with("save Location of the new VOICE 1 sysex file"));
    EXPECT_TRUE(dialogs.calls[2].starts_with("save Location of the new VOICE 3 sysex file"));
    EXPECT_TRUE(dialogs.calls[3].starts_with("save Location of the new VOICE 4 sysex file"));
    EXPECT_EQ(dialogs.calls[4], "save Location of the new FORMANT SEQUENCE sysex file | "
                                "SYSEX formant sequence files (*.fseq.syx)|*.fseq.syx | /sequences | B_M.fseq.syx");
}

TEST_F(PatchFiles, AFailedWriteKeepsTheOldFileAndTheModifiedMark)
{
    dialogs.saveAnswers = {(folder / "kept.voice.syx").string()};
    device->saveToFile(true, Fs1rParts::ofVoice(0));
    const std::string old = readFile(folder / "kept.voice.syx");
    ASSERT_EQ(old.size(), 619u);

    write(L::voiceDumpAddress(0), pattern(L::voiceDumpSize, 40));
    panels.pageHistory(Fs1rPanels::firstVoicePage).markModified();
    {
        patchtest::FileSizeLimit limit(100);
        device->saveToFile(false, Fs1rParts::ofVoice(0));
    }
    EXPECT_EQ(dialogs.count("error YAMAHA_FS1R The file " + (folder / "kept.voice.syx").string()
                  + " could not be saved."), 1);
    EXPECT_EQ(readFile(folder / "kept.voice.syx"), old);
    EXPECT_TRUE(modified(Fs1rPanels::firstVoicePage));
    EXPECT_EQ(device->patchFiles().patchFile(Fs1rParts::ofVoice(0)), (folder / "kept.voice.syx").string());
}

} // namespace
