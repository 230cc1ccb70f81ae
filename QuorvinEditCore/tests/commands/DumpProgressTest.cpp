// The formant-sequence "Dump to device" button: the estimated wait shown
// before the send, and the dump the simulated FS1R takes.
#include "commands/DumpProgressParameter.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "tests/commands/CommandTestDevice.h"
#include "tests/params/FakeParameter.h"
#include "tests/support/PortInfo.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr PackedAddress sequenceAddress = 0x600000;
// The header's length code, which the instrument checks against the size.
constexpr PackedAddress lengthCodeAddress = 0x70001B;
constexpr std::int32_t longestLength = 3;

} // namespace

class DumpProgressTest : public CommandFixture {
protected:
    DumpProgressTest()
    {
        makeCommandDevice();
        MidiInterface& midi = *device->midiInterface();
        midi.openCurrentInput(portInfo(MidiDeviceKind::input, fs1rPort));
        midi.openCurrentOutput(portInfo(MidiDeviceKind::output, fs1rPort));
        button = std::make_unique<DumpProgressParameter>(ui.createWaitDialog(nullptr), midi, sequenceAddress,
            *device, 1800);
        length = device->parameterFactory()->addSysexParameter(lengthCodeAddress, 0, longestLength, 0);
    }

    // Whether the instrument holds the editor's first size bytes of the
    // sequence, once everything sent has arrived.
    bool instrumentHoldsSequence(std::size_t size)
    {
        EXPECT_TRUE(backend->waitUntilIdle());
        std::vector<std::uint8_t> sent(size);
        std::uint32_t sum = 0;
        device->readBytesWithSum(sequenceAddress, sent, sum);
        const std::vector<std::uint8_t> held = instrument().dumpData(sequenceAddress);
        return held.size() >= size && std::equal(sent.begin(), sent.end(), held.begin());
    }

    std::unique_ptr<DumpProgressParameter> button;
    Parameter* length = nullptr;
};

TEST_F(DumpProgressTest, WithoutALengthTheWholeSequenceGoesAfterItsEstimatedWait)
{
    length->setValue(flagsConstruct, longestLength);
    ASSERT_FALSE(instrumentHoldsSequence(25632));
    button->setValue(flagsSysexReceived, 0);
    button->setValue(flagsUserReset, 0);
    EXPECT_THAT(ui.waitCalls, IsEmpty());
    button->setValue(flagsUserEdit, 0);
    EXPECT_THAT(ui.waitCalls, ElementsAre("timed Dump to device in progress 4101 1800"));
    EXPECT_TRUE(instrumentHoldsSequence(25632));
    EXPECT_EQ(instrument().rejectedDumpCount(), 0u);
}

TEST_F(DumpProgressTest, TheSequenceLengthSetsTheBytesSentAndTheWait)
{
    button->setLengthParameter(length, Rational(6400), Rational(6432));
    const std::uint32_t expectedBytes[] = {6432, 12832, 19232, 25632};
    for (std::int32_t value = 0; value <= longestLength; ++value) {
        length->setValue(flagsConstruct, value);
        EXPECT_EQ(button->byteCount(), expectedBytes[value]);
    }
    length->setValue(flagsConstruct, 0);
    button->setValue(flagsUserEdit, 0);
    EXPECT_THAT(ui.waitCalls, ElementsAre("timed Dump to device in progress 1029 1800"));
    EXPECT_TRUE(instrumentHoldsSequence(6432));
    EXPECT_EQ(instrument().rejectedDumpCount(), 0u);
}

TEST_F(DumpProgressTest, ALengthOutsideTheSequenceSizesSendsNothing)
{
    FakeParameter unclamped(0, longestLength);
    button->setLengthParameter(&unclamped, Rational(6400), Rational(6432));
    for (std::int32_t value : {longestLength + 1, -2}) {
        unclamped.force(value);
        button->setValue(flagsUserEdit, 0);
    }
    EXPECT_THAT(ui.waitCalls, IsEmpty());
    EXPECT_FALSE(log.contains("MIDI OUT: Send dump to 600000"));
    EXPECT_EQ(log.countStartingWith("Dump to device refused"), 2);
}
