// Keyboard notes pass through on the input thread while the GUI thread
// opens and closes the instrument's output. Under ThreadSanitizer a race
// between MIDI THRU and the port's opening or closing shows here.
#include "tests/midiinterface/MidiInterfaceFixture.h"

#include "midi/MidiOutPort.h"

#include <atomic>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr int outputRounds = 60;

class MidiInterfaceThruRaceTest : public MidiInterfaceFixture {};

TEST_F(MidiInterfaceThruRaceTest, ThruWhileTheGuiThreadOpensAndClosesTheOutput)
{
    connect();
    ASSERT_EQ(midi->openKeyboardInput(0, portInfo(MidiDeviceKind::input, keyboardPort)), MidiPortError::ok);
    const MidiDeviceInfo output = portInfo(MidiDeviceKind::output, SimulatorConnection::defaultPortName);

    std::atomic<bool> stop = false;
    std::thread keyboard([&] {
        while (!stop) {
            inject(keyboardPort, {0x90, 0x3C, 0x40});
            std::this_thread::sleep_for(50us);
        }
    });
    for (int round = 0; round < outputRounds; ++round) {
        // Through the slot, as a port parameter does, and on the port
        // itself, as connecting and disconnecting do.
        if (round % 2 == 0) {
            midi->openCurrentOutput(MidiDeviceInfo::none());
            midi->openCurrentOutput(output);
        } else {
            closeMidiPort(*midi->currentOutput());
            openMidiPort(*midi->currentOutput(), output);
        }
        pumpEventsFor(1ms);
    }
    stop = true;
    keyboard.join();
    settle();

    ASSERT_TRUE(midi->currentOutput()->isOpen());
    inject(keyboardPort, {0x90, 0x3D, 0x40});
    settle();
    const auto received = instrument().receivedShortMessages();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back(), (std::vector<std::uint8_t>{0x90, 0x3D, 0x40}));
}

} // namespace
