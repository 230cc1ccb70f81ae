// Prints, over loopback against the simulated FS1R:
// - the time from a user edit to its last byte leaving the output, each edit
//   made while the output thread sleeps, as after a user's pause, so that the
//   figure includes waking it;
// - the time to receive and apply a voice dump and the longest
//   formant-sequence dump, from the request to the dump applied, with the
//   instrument's answer arriving no faster than a MIDI cable carries it,
//   against the dump's wire time (the loopback output hands the request to
//   the instrument at once); and the time from the dump's last byte arriving
//   to the dump applied, which is what the program adds to the wire.
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiControlSetBase.h"
#include "midi/MidiInterface.h"
#include "params/SetValueFlags.h"
#include "simulator/SimulatorConnection.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "tests/midiinterface/Fs1rTestProtocol.h"
#include "tests/midiinterface/TestDevice.h"

#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Micros = std::chrono::duration<double, std::micro>;
using Millis = std::chrono::duration<double, std::milli>;

constexpr int editRounds = 1000;
// Long enough for the output thread to have gone back to sleep.
constexpr auto pauseBetweenEdits = std::chrono::milliseconds(2);
constexpr double wireMsPerByte = 0.32;
constexpr int voiceDumpRounds = 9;
// Over 8 s of wire each.
constexpr int sequenceDumpRounds = 3;
constexpr const char* wirePort = "Wire";

class NoControlSet : public MidiControlSetBase {
public:
    MidiInPort* input() const override { return nullptr; }
    MidiOutPort* output() const override { return nullptr; }
    void handleMessage(MidiMessage) override {}
    void load(const XmlElement&) override {}
    void save(const XmlElement&) override {}
};

// Notes when each dump has been applied.
class TimedDevice : public TestDevice {
public:
    void onDumpReceived(PackedAddress address, std::span<const std::uint8_t> message) override
    {
        TestDevice::onDumpReceived(address, message);
        appliedAt = Clock::now();
    }
    Clock::time_point appliedAt;
};

template <class Done>
void pumpUntil(Done done)
{
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    while (!done()) {
        wxAppConsole::GetInstance()->ProcessPendingEvents();
        loop->DispatchTimeout(0);
    }
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1))];
}

void benchmarkEdits(MidiInterface& midi, TimedDevice& device, const std::atomic<std::int64_t>& lastByteAt,
    const std::atomic<int>& messagesOut)
{
    midi.openCurrentOutput(MidiDeviceInfo(MidiDeviceKind::output, 0, 0, RefString::fromUtf8(wirePort)));
    ParameterFactory factory(device.map, &midi);
    SysexParameter* level = factory.addSysexParameter(0x400010, 0, 127, 0);
    std::vector<double> latencies;
    for (int round = 0; round < editRounds; ++round) {
        std::this_thread::sleep_for(pauseBetweenEdits);
        const int before = messagesOut.load();
        const Clock::time_point start = Clock::now();
        level->setValue(flagsUserEdit, round % 128);
        // Asleep until the output thread has sent it, as the GUI thread
        // would be: a spinning caller measures where the scheduler puts it.
        messagesOut.wait(before);
        latencies.push_back(Micros(Clock::time_point(Clock::duration(lastByteAt.load())) - start).count());
    }
    std::printf("User edit to last byte out, the output thread woken: median %.1f us, 99th percentile %.1f us (%d "
                "edits)\n",
        percentile(latencies, 0.5), percentile(latencies, 0.99), editRounds);
    std::printf("edit| %.1f us | %.1f us |\n", percentile(latencies, 0.5), percentile(latencies, 0.99));
}

