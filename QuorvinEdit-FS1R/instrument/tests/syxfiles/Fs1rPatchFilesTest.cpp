// File/Open, Save, Save as and Save all on the device: what the user is
// asked, what lands in memory and on disk, and that a refused file or a
// failed write loses nothing.
#include "PatchCommandFixture.h"

#include "tests/patches/PatchTestSupport.h"
#include "tests/support/EventPump.h"

namespace {

using PatchFiles = PatchCommandFixture;

TEST_F(PatchFiles, AnOpenedPerformanceAsksFirstAndReachesTheInstrumentOnYes)
{
    const Bytes performance = pattern(L::performanceDumpSize, 9);
    const Bytes before = editBuffer(Fs1rParts::performance);
    const std::string file = syxFile("a.perf.syx", L::performanceDumpAddress, performance);
    dialogs.openAnswers = {file, file};
    dialogs.yes = false;
    device->openFile();
    EXPECT_EQ(dialogs.count("yes/no YAMAHA_FS1R This file includes performance data.\nLoading it will"), 1);
    EXPECT_EQ(editBuffer(Fs1rParts::performance), before);

    dialogs.yes = true;
    device->openFile();
    EXPECT_EQ(editBuffer(Fs1rParts::performance), performance);
    // The fake pages give every byte a parameter; the name's bytes are
    // one-byte parameters on the instrument too.
    const auto name = [](const Bytes& data) { return Bytes(data.begin(), data.begin() + L::performanceNameSize); };
    EXPECT_TRUE(pumpEventsUntil(
        [&] { return name(instrument().dumpData(L::performanceDumpAddress)) == name(performance); }));
}

TEST_F(PatchFiles, AVoiceGoesToTheShownVoicePageOrToThePartTheUserChooses)
{
    const Bytes voice = pattern(L::voiceDumpSize, 5);
    const std::string file = syxFile("slot.voice.syx", L::internalVoiceBase + 3, voice);
    dialogs.openAnswers = {file, file, file};
    panels.shown = Fs1rPanels::firstVoicePage + 2;
    device->openFile();
    EXPECT_EQ(editBuffer(Fs1rParts::ofVoice(2)), voice);

    panels.shown = Fs1rPanels::performancePage;
    const Bytes partOne = editBuffer(Fs1rParts::ofVoice(0));
    device->openFile();
    EXPECT_EQ(editBuffer(Fs1rParts::ofVoice(0)), partOne) << "cancelled";
    dialogs.choice = 0;
    device->openFile();
    EXPECT_EQ(dialogs.count("choose This file includes voice data. Choose the destination voice below:"), 2);
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
    EXPECT_EQ(dialogs.calls.back(), "error YAMAHA_FS1R The file " + (folder / "bad.syx").string()
            + " was not loaded.\nThe bulk dump in the file is damaged: Sysex checksum error.");
    EXPECT_EQ(editBuffer(Fs1rParts::performance), before);
}

TEST_F(PatchFiles, SaveWritesAModifiedPatchIntoItsFileWhichHoldsTheNewestDumpOnly)
{
    CommandHistory& history = panels.pageHistory(Fs1rPanels::performancePage);
    device->saveToFile(false, Fs1rParts::performance);
    EXPECT_TRUE(dialogs.calls.empty()) << "nothing to save";

    const std::filesystem::path file = folder / "mine.perf.syx";
    dialogs.saveAnswers = {file.string()};
    history.markModified();
    device->saveToFile(false, Fs1rParts::performance);
    EXPECT_FALSE(history.isModified());
    EXPECT_EQ(settings.getText(u"Directories/LastPerformance", RefString()).toUtf8(), folder.path().string());

    write(L::performanceDumpAddress, pattern(L::performanceDumpSize, 77));
    history.markModified();
    device->saveToFile(false, Fs1rParts::performance);
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_EQ(readFile(file), bulkDump(L::performanceDumpAddress, pattern(L::performanceDumpSize, 77)));
    device->saveToFile(true, Fs1rParts::performance);
    EXPECT_EQ(dialogs.count("save"), 2) << "Save as always asks";
}

TEST_F(PatchFiles, SaveAllAsksForEveryPatchButThoseOfPartsThatAreOff)
{
    device->addressMap().setValue(L::partVoiceBankAddress(1), 0, flagsSysexReceived);
    write(L::fseqDumpAddress, {'B', '/', 'M', ' ', ' ', ' ', ' ', ' '});
    settings.setText(u"Directories/LastFseq", u"/sequences");
    device->saveAll();
    ASSERT_EQ(dialogs.count("save"), 5);
    EXPECT_TRUE(dialogs.calls[0].starts_with("save Location of the new PERFORMANCE sysex file"));
    EXPECT_TRUE(dialogs.calls[2].starts_with("save Location of the new VOICE 3 sysex file"));
    EXPECT_EQ(dialogs.calls[4], "save Location of the new FORMANT SEQUENCE sysex file | "
                                "SYSEX formant sequence files (*.fseq.syx)|*.fseq.syx | /sequences | B_M.fseq.syx");
}

TEST_F(PatchFiles, ABlankNameProposesAVisibleFileAndATypedNameGetsTheKindsExtension)
{
    write(L::voiceDumpAddress(2), Bytes(L::voiceNameSize, ' '));
    writeFile(folder / "taken.voice.syx", "old");
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {{"pad", "pad.voice.syx"}, {"Pad.SYX", "Pad.SYX"}, {"pad.syx.bak", "pad.syx.bak.voice.syx"},
        {"taken", "taken.voice.syx"}};
    for (const auto& c : cases) {
        dialogs.saveAnswers = {(folder / c.typed).string()};
        device->saveToFile(true, Fs1rParts::ofVoice(2));
        EXPECT_EQ(readFile(folder / c.written).size(), 619u) << c.typed;
        EXPECT_EQ(device->patchFiles().patchFile(Fs1rParts::ofVoice(2)), (folder / c.written).string());
    }
    EXPECT_EQ(std::ranges::count_if(dialogs.calls, [](const std::string& call) {
        return call.starts_with("save ") && call.ends_with("| Voice 3.voice.syx");
    }), std::ssize(cases));
    EXPECT_EQ(dialogs.count("yes/no YAMAHA_FS1R The file " + (folder / "taken.voice.syx").string()
                  + " already exists. Do you want to replace it?"),
        1);
    dialogs.yes = false;
    dialogs.saveAnswers = {(folder / "pad").string()};
    device->saveToFile(true, Fs1rParts::ofVoice(2));
    EXPECT_EQ(device->patchFiles().patchFile(Fs1rParts::ofVoice(2)), (folder / "taken.voice.syx").string())
        << "refused: nothing changes";
}

TEST_F(PatchFiles, AFailedWriteKeepsTheOldFileAndTheModifiedMark)
{
    const std::filesystem::path file = folder / "kept.voice.syx";
    dialogs.saveAnswers = {file.string()};
    device->saveToFile(true, Fs1rParts::ofVoice(0));
    const std::string old = readFile(file);
    ASSERT_EQ(old.size(), 619u);

    write(L::voiceDumpAddress(0), pattern(L::voiceDumpSize, 40));
    panels.pageHistory(Fs1rPanels::firstVoicePage).markModified();
    {
        patchtest::FileSizeLimit limit(100);
        device->saveToFile(false, Fs1rParts::ofVoice(0));
    }
    EXPECT_EQ(dialogs.count("error YAMAHA_FS1R The file " + file.string() + " could not be saved."), 1);
    EXPECT_EQ(readFile(file), old);
    EXPECT_TRUE(panels.pageHistory(Fs1rPanels::firstVoicePage).isModified());
}

} // namespace
