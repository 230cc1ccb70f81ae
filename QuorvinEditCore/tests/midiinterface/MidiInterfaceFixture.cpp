#include "tests/midiinterface/MidiInterfaceFixture.h"

#include "midi/MidiInPort.h"
#include "midi/MidiOutPort.h"

MidiInterfaceFixture::MidiInterfaceFixture() : backend(std::make_shared<LoopbackMidiBackend>())
{
    for (const char* name : {keyboardPort, surfacePort, sparePort})
        backend->addPortPair(name);
    backend->addPortPair(wirePort, [this](const std::uint8_t* bytes, std::size_t size) {
        std::lock_guard lock(wireMutex_);
        wire_.insert(wire_.end(), bytes, bytes + size);
    });
    simulator_ = std::make_unique<SimulatorConnection>(backend);
    previousBackend_ = MidiBackend::install(backend);
    std::size_t made = 0;
    midi = std::make_unique<MidiInterface>(device, [this, &made](MidiInterface&) {
        auto controlSet = std::make_unique<TestControlSet>();
        controlSets.at(made++) = controlSet.get();
        return controlSet;
    });
}

MidiInterfaceFixture::~MidiInterfaceFixture()
{
    midi.reset();
    MidiBackend::install(previousBackend_);
}

void MidiInterfaceFixture::connect()
{
    protocol.setUp(*midi);
    ASSERT_EQ(midi->openCurrentInput(portInfo(MidiDeviceKind::input, SimulatorConnection::defaultPortName)),
        MidiPortError::ok);
    ASSERT_EQ(midi->openCurrentOutput(portInfo(MidiDeviceKind::output, SimulatorConnection::defaultPortName)),
        MidiPortError::ok);
}

void MidiInterfaceFixture::inject(const std::string& port, std::vector<std::uint8_t> bytes)
{
    backend->inject(port, bytes.data(), bytes.size());
}

void MidiInterfaceFixture::settle()
{
    ASSERT_TRUE(backend->waitUntilIdle());
    runPendingEvents();
}

void MidiInterfaceFixture::sendToWire()
{
    ASSERT_EQ(midi->openCurrentOutput(portInfo(MidiDeviceKind::output, wirePort)), MidiPortError::ok);
}

std::vector<std::uint8_t> MidiInterfaceFixture::wireBytes() const
{
    EXPECT_TRUE(backend->waitUntilIdle());
    std::lock_guard lock(wireMutex_);
    return wire_;
}