void benchmarkDump(MidiInterface& midi, TimedDevice& device, const std::atomic<std::int64_t>& lastByteIn,
    PackedAddress address, const char* what, int rounds)
{
    std::vector<double> times;
    std::vector<double> tails;
    std::size_t size = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::size_t before = device.dumpsReceived.size();
        const Clock::time_point start = Clock::now();
        midi.requestDump(address);
        pumpUntil([&] { return device.dumpsReceived.size() > before; });
        times.push_back(Millis(device.appliedAt - start).count());
        tails.push_back(Millis(device.appliedAt - Clock::time_point(Clock::duration(lastByteIn.load()))).count());
        size = device.dumpsReceived.back().second;
    }
    const double median = percentile(times, 0.5);
    const double wire = double(size) * wireMsPerByte;
    std::printf("%s (%zu bytes), paced: received and applied %.1f ms after the request, wire time of the dump %.1f "
                "ms, ratio %.3f; last byte in to applied %.2f ms (medians of %d)\n",
        what, size, median, wire, median / wire, percentile(tails, 0.5), rounds);
    std::printf("dump| %s | %.1f ms | %.1f ms | %.3f | %.2f ms |\n", what, median, wire, median / wire,
        percentile(tails, 0.5));
}

// Every byte of the voice and formant-sequence pages belongs to a parameter,
// so applying a dump tells as many parameters as a full editor does.
void bindEveryByte(ParameterFactory& factory)
{
    for (std::uint32_t i = 0; i < 112; ++i)
        factory.addSysexParameter(addToPackedAddress(0x400000, i), 0, 127, 0);
    for (std::uint32_t op = 0; op < 8; ++op) {
        for (std::uint32_t i = 0; i < 62; ++i)
            factory.addSysexParameter(addToPackedAddress(0x600000 + op * 0x100, i), 0, 127, 0);
    }
    for (std::uint32_t i = 0; i < 25632; ++i)
        factory.addSysexParameter(addToPackedAddress(0x700000, i), 0, 127, 0);
}

} // namespace

int main()
{
    wxInitializer initializer;
    if (!initializer.IsOk())
        return 1;
    std::unique_ptr<wxEventLoopBase> loop(wxAppConsole::GetInstance()->GetTraits()->CreateEventLoop());
    wxEventLoopBase::SetActive(loop.get());
    wxLog::SetVerbose(false);

    auto backend = std::make_shared<LoopbackMidiBackend>();
    std::atomic<std::int64_t> lastByteAt = 0;
    std::atomic<int> messagesOut = 0;
    backend->addPortPair(wirePort, [&](const std::uint8_t* bytes, std::size_t size) {
        if (size > 0 && bytes[size - 1] == 0xF7) {
            lastByteAt = Clock::now().time_since_epoch().count();
            ++messagesOut;
            messagesOut.notify_all();
        }
    });
    SimulatorConnection simulator(backend, SimulatorConnection::defaultPortName, true);
    std::atomic<std::int64_t> lastByteIn = 0;
    LoopbackMidiBackend::Faults stampLastByte;
    stampLastByte.blockFilter = [&](std::uint8_t* block, std::size_t& size) {
        if (size > 0 && block[size - 1] == 0xF7)
            lastByteIn = Clock::now().time_since_epoch().count();
        return true;
    };
    backend->setFaults(SimulatorConnection::defaultPortName, stampLastByte);
    MidiBackend::install(backend);
    simulator.instrument().editParameter(0x70001B, 3); // the longest sequence: 512 frames

    TimedDevice device;
    Fs1rTestProtocol protocol;
    {
        MidiInterface midi(device, [](MidiInterface&) { return std::make_unique<NoControlSet>(); });
        protocol.setUp(midi);
        const MidiDeviceInfo instrument(MidiDeviceKind::input, 0, 0,
            RefString::fromUtf8(SimulatorConnection::defaultPortName));
        midi.openCurrentInput(instrument);
        midi.openCurrentOutput(MidiDeviceInfo(MidiDeviceKind::output, 0, 0, instrument.name()));
        ParameterFactory factory(device.map, &midi);
        bindEveryByte(factory);

        benchmarkDump(midi, device, lastByteIn, 0x400000, "Voice dump", voiceDumpRounds);
        benchmarkDump(midi, device, lastByteIn, 0x600000, "Formant-sequence dump", sequenceDumpRounds);
        benchmarkEdits(midi, device, lastByteAt, messagesOut);
    }
    wxEventLoopBase::SetActive(nullptr);
    return 0;
}
