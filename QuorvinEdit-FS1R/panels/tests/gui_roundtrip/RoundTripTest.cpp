// Round trips through the whole editor against the simulated FS1R, for every
// dump kind: instrument to editor, editor to instrument, .syx files, and
// undo after Init and after a user edit of every parameter.
#include "RoundTripFixture.h"

#include "controls/Control.h"
#include "gui/ControlElement.h"
#include "gui/ControlGroup.h"
#include "gui/EditorPanel.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "midi/MidiInterface.h"
#include "panels/FseqPanel.h"
#include "params/ParameterListener.h"
#include "simulator/SimulatorCodec.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "tests/support/FileBytes.h"
#include "undo/CommandHistory.h"

#include <map>

namespace {

using L = Fs1rMemoryLayout;

constexpr std::size_t dumpHeaderLength = 9;
// Frame parameters edited one by one in a sequence: the first two frames
// and the last one of the dump (every track of each).
constexpr std::size_t fseqFramesEdited = 3;

// The value each parameter last told its listeners.
class LastHeard : public ParameterListener {
public:
    void onParameterChanged(Parameter* parameter, std::uint32_t) override
    {
        if (parameter)
            values[parameter] = parameter->getValue();
    }
    std::map<const Parameter*, std::int32_t> values;
};

std::int32_t someOtherValue(const Parameter& parameter, std::mt19937& random)
{
    // Upwards where there is room, so that no range link pulls a neighbour in.
    const std::int32_t value = parameter.getValue();
    const std::int32_t low = value < parameter.allowedMaximum() ? value + 1 : parameter.allowedMinimum();
    const std::int32_t high = value < parameter.allowedMaximum() ? parameter.allowedMaximum() : value - 1;
    if (low > high)
        return value;
    std::int32_t next = std::uniform_int_distribution<std::int32_t>(low, high)(random);
    if (next == parameter.excludedValue())
        next = next == high ? low : next + 1;
    return next;
}

// The data of the bulk dump a file holds.
Bytes fileData(const std::string& path)
{
    const std::string message = readFile(path);
    if (message.size() < dumpHeaderLength + 2)
        return {};
    return Bytes(message.begin() + dumpHeaderLength, message.end() - 2);
}

void writeBytes(const std::string& path, const Bytes& bytes) { writeFile(path, std::string(bytes.begin(), bytes.end())); }

const DumpKind& kindOf(Fs1rPart part)
{
    for (const DumpKind& kind : dumpKinds())
        if (kind.part == part)
            return kind;
    throw std::logic_error("no dump kind");
}

// Frame parameters outside the frames edited one by one.
bool skippedFrame(const DumpKind& kind, std::optional<std::uint32_t> index)
{
    if (!kind.isFseq() || !index || *index < L::fseqHeaderSize)
        return false;
    const std::uint32_t frame = (*index - L::fseqHeaderSize) / L::fseqFrameSize;
    const std::uint32_t frames = L::fseqFrames(kind.lengthCode);
    return frame + 1 >= fseqFramesEdited && frame + 1 != frames;
}

class RoundTripTest : public RoundTripFixture {
protected:
    static std::vector<Parameter*> parametersCaptioned(const EditorPanel& page, const std::string& caption)
    {
        std::vector<Parameter*> found;
        for (std::size_t k = 0; k < page.groupCount(); ++k)
            for (const auto& entry : page.group(k)->controls())
                if (entry->control()
                    && (entry->labelText().toUtf8() == caption || entry->control()->getPath().widget.toUtf8() == caption))
                    found.push_back(dynamic_cast<Control&>(*entry->control()).mainParameter());
        return found;
    }

    // The editor's formant sequence at the size its own length code gives.
    Bytes editorFseq()
    {
        Bytes code(1);
        std::uint32_t sum = 0;
        device->readBytesWithSum(addToPackedAddress(L::fseqDumpAddress, L::fseqLengthCodeAddress & 0x7F), code, sum);
        DumpKind kind = dumpKinds().back();
        kind.lengthCode = code[0];
        return editorBytes(kind);
    }

