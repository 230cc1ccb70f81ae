#include "tests/controlsets/ControlSetFixture.h"

#include "tests/support/EventPump.h"

ParameterPath testPath(const char* widget)
{
    ParameterPath path;
    path.panel = RefString(u"Test");
    path.group = RefString(u"Knobs");
    path.widget = RefString::fromUtf8(widget);
    return path;
}

ControlSetFixture::ControlSetFixture() : backend(std::make_shared<LoopbackMidiBackend>())
{
    backend->addPortPair(surfacePort, [this](const std::uint8_t* bytes, std::size_t size) {
        std::lock_guard lock(sentMutex_);
        surface_.insert(surface_.end(), bytes, bytes + size);
    });
    backend->addPortPair(instrumentPort, [this](const std::uint8_t* bytes, std::size_t size) {
        std::lock_guard lock(sentMutex_);
        instrument_.insert(instrument_.end(), bytes, bytes + size);
    });
    backend->addPortPair(otherPort);
    previousBackend_ = MidiBackend::install(backend);

    auto manualTimer = std::make_unique<ManualTimer>();
    timer = manualTimer.get();
    grouper = std::make_unique<MidiControlGrouper>(std::move(manualTimer));
    midi = std::make_unique<MidiInterface>(
        device_, [this](MidiInterface& owner) { return std::make_unique<MidiControlSet>(owner, *grouper); });
    EXPECT_EQ(midi->openCurrentOutput(portInfo(MidiDeviceKind::output, instrumentPort)), MidiPortError::ok);
}

ControlSetFixture::~ControlSetFixture()
{
    midi.reset();
    parameters.clear();
    // Posted events of this test must not reach the next one.
    grouper->DeletePendingEvents();
    MidiBackend::install(previousBackend_);
}

MidiControlSet& ControlSetFixture::set(std::size_t index) const
{
    return static_cast<MidiControlSet&>(midi->controlSet(index));
}

LocalParameter& ControlSetFixture::makeParameter(const char* widget, std::int32_t minimum, std::int32_t maximum)
{
    LocalParameter& parameter = *parameters.emplace_back(std::make_unique<LocalParameter>(minimum, maximum));
    parameter.setKeyAndRegister(testPath(widget));
    return parameter;
}

void ControlSetFixture::openSurface(MidiControlSet& controlSet)
{
    ASSERT_EQ(controlSet.setInput(portInfo(MidiDeviceKind::input, surfacePort)), MidiPortError::ok);
    ASSERT_EQ(controlSet.setOutput(portInfo(MidiDeviceKind::output, surfacePort)), MidiPortError::ok);
}

void ControlSetFixture::inject(const std::string& port, std::vector<std::uint8_t> bytes)
{
    backend->inject(port, bytes.data(), bytes.size());
}

void ControlSetFixture::settle()
{
    ASSERT_TRUE(backend->waitUntilIdle());
    // Handling an event may post more (a binding tells the grouper).
    runPendingEvents();
}

void ControlSetFixture::fireTimer()
{
    ASSERT_TRUE(timer->running);
    timer->running = false;
    grouper->timerExpired();
    settle();
}

std::vector<std::uint8_t> ControlSetFixture::sentOn(const std::vector<std::uint8_t>& bytes)
{
    EXPECT_TRUE(backend->waitUntilIdle());
    std::lock_guard lock(sentMutex_);
    return bytes;
}

std::vector<std::uint8_t> ControlSetFixture::surfaceBytes() { return sentOn(surface_); }
std::vector<std::uint8_t> ControlSetFixture::instrumentBytes() { return sentOn(instrument_); }

void ControlSetFixture::clearSent()
{
    EXPECT_TRUE(backend->waitUntilIdle());
    std::lock_guard lock(sentMutex_);
    surface_.clear();
    instrument_.clear();
}
