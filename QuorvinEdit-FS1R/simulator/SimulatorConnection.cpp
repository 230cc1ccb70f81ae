#include "simulator/SimulatorConnection.h"

SimulatorConnection::SimulatorConnection(std::shared_ptr<LoopbackMidiBackend> backend, const std::string& portName,
                                         bool wireRate)
    : backend_(backend), portName_(portName), instrument_(plugIn(backend, portName, wireRate))
{
}

SimulatorConnection::~SimulatorConnection()
{
    // Unplugged: nothing reaches the instrument any more and the pair is gone
    // from the lists; ports still open on it stay open but hear nothing.
    if (const auto backend = backend_.lock()) {
        backend->addPortPair(portName_, [](const std::uint8_t*, std::size_t) {});
        backend->removePortPair(portName_);
    }
    instrument_->setTransmit({});
}

namespace {

std::weak_ptr<SimulatedFs1r>& lastRegisteredInstrument()
{
    static std::weak_ptr<SimulatedFs1r> instrument;
    return instrument;
}

} // namespace

void SimulatorConnection::registerBackend(TypeDefaultsSource typeDefaults)
{
    MidiBackend::addFactory(backendChoice, [typeDefaults] {
        auto backend = std::make_shared<LoopbackMidiBackend>();
        const auto instrument = plugIn(backend, defaultPortName, true);
        if (typeDefaults)
            instrument->setEffectTypeDefaults(typeDefaults());
        lastRegisteredInstrument() = instrument;
        return backend;
    });
}

std::shared_ptr<SimulatedFs1r> SimulatorConnection::registeredInstrument()
{
    return lastRegisteredInstrument().lock();
}

std::shared_ptr<SimulatedFs1r> SimulatorConnection::plugIn(const std::shared_ptr<LoopbackMidiBackend>& backend,
                                                           const std::string& portName, bool wireRate)
{
    // The answers hold the backend weakly: the backend holds the instrument.
    std::weak_ptr<LoopbackMidiBackend> weakBackend = backend;
    auto instrument = std::make_shared<SimulatedFs1r>([weakBackend, portName](const std::uint8_t* data, std::size_t size) {
        if (const auto b = weakBackend.lock())
            b->inject(portName, data, size);
    });
    backend->addPortPair(portName, [instrument](const std::uint8_t* data, std::size_t size) {
        instrument->receiveBytes(data, size);
    });
    backend->setPaced(portName, wireRate);
    return instrument;
}
