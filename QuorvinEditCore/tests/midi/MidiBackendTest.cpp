#include "MidiTestSupport.h"

#include "midi/AlsaMidiBackend.h"
#include "midi/MidiDeviceList.h"

#include <alsa/asoundlib.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Runs action with stderr sent to a file, and returns what was written.
template <class Action>
std::string stderrDuring(Action action)
{
    std::fflush(stderr);
    char path[] = "/tmp/quorvin-stderr-XXXXXX";
    const int capture = mkstemp(path);
    const int saved = dup(STDERR_FILENO);
    dup2(capture, STDERR_FILENO);
    action();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string text(static_cast<std::size_t>(lseek(capture, 0, SEEK_END)), '\0');
    pread(capture, text.data(), text.size(), 0);
    close(capture);
    unlink(path);
    return text;
}

bool sequencerPresent()
{
    const int device = open("/dev/snd/seq", O_RDWR);
    if (device < 0)
        return false;
    close(device);
    return true;
}

class MidiBackendSelectionTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = MidiBackend::install(nullptr); }
    void TearDown() override
    {
        unsetenv("QUORVIN_MIDI");
        MidiBackend::install(previous_);
    }

private:
    std::shared_ptr<MidiBackend> previous_;
};

TEST_F(MidiBackendSelectionTest, EnvironmentChoosesTheBackendOnFirstUse)
{
    setenv("QUORVIN_MIDI", "loopback", 1);
    EXPECT_NE(std::dynamic_pointer_cast<LoopbackMidiBackend>(MidiBackend::current()), nullptr);
    MidiBackend::install(nullptr);
    MidiBackend::addFactory("test", [] { return std::make_shared<LoopbackMidiBackend>(); });
    setenv("QUORVIN_MIDI", "test", 1);
    const auto chosen = MidiBackend::current();
    EXPECT_NE(std::dynamic_pointer_cast<LoopbackMidiBackend>(chosen), nullptr);
    EXPECT_EQ(MidiBackend::current(), chosen);
    MidiBackend::install(nullptr);
    unsetenv("QUORVIN_MIDI");
    EXPECT_NE(std::dynamic_pointer_cast<AlsaMidiBackend>(MidiBackend::current()), nullptr);
}

// These machines have no sound devices; there the program must run quietly
// with no ports rather than fill the terminal with library complaints.
TEST(AlsaMidiBackendTest, NoSequencerMeansNoPortsAndNoNoise)
{
    if (sequencerPresent())
        GTEST_SKIP() << "a sequencer is present";
    // Back to libasound's own handler, which prints, in case an earlier test
    // made a backend already.
    snd_lib_error_set_handler(nullptr);
    std::shared_ptr<AlsaMidiBackend> backend;
    const std::string noise = stderrDuring([&] {
        backend = std::make_shared<AlsaMidiBackend>();
        EXPECT_FALSE(backend->hasSequencer());
        EXPECT_TRUE(backend->inputs().empty());
        EXPECT_TRUE(backend->outputs().empty());
        const auto previous = MidiBackend::install(backend);
        EXPECT_EQ(enumerateMidiInputs().count(), 0u);
        MidiRecorder recorder;
        MidiOutPort out(recorder);
        EXPECT_EQ(out.open(MidiDeviceInfo(MidiDeviceKind::output, 0, 0, RefString(u"Midi Through:Midi Through Port-0"))),
            MidiPortError::deviceNotFound);
        MidiBackend::install(previous);
    });
    EXPECT_EQ(noise, "");
}

// Runs only where the sequencer opens: a dump sent to the kernel's MIDI
// Through port comes back whole, paced so no buffer overruns.
TEST(AlsaMidiBackendTest, DumpThroughMidiThroughArrivesWhole)
{
    auto backend = std::make_shared<AlsaMidiBackend>();
    if (!backend->hasSequencer())
        GTEST_SKIP() << "no ALSA sequencer here";
    const auto previous = MidiBackend::install(backend);
    const MidiDeviceList& inputs = enumerateMidiInputs();
    std::size_t index = 0;
    bool found = false;
    for (; index < inputs.count() && !found; ++index)
        found = inputs.at(index).name().toUtf8().starts_with("Midi Through:");
    if (!found) {
        MidiBackend::install(previous);
        GTEST_SKIP() << "no Midi Through port";
    }
    const MidiDeviceInfo through = inputs.at(index - 1);
    MidiRecorder recorder;
    {
        MidiInPort in(25643, recorder, recorder);
        MidiOutPort out(recorder);
        ASSERT_EQ(in.open(through), MidiPortError::ok);
        ASSERT_EQ(out.open(MidiDeviceInfo(MidiDeviceKind::output, 0, 0, through.name())), MidiPortError::ok);
        std::vector<std::uint8_t> dump(25643, 0x11);
        dump.front() = 0xF0;
        dump.back() = 0xF7;
        out.sendLong(dump.data(), dump.size());
        for (int wait = 0; wait < 200 && recorder.messages().empty(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ASSERT_EQ(recorder.messages().size(), 1u);
        EXPECT_EQ(recorder.messages().front(), dump);
    }
    MidiBackend::install(previous);
}

} // namespace