    std::optional<std::uint32_t> firstIndex(const DumpKind& kind, const SysexParameter& parameter) const
    {
        return dumpIndex(kind, parameter.field().entries().front()->address());
    }
};

TEST_F(RoundTripTest, OnceConnectedTheInstrumentHoldsWhatTheEditorShows)
{
    EXPECT_TRUE(instrumentMatchesAfter("connecting"));
}

TEST_F(RoundTripTest, EveryDumpGoesFromTheInstrumentToTheEditorAndBackUnchanged)
{
    for (const DumpKind& kind : dumpKinds()) {
        SCOPED_TRACE(kind.name + ", " + seedText());
        const Bytes data = bringIn(kind);
        ASSERT_TRUE(sameBytes(editorBytes(kind), data)) << "instrument to editor";
        EXPECT_TRUE(instrumentMatchesAfter("a received dump"));
        for (const SysexParameter* parameter : parametersOf(kind))
            ASSERT_EQ(parameter->getValue(), encodedValue(kind, *parameter, data))
                << parameter->getName().toUtf8() << " at " << std::hex
                << parameter->field().entries().front()->address();

        putIntoInstrument(kind, scrambled(kind, data));
        ASSERT_TRUE(device->midiInterface()->sendDump(kind.address, kind.size(), *device, kind.address,
            kind.countDivisor()));
        settle();
        EXPECT_TRUE(sameBytes(instrument().dumpData(kind.address), data)) << "editor to instrument";
        EXPECT_TRUE(instrumentMatchesAfter("a dump sent to the instrument"));
    }
}

TEST_F(RoundTripTest, SavedAndForeignSyxFilesLoadBackByteForByte)
{
    for (const DumpKind& kind : dumpKinds()) {
        if (!kind.hasFiles())
            continue;
        SCOPED_TRACE(kind.name + ", " + seedText());
        const Bytes data = bringIn(kind);
        const std::int32_t voice = Fs1rParts::isVoice(kind.part) ? std::int32_t(Fs1rParts::voiceIndex(kind.part)) : -1;

        const std::string saved = (folder.path() / "saved.syx").string();
        ASSERT_TRUE(device->patchFiles().writePatchFile(kind.part, saved));
        EXPECT_TRUE(sameBytes(fileData(saved), data)) << "saved";
        putIntoEditor(kind, scrambled(kind, data));
        ASSERT_TRUE(device->patchFiles().loadSysexFile(saved, flagsFileLoad, voice));
        EXPECT_TRUE(sameBytes(editorBytes(kind), data)) << "saved and loaded";
        EXPECT_TRUE(instrumentMatchesAfter("File/Open of a saved file"));

        const std::string foreign = (folder.path() / "foreign.syx").string();
        writeBytes(foreign, SimulatorCodec::bulkDump(0, kind.address, data, kind.countDivisor()));
        putIntoEditor(kind, scrambled(kind, data));
        ASSERT_TRUE(device->patchFiles().loadSysexFile(foreign, flagsFileLoad, voice));
        EXPECT_TRUE(sameBytes(editorBytes(kind), data)) << "written by another program";
        EXPECT_TRUE(instrumentMatchesAfter("File/Open of another program's file"));

        // Answered No, the performance file changes nothing anywhere.
        dialogs.yes = false;
        putIntoInstrument(kind, scrambled(kind, data));
        ASSERT_TRUE(device->midiInterface()->requestDump(kind.address));
        settle();
        device->patchFiles().loadSysexFile(foreign, flagsFileLoad, voice);
        EXPECT_TRUE(instrumentMatchesAfter("File/Open answered No"));
        dialogs.yes = true;
    }
}

TEST_F(RoundTripTest, InitThenUndoGivesEveryByteBackInTheEditorAndTheInstrument)
{
    for (const DumpKind& kind : dumpKinds()) {
        SCOPED_TRACE(kind.name + ", " + seedText());
        const Bytes data = bringIn(kind);
        device->showPanel(kind.page);
        panels->resetCurrentPanel();
        EXPECT_TRUE(instrumentMatchesAfter("Init"));
        const Bytes initialised = editorBytes(kind);
        ASSERT_NE(initialised, data);

        ASSERT_TRUE(history(kind).undo());
        settle();
        EXPECT_TRUE(sameBytes(editorBytes(kind), data)) << "undo";
        if (!kind.isFseq()) {
            EXPECT_TRUE(sameBytes(instrument().dumpData(kind.address), data)) << "undo sent";
        }
        EXPECT_TRUE(instrumentMatchesAfter("undo of Init"));
        ASSERT_TRUE(history(kind).redo());
        EXPECT_TRUE(sameBytes(editorBytes(kind), initialised)) << "redo";
        EXPECT_TRUE(instrumentMatchesAfter("redo of Init"));
    }
}

// One dump kind a row: each is long, so the rows share out among the parts
// the program runs in.
class UserEditTest : public RoundTripTest, public testing::WithParamInterface<std::size_t> {};

TEST_P(UserEditTest, AUserEditOfEveryParameterReachesTheInstrumentIsHeardByAllAndUndoes)
{
    const DumpKind& kind = dumpKinds().at(GetParam());
    SCOPED_TRACE(kind.name + ", " + seedText());
    bringIn(kind);
    const std::vector<SysexParameter*> parameters = parametersOf(kind);
    LastHeard heard;
    for (SysexParameter* parameter : parameters)
        parameter->addListener(&heard);
    std::size_t edited = 0;
    std::size_t editable = 0;
    for (SysexParameter* parameter : parameters) {
        if (skippedFrame(kind, firstIndex(kind, *parameter)))
            continue;
        ++editable;
        const std::int32_t value = someOtherValue(*parameter, random);
        if (value == parameter->getValue())
            continue;
        const std::string name = parameter->getName().toUtf8();
        const Bytes before = editorBytes(kind);
        beginCommandGroup(parameter->getName(), flagsUserEdit);
        parameter->setValue(flagsUserEdit, value);
        endCommandGroup(flagsUserEdit);
        const Bytes after = editorBytes(kind);
        ASSERT_TRUE(kindMatchesAfter(kind, "an edit of " + name));
        ASSERT_TRUE(history(kind).undo()) << name;
        ASSERT_TRUE(sameBytes(editorBytes(kind), before)) << "undo of " << name;
        ASSERT_TRUE(kindMatchesAfter(kind, "undo of " + name));
        ASSERT_TRUE(history(kind).redo());
        ASSERT_TRUE(sameBytes(editorBytes(kind), after)) << "redo of " << name;
        ASSERT_TRUE(kindMatchesAfter(kind, "redo of " + name));
        ++edited;
    }
    EXPECT_GT(edited, editable / 2);
    for (const SysexParameter* parameter : parameters) {
        const auto told = heard.values.find(parameter);
        if (told != heard.values.end()) {
            EXPECT_EQ(told->second, parameter->getValue())
                << parameter->getName().toUtf8() << " shows another value than it holds";
        }
    }
    for (SysexParameter* parameter : parameters)
        parameter->removeListener(&heard);
}

INSTANTIATE_TEST_SUITE_P(EveryDumpKind, UserEditTest, testing::Range(std::size_t(0), dumpKinds().size()));

// --- Faults the round trips found -----------------------------------------------------

TEST_F(RoundTripTest, EachFormantLevelIsItsOwnFrameByte)
{
    const DumpKind& kind = dumpKinds().back();
    Bytes data = bringIn(kind);
    const std::uint32_t voicedLevel1 = L::fseqHeaderSize + 18;
    for (const std::uint32_t index : {voicedLevel1, voicedLevel1 + 1, voicedLevel1 + 24})
        data[index] = std::uint8_t(5 + index % 7);
    putIntoInstrument(kind, data);
    ASSERT_TRUE(device->midiInterface()->requestDump(kind.address));
    settle();
    ASSERT_TRUE(sameBytes(editorBytes(kind), data));

    std::map<std::uint32_t, SysexParameter*> levels;
    for (SysexParameter* parameter : parametersOf(kind))
        if (const auto index = firstIndex(kind, *parameter); index && *index < L::fseqHeaderSize + L::fseqFrameSize)
            levels[*index] = parameter;
    for (const std::uint32_t index : {voicedLevel1, voicedLevel1 + 1, voicedLevel1 + 24}) {
        ASSERT_TRUE(levels.contains(index));
        EXPECT_EQ(levels[index]->getValue(), data[index]) << "frame byte " << index - L::fseqHeaderSize;
    }
    levels[voicedLevel1]->setValue(flagsUserEdit, 5);
    levels[voicedLevel1 + 1]->setValue(flagsUserEdit, 9);
    const Bytes shown = editorBytes(kind);
    EXPECT_EQ(shown[voicedLevel1], 5);
    EXPECT_EQ(shown[voicedLevel1 + 1], 9);
    EXPECT_EQ(shown[voicedLevel1 + 2], data[voicedLevel1 + 2]);
}

TEST_F(RoundTripTest, AFactoryPerformanceKeepsItsUncoveredBytesAndOutOfRangeChannels)
{
    const DumpKind& kind = kindOf(Fs1rParts::performance);
    Bytes data = validContents(kind);
    const std::uint32_t partStart = L::performanceDumpSize - 4 * 52;
    // The highest receive channel as the instrument holds it in parts 1 and 2.
    data[partStart + 3] = 0;
    data[partStart + 52 + 3] = 17;
    putIntoInstrument(kind, data);
    ASSERT_TRUE(device->midiInterface()->requestDump(kind.address));
    settle();
    EXPECT_TRUE(sameBytes(editorBytes(kind), data));

    const std::string saved = (folder.path() / "factory.syx").string();
    ASSERT_TRUE(device->patchFiles().writePatchFile(kind.part, saved));
    EXPECT_TRUE(sameBytes(fileData(saved), data));
    putIntoInstrument(kind, scrambled(kind, data));
    ASSERT_TRUE(device->midiInterface()->sendDump(kind.address, kind.size(), *device, kind.address, 1));
    settle();
    EXPECT_TRUE(sameBytes(instrument().dumpData(kind.address), data));
}

TEST_F(RoundTripTest, TheFormantSequencePageWorksOnThePerformancePagesSettings)
{
    auto& fseqPage = dynamic_cast<FseqPanel&>(*panels->page(Fs1rPanels::fseqPage));
    AddressMap& map = device->addressMap();
    const auto parametersAt = [&map](PackedAddress address) {
        std::vector<SysexParameter*> found;
        for (const auto& listener : map.findEntry(address)->listeners())
            if (const auto* field = dynamic_cast<const SysexField*>(listener.get()); field && field->parameter())
                found.push_back(field->parameter());
        return found;
    };
    EXPECT_EQ(parametersAt(L::performanceFseqNumberAddress).size(), 2u) << "the preset and the internal choice";
    for (const PackedAddress position : {0x10001A, 0x10001C, 0x10001E})
        EXPECT_EQ(parametersAt(position).size(), 1u) << std::hex << position;

    // The length bounds the loop on both pages.
    fseqPage.lengthParameter().setValue(flagsUserEdit, 100);
    for (const PackedAddress loop : {0x10001A, 0x10001C, 0x10001E, 0x700010, 0x700012})
        EXPECT_EQ(parametersAt(loop).front()->maximum(), 100) << std::hex << loop;

    // The instrument has internal sequences when it keeps 64 internal voices.
    Bytes system = instrument().dumpData(L::systemDumpAddress);
    system[L::voiceLimitAddress & 0x7F] = std::uint8_t(Fs1rDevice::limitedVoicesSetting);
    putIntoInstrument(kindOf(Fs1rParts::shownPage), system);
    ASSERT_TRUE(device->midiInterface()->requestDump(L::systemDumpAddress));
    settle();
    device->onSystemSettingsReceived();

    // Choosing an internal sequence on the page loads it.
    const std::uint32_t slot = 4;
    const PackedAddress stored = addToPackedAddress(L::internalFseqBase, slot);
    ASSERT_FALSE(instrument().dumpData(stored).empty());
    panels->fseqBankParameter()->setValue(flagsUserEdit, 0);
    Parameter* internal = nullptr;
    for (Parameter* choice : parametersCaptioned(fseqPage, "Prog"))
        if (choice->maximum() == std::int32_t(Fs1rDevice::fseqViewLimit) - 1)
            internal = choice;
    ASSERT_NE(internal, nullptr);
    internal->setValue(flagsUserEdit, slot);
    settle();
    EXPECT_TRUE(sameBytes(editorFseq(), instrument().dumpData(stored))) << "chosen on the sequence page";

    // The performance calling up another sequence brings it onto the page.
    panels->fseqBankParameter()->setValue(flagsUserEdit, 1);
    auto& performance = *panels->page(Fs1rPanels::performancePage);
    for (Parameter* choice : parametersCaptioned(performance, "Prog"))
        if (choice->maximum() > std::int32_t(Fs1rDevice::fseqViewLimit))
            choice->setValue(flagsUserEdit, 17);
    settle();
    EXPECT_TRUE(sameBytes(editorFseq(), instrument().dumpData(L::fseqDumpAddress))) << "chosen on the performance page";
}

TEST_F(RoundTripTest, SaveToDeviceClearsThePagesMarkAndASequenceFileLeavesIt)
{
    dialogs.slot = 3;
    for (const Fs1rPart part : {Fs1rParts::performance, Fs1rParts::ofVoice(2), Fs1rParts::formantSequence}) {
        const DumpKind& kind = kindOf(part);
        SCOPED_TRACE(kind.name + ", " + seedText());
        bringIn(kind);
        CommandHistory& page = panels->pageHistory(kind.page);
        // The name's first letter: an edit that loads nothing.
        for (SysexParameter* parameter : parametersOf(kind))
            if (firstIndex(kind, *parameter) == 0u)
                parameter->setValue(flagsUserEdit, someOtherValue(*parameter, random));
        ASSERT_TRUE(page.isModified());

        device->saveToDevice(part);
        EXPECT_TRUE(instrumentMatchesAfter("Save to device"));
        EXPECT_EQ(page.isModified(), kind.isFseq()) << "saved to the instrument";

        if (kind.isFseq()) {
            dialogs.saveAnswers.push_back((folder.path() / "sequence.fseq.syx").string());
            device->saveToFile(true, part);
            EXPECT_FALSE(fileData((folder.path() / "sequence.fseq.syx").string()).empty());
            EXPECT_TRUE(page.isModified()) << "a sequence file leaves the page's mark";
        }
    }
}

} // namespace
