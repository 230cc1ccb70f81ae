// What the simulated FS1R holds before any edit, and what it holds after a
// file whose effect slots hold values their type's pages would not make: the
// file's bytes, as the editor does.
#include "RoundTripFixture.h"

#include "instrument/Fs1rMemoryLayout.h"
#include "params/SetValueFlags.h"
#include "simulator/SimulatorCodec.h"
#include "tests/support/FileBytes.h"

#include <array>

namespace {

using L = Fs1rMemoryLayout;
using InstrumentContentsTest = RoundTripFixture;

// Where the effect types lie in the performance dump (0x100128, 0x10012B and
// 0x10012F), and types of each block, from the first to the last. 41, 52
// and 85 are 9, 20 and 21 with a bit above the type's own set: the editor
// reads the same types in both, the instrument takes another byte for
// another type.
constexpr std::size_t reverbTypeIndex = 0x80 + 0x28;
constexpr std::size_t variationTypeIndex = 0x80 + 0x2B;
constexpr std::size_t insertionTypeIndex = 0x80 + 0x2F;
constexpr std::array<std::uint8_t, 3> effectTypes[] = {
    {1, 1, 1}, {13, 7, 33}, {16, 28, 40}, {41, 52, 85}, {9, 20, 21}};

// The voice's name and category tell the instrument's voices apart.
constexpr std::uint32_t voiceCategoryIndex = 0x0E;

TEST_F(InstrumentContentsTest, TheInstrumentsVoicesAreTheVoiceThatInitGives)
{
    for (std::uint32_t voice = 0; voice < Fs1rParts::voiceCount; ++voice) {
        const DumpKind& kind = dumpKinds()[2 + voice];
        Bytes held = instrument().dumpData(kind.address);
        device->showPanel(kind.page);
        panels->resetCurrentPanel();
        settle();
        Bytes initialised = instrument().dumpData(kind.address);
        for (Bytes* bytes : {&held, &initialised}) {
            std::fill_n(bytes->begin(), L::voiceNameSize, ' ');
            (*bytes)[voiceCategoryIndex] = 0;
        }
        EXPECT_TRUE(sameBytes(held, initialised)) << kind.name;
    }
}

// A valid dump whose data bytes are random but for the effect types: its
// effect slots may hold values past their type's range.
TEST_F(InstrumentContentsTest, AFileOfRandomBytesLeavesTheInstrumentHoldingWhatTheEditorShows)
{
    const DumpKind& kind = dumpKinds()[1];
    std::uniform_int_distribution<int> byte(0, 0x7F);
    for (const auto& [reverb, variation, insertion] : effectTypes) {
        Bytes data(kind.size());
        std::ranges::generate(data, [&] { return std::uint8_t(byte(random)); });
        data[reverbTypeIndex] = reverb;
        data[variationTypeIndex] = variation;
        data[insertionTypeIndex] = insertion;
        const Bytes file = SimulatorCodec::bulkDump(0, kind.address, data, kind.countDivisor());
        const std::string path = (folder.path() / "random.perf.syx").string();
        writeFile(path, std::string(file.begin(), file.end()));
        ASSERT_TRUE(device->patchFiles().loadSysexFile(path, flagsFileLoad, -1));
        settle();
        EXPECT_TRUE(sameBytes(instrument().dumpData(kind.address), editorBytes(kind)))
            << int(reverb) << " " << int(variation) << " " << int(insertion) << ", " << seedText();
    }
}

} // namespace
