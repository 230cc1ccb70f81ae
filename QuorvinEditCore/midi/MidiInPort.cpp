#include "midi/MidiInPort.h"

MidiInPort::MidiInPort(std::size_t assemblySize, MidiPortLogger& logger, MidiInputListener& listener)
    : MidiPort(logger), listener_(listener), assembler_(assemblySize)
{
}

MidiInPort::~MidiInPort()
{
    closeMidiPort(*this);
}

MidiPortError MidiInPort::open(const MidiDeviceInfo& description)
{
    std::shared_ptr<MidiBackend> backend = MidiBackend::current();
    std::uint32_t id = 0;
    if (!findDevice(backend->inputs(), description, id))
        return MidiPortError::deviceNotFound;
    closeMidiPort(*this);
    // Data may arrive as soon as the backend opens, and is reported with
    // the open description.
    setOpenDescription(description);
    auto opened = backend->openInput(id, *this);
    if (opened.error == MidiPortError::ok && !opened.connection)
        opened.error = MidiPortError::unhandledDriverBehaviour;
    if (opened.error != MidiPortError::ok) {
        clearOpenDescription();
        return opened.error;
    }
    backend_ = std::move(backend);
    connection_ = std::move(opened.connection);
    return MidiPortError::ok;
}

void MidiInPort::close()
{
    // Waits until no delivery to this port is running.
    connection_.reset();
    backend_.reset();
    assembler_.clear();
    clearOpenDescription();
}

// A listener may close the port from inside a call; what the block under
// way would still have said is then kept back. Only the input thread can
// close the port while a delivery runs, so reading isOpen here is safe.
void MidiInPort::onShortMessage(MidiMessage message)
{
    if (isOpen())
        listener_.onShortMessage(message, *this);
}

void MidiInPort::onSysexBlock(const std::uint8_t* block, std::size_t size)
{
    assembler_.feed(block, size, *this);
}

void MidiInPort::onAssemblyStart(const std::uint8_t* buffer, std::size_t count)
{
    if (isOpen())
        listener_.onSysexStart(buffer, count, openDescription());
}

void MidiInPort::onAssemblyData(const std::uint8_t* buffer, std::size_t count)
{
    if (isOpen())
        listener_.onSysexData(buffer, count, openDescription());
}

void MidiInPort::onAssemblyEnd(const std::uint8_t* buffer, std::size_t count)
{
    if (isOpen())
        listener_.onSysexEnd(buffer, count, openDescription());
}

void MidiInPort::onAssemblyError(MidiPortError error)
{
    if (isOpen())
        logger().logError(openDescription(), midiPortErrorText(error));
}
