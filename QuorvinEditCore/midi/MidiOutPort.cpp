#include "midi/MidiOutPort.h"

MidiOutPort::~MidiOutPort()
{
    closeMidiPort(*this);
}

MidiPortError MidiOutPort::open(const MidiDeviceInfo& description)
{
    std::shared_ptr<MidiBackend> backend = MidiBackend::current();
    std::uint32_t id = 0;
    if (!findDevice(backend->outputs(), description, id))
        return MidiPortError::deviceNotFound;
    closeMidiPort(*this);
    auto opened = backend->openOutput(id);
    if (opened.error == MidiPortError::ok && !opened.connection)
        opened.error = MidiPortError::unhandledDriverBehaviour;
    if (opened.error != MidiPortError::ok)
        return opened.error;
    setOpenDescription(description);
    std::lock_guard lock(mutex_);
    backend_ = std::move(backend);
    connection_ = std::move(opened.connection);
    return MidiPortError::ok;
}

void MidiOutPort::close()
{
    std::unique_ptr<MidiOutputConnection> connection;
    std::shared_ptr<MidiBackend> backend;
    {
        std::lock_guard lock(mutex_);
        connection = std::move(connection_);
        backend = std::move(backend_);
    }
    // Waits outside the lock, so sends from other threads return at once.
    if (connection && !connection->close(closeLimit))
        logger().logError(openDescription(), RefString(u"Closed before everything was sent; the rest is dropped."));
    connection.reset();
    clearOpenDescription();
}

bool MidiOutPort::sendShort(MidiMessage message)
{
    std::lock_guard lock(mutex_);
    if (!connection_)
        return false;
    connection_->sendShort(message);
    return true;
}

void MidiOutPort::sendLong(const std::uint8_t* bytes, std::size_t size)
{
    std::lock_guard lock(mutex_);
    if (connection_)
        connection_->sendLong(bytes, size);
}
