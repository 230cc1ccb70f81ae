// Short messages: keyboard notes pass through to the instrument on the input
// thread at once; every short message reaches the control sets on the GUI
// thread.
#include "tests/midiinterface/MidiInterfaceFixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class MidiInterfaceThruTest : public MidiInterfaceFixture {
protected:
    void SetUp() override
    {
        connect();
        ASSERT_EQ(midi->openKeyboardInput(0, portInfo(MidiDeviceKind::input, keyboardPort)), MidiPortError::ok);
    }
};

TEST_F(MidiInterfaceThruTest, KeyboardNoteReachesTheInstrumentBeforeTheGuiThreadRuns)
{
    TestControlSet& surface = *controlSets[1];
    ASSERT_EQ(midi->openInPort(surface.inputSlot, portInfo(MidiDeviceKind::input, keyboardPort)), MidiPortError::ok);
    inject(keyboardPort, {0x90, 0x3C, 0x64});
    ASSERT_TRUE(backend->waitUntilIdle());

    // Nothing was pumped yet: the note went through on the input thread.
    EXPECT_EQ(instrument().receivedShortMessages(), std::vector<Bytes>{(Bytes{0x90, 0x3C, 0x64})});
    EXPECT_TRUE(surface.messages.empty());

    settle();
    ASSERT_EQ(surface.messages.size(), 1u);
    EXPECT_EQ(surface.messages[0], (MidiMessage{0x90, 0x3C, 0x64}));
    EXPECT_EQ(surface.callsOffGuiThread, 0);
    EXPECT_TRUE(log.contains("MIDI THRU: Note on CH1 60 100"));
}

TEST_F(MidiInterfaceThruTest, MessagesFromOtherInputsAreOnlyHandedToTheirControlSet)
{
    TestControlSet& surface = *controlSets[2];
    ASSERT_EQ(midi->openInPort(surface.inputSlot, portInfo(MidiDeviceKind::input, surfacePort)), MidiPortError::ok);
    ASSERT_EQ(midi->openInPort(controlSets[3]->inputSlot,
                  portInfo(MidiDeviceKind::input, SimulatorConnection::defaultPortName)),
        MidiPortError::ok);
    inject(surfacePort, {0xB0, 0x07, 0x40});
    inject(SimulatorConnection::defaultPortName, {0x90, 0x3C, 0x64});
    inject(sparePort, {0x90, 0x3D, 0x64});
    settle();

    EXPECT_TRUE(instrument().receivedShortMessages().empty());
    EXPECT_EQ(surface.messages, std::vector<MidiMessage>{(MidiMessage{0xB0, 0x07, 0x40})});
    EXPECT_EQ(controlSets[3]->messages, std::vector<MidiMessage>{(MidiMessage{0x90, 0x3C, 0x64})});
    EXPECT_TRUE(controlSets[0]->messages.empty());
}

TEST_F(MidiInterfaceThruTest, MessagesKeepTheirArrivalOrderAcrossTheHandOff)
{
    TestControlSet& surface = *controlSets[0];
    ASSERT_EQ(midi->openInPort(surface.inputSlot, portInfo(MidiDeviceKind::input, keyboardPort)), MidiPortError::ok);
    Bytes stream;
    std::vector<MidiMessage> expected;
    for (std::uint8_t value = 0; value < 100; ++value) {
        stream.insert(stream.end(), {0xB0, 0x01, value});
        expected.push_back({0xB0, 0x01, value});
    }
    inject(keyboardPort, stream);
    settle();
    EXPECT_EQ(surface.messages, expected);
    EXPECT_EQ(instrument().receivedShortMessages().size(), expected.size());
}

TEST_F(MidiInterfaceThruTest, KeyboardNoteWithoutAnOutputIsDroppedWithANote)
{
    midi->closeAllPorts();
    ASSERT_EQ(midi->openKeyboardInput(0, portInfo(MidiDeviceKind::input, keyboardPort)), MidiPortError::ok);
    inject(keyboardPort, {0x80, 0x3C, 0x00});
    settle();
    EXPECT_TRUE(log.contains("MIDI THRU: Note off CH1 60 0 (No MIDI OUT)"));
    EXPECT_TRUE(instrument().receivedShortMessages().empty());
}

} // namespace
