// Messages keep arriving on the input thread while the GUI thread edits,
// requests dumps and moves ports between slots. Run under ThreadSanitizer,
// this is where a race between the two threads shows.
#include "tests/midiinterface/MidiInterfaceFixture.h"

#include "params/SetValueFlags.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

#include <atomic>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr int instrumentEdits = 300;
constexpr int keyboardNotes = 400;
constexpr int surfaceMoves = 400;
constexpr std::uint32_t editedAddresses = 16;

class MidiInterfaceLoadTest : public MidiInterfaceFixture {};

TEST_F(MidiInterfaceLoadTest, InputThreadTrafficWhileTheGuiThreadEdits)
{
    connect();
    ASSERT_EQ(midi->openKeyboardInput(0, portInfo(MidiDeviceKind::input, keyboardPort)), MidiPortError::ok);
    TestControlSet& surface = *controlSets[0];
    ASSERT_EQ(midi->openInPort(surface.inputSlot, portInfo(MidiDeviceKind::input, surfacePort)), MidiPortError::ok);
    ParameterFactory factory(device.map, midi.get());
    std::vector<SysexParameter*> parameters;
    for (std::uint32_t i = 0; i < editedAddresses; ++i)
        parameters.push_back(factory.addSysexParameter(addToPackedAddress(0x400010, i), 0, 127, 0));

    std::atomic<bool> started = false;
    std::thread frontPanel([&] {
        while (!started) {}
        for (int i = 0; i < instrumentEdits; ++i)
            instrument().editParameter(addToPackedAddress(0x400010, std::uint32_t(i) % editedAddresses), i % 128);
    });
    std::thread players([&] {
        while (!started) {}
        for (int i = 0; i < std::max(keyboardNotes, surfaceMoves); ++i) {
            if (i < keyboardNotes)
                inject(keyboardPort, {0x90, std::uint8_t(i % 128), 0x40});
            if (i < surfaceMoves)
                inject(surfacePort, {0xB0, 0x07, std::uint8_t(i % 128)});
        }
    });

    started = true;
    RecordingDumpCallback dumps;
    for (int round = 0; round < 200; ++round) {
        parameters[std::size_t(round) % editedAddresses]->setValue(flagsUserEdit, round % 128);
        if (round % 50 == 0)
            midi->requestDump(0x400000 + std::uint32_t(round / 50 % 4) * 0x010000, &dumps);
        // Keyboard slots are read by the input thread for every note.
        midi->openKeyboardInput(1, round % 2 == 0 ? portInfo(MidiDeviceKind::input, sparePort) : MidiDeviceInfo::none());
        pumpEventsFor(1ms);
    }
    frontPanel.join();
    players.join();
    ASSERT_TRUE(pumpEventsUntil([&] {
        return surface.messages.size() == surfaceMoves && dumps.done.size() == 4 && !midi->isWaitingForReply();
    }, 20s));
    settle();

    EXPECT_EQ(device.callsOffGuiThread, 0);
    EXPECT_EQ(surface.callsOffGuiThread, 0);
    std::size_t notesPassedThrough = 0;
    for (const auto& message : instrument().receivedShortMessages())
        notesPassedThrough += message.size() == 3 && message[0] == 0x90 ? 1 : 0;
    EXPECT_EQ(notesPassedThrough, std::size_t(keyboardNotes));
    EXPECT_EQ(device.dumpsReceived.size(), 4u);
}

} // namespace
