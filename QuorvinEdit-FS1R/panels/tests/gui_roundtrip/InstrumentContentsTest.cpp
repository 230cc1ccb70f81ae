// What the simulated FS1R holds before any edit, and what it holds after a
// file whose values the editor's pages would not make.
#include "RoundTripFixture.h"

#include "instrument/Fs1rMemoryLayout.h"

namespace {

using L = Fs1rMemoryLayout;
using InstrumentContentsTest = RoundTripFixture;

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

} // namespace
