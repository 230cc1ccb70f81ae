#include "midi/AlsaMidiBackend.h"

#include "midi/MidiInputRouter.h"
#include "midi/MidiSendQueue.h"

#include <alsa/asoundlib.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <map>
#include <mutex>
#include <thread>

namespace {

constexpr const char* clientName = "QuorvinEdit";
constexpr std::chrono::microseconds wireTimePerByte{320};
constexpr std::size_t decodeBufferSize = 16;
constexpr int fullPoolRetries = 1000;
constexpr std::chrono::milliseconds fullPoolWait{1};
constexpr unsigned readableCapabilities = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
constexpr unsigned writableCapabilities = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
constexpr unsigned localPortType = SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION;

// libasound reports a missing sequencer on stderr; here that only means
// "no ports", so its messages are dropped.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Ids pack the ALSA address: client in the high bits, port in the low byte.
std::uint32_t portId(int client, int port)
{
    return static_cast<std::uint32_t>(client) << 8 | static_cast<std::uint32_t>(port);
}
int clientOf(std::uint32_t id) { return static_cast<int>(id >> 8); }
int portOf(std::uint32_t id) { return static_cast<int>(id & 0xFF); }

MidiTechnology technologyOf(unsigned type)
{
    return type & (SND_SEQ_PORT_TYPE_SYNTH | SND_SEQ_PORT_TYPE_SYNTHESIZER) ? MidiTechnology::synthesizer
                                                                            : MidiTechnology::port;
}

// Two ports whose names read alike get " #2", " #3"... so each stays pickable.
void makeNamesUnique(std::vector<MidiPortCapabilities>& list)
{
    std::map<std::string, int> seen;
    for (MidiPortCapabilities& capabilities : list) {
        const int count = ++seen[capabilities.name];
        if (count > 1)
            capabilities.name += " #" + std::to_string(count);
    }
}

} // namespace

// The sequencer client, shared by the backend and its open connections.
// Calls that change the client or write to it hold the mutex; only the input
// thread reads events.
class AlsaMidiBackend::Sequencer {
public:
    static std::shared_ptr<Sequencer> open();
    Sequencer(snd_seq_t* handle, snd_midi_event_t* decoder, int wakeUp);
    ~Sequencer();

    std::vector<MidiPortCapabilities> list(unsigned capabilities);
    bool exists(std::uint32_t id);
    int createPort(const char* name, unsigned capabilities);
    void deletePort(int port);
    bool write(snd_seq_event_t& event, int port);

    std::mutex mutex;
    snd_seq_t* const handle;
    MidiInputRouter router;

private:
    void runInput();
    void readEvents();
    void deliver(const snd_seq_event_t& event);

    snd_midi_event_t* const decoder_; // input thread only
    const int wakeUp_;
    std::thread inputThread_;
};

std::shared_ptr<AlsaMidiBackend::Sequencer> AlsaMidiBackend::Sequencer::open()
{
    snd_lib_error_set_handler(ignoreAlsaError);
    snd_seq_t* handle = nullptr;
    if (snd_seq_open(&handle, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0)
        return nullptr;
    snd_midi_event_t* decoder = nullptr;
    const int wakeUp = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (snd_midi_event_new(decodeBufferSize, &decoder) < 0 || wakeUp < 0) {
        if (decoder)
            snd_midi_event_free(decoder);
        if (wakeUp >= 0)
            ::close(wakeUp);
        snd_seq_close(handle);
        return nullptr;
    }
    snd_midi_event_no_status(decoder, 1);
    snd_seq_set_client_name(handle, clientName);
    return std::make_shared<Sequencer>(handle, decoder, wakeUp);
}

AlsaMidiBackend::Sequencer::Sequencer(snd_seq_t* handle, snd_midi_event_t* decoder, int wakeUp)
    : handle(handle), decoder_(decoder), wakeUp_(wakeUp), inputThread_([this] { runInput(); })
{
}

AlsaMidiBackend::Sequencer::~Sequencer()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeUp_, &one, sizeof one);
    inputThread_.join();
    ::close(wakeUp_);
    snd_midi_event_free(decoder_);
    snd_seq_close(handle);
}

std::vector<MidiPortCapabilities> AlsaMidiBackend::Sequencer::list(unsigned wanted)
{
    std::lock_guard lock(mutex);
    const int self = snd_seq_client_id(handle);
    snd_seq_client_info_t* client = nullptr;
    snd_seq_port_info_t* port = nullptr;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    std::vector<MidiPortCapabilities> list;
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(handle, client) >= 0) {
        const int clientId = snd_seq_client_info_get_client(client);
        if (clientId == SND_SEQ_CLIENT_SYSTEM || clientId == self)
            continue;
        snd_seq_port_info_set_client(port, clientId);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(handle, port) >= 0) {
            const unsigned capabilities = snd_seq_port_info_get_capability(port);
            if ((capabilities & wanted) != wanted || (capabilities & SND_SEQ_PORT_CAP_NO_EXPORT))
                continue;
            MidiPortCapabilities& entry = list.emplace_back();
            entry.id = portId(clientId, snd_seq_port_info_get_port(port));
            entry.name = std::string(snd_seq_client_info_get_name(client)) + ":" + snd_seq_port_info_get_name(port);
            entry.technology = technologyOf(snd_seq_port_info_get_type(port));
        }
    }
    makeNamesUnique(list);
    return list;
}

bool AlsaMidiBackend::Sequencer::exists(std::uint32_t id)
{
    std::lock_guard lock(mutex);
    snd_seq_port_info_t* port = nullptr;
    snd_seq_port_info_alloca(&port);
    return snd_seq_get_any_port_info(handle, clientOf(id), portOf(id), port) >= 0;
}

int AlsaMidiBackend::Sequencer::createPort(const char* name, unsigned capabilities)
{
    std::lock_guard lock(mutex);
    return snd_seq_create_simple_port(handle, name, capabilities, localPortType);
}

void AlsaMidiBackend::Sequencer::deletePort(int port)
{
    std::lock_guard lock(mutex);
    snd_seq_delete_simple_port(handle, port);
}

// Sends at once to the port's subscribers. A full pool is waited out for a
// bounded time; what still does not fit is lost.
bool AlsaMidiBackend::Sequencer::write(snd_seq_event_t& event, int port)
{
    snd_seq_ev_set_source(&event, port);
    snd_seq_ev_set_subs(&event);
    snd_seq_ev_set_direct(&event);
    for (int attempt = 0; attempt < fullPoolRetries; ++attempt) {
        {
            std::lock_guard lock(mutex);
            const int result = snd_seq_event_output_direct(handle, &event);
            if (result >= 0)
                return true;
            if (result != -EAGAIN)
                return false;
        }
        std::this_thread::sleep_for(fullPoolWait);
    }
    return false;
}

void AlsaMidiBackend::Sequencer::runInput()
{
    const int count = snd_seq_poll_descriptors_count(handle, POLLIN);
    std::vector<pollfd> descriptors(static_cast<std::size_t>(count) + 1);
    descriptors[0] = {wakeUp_, POLLIN, 0};
    snd_seq_poll_descriptors(handle, descriptors.data() + 1, static_cast<unsigned>(count), POLLIN);
    for (;;) {
        if (poll(descriptors.data(), descriptors.size(), -1) < 0 && errno != EINTR)
            return;
        if (descriptors[0].revents & POLLIN)
            return;
        readEvents();
    }
}

void AlsaMidiBackend::Sequencer::readEvents()
{
    for (;;) {
        snd_seq_event_t* event = nullptr;
        const int result = snd_seq_event_input(handle, &event);
        if (result == -ENOSPC)
            continue; // the kernel dropped events on overrun; read on
        if (result < 0 || !event)
            return;
        deliver(*event);
    }
}

void AlsaMidiBackend::Sequencer::deliver(const snd_seq_event_t& event)
{
    const int key = event.dest.port;
    if (event.type == SND_SEQ_EVENT_SYSEX) {
        router.deliver(key, static_cast<const std::uint8_t*>(event.data.ext.ptr), event.data.ext.len);
        return;
    }
    std::uint8_t bytes[decodeBufferSize];
    const long size = snd_midi_event_decode(decoder_, bytes, sizeof bytes, &event);
    if (size > 0)
        router.deliver(key, bytes, static_cast<std::size_t>(size));
}

// A local port subscribed to the source; closing stops deliveries first.
class AlsaMidiBackend::Input : public MidiInputConnection {
public:
    Input(std::shared_ptr<Sequencer> sequencer, int port) : sequencer_(std::move(sequencer)), port_(port) {}
    ~Input() override
    {
        sequencer_->router.remove(port_);
        sequencer_->deletePort(port_);
    }

private:
    std::shared_ptr<Sequencer> sequencer_;
    int port_;
};

// A local port subscribed to by the destination, fed by a paced send queue.
class AlsaMidiBackend::Output : public MidiOutputConnection {
public:
    Output(std::shared_ptr<Sequencer> sequencer, int port, snd_midi_event_t* encoder)
        : sequencer_(std::move(sequencer)),
          port_(port),
          encoder_(encoder),
          queue_([this](const std::uint8_t* bytes, std::size_t size, bool isSysex, bool) { write(bytes, size, isSysex); },
              wireTimePerByte)
    {
    }
    ~Output() override
    {
        close(std::chrono::milliseconds(0));
        sequencer_->deletePort(port_);
        snd_midi_event_free(encoder_);
    }

    void sendShort(MidiMessage message) override
    {
        const std::uint8_t bytes[] = {message.status, message.data1, message.data2};
        queue_.push(bytes, 1 + midiDataLength(message.status), false);
    }
    void sendLong(const std::uint8_t* bytes, std::size_t size) override { queue_.push(bytes, size, true); }
    bool close(std::chrono::milliseconds limit) override { return queue_.close(limit) == 0; }

private:
    void write(const std::uint8_t* bytes, std::size_t size, bool isSysex)
    {
        snd_seq_event_t event;
        snd_seq_ev_clear(&event);
        if (isSysex) {
            snd_seq_ev_set_sysex(&event, static_cast<unsigned>(size), const_cast<std::uint8_t*>(bytes));
        } else {
            snd_midi_event_reset_encode(encoder_);
            if (snd_midi_event_encode(encoder_, bytes, static_cast<long>(size), &event) <= 0
                || event.type == SND_SEQ_EVENT_NONE)
                return;
        }
        sequencer_->write(event, port_);
    }

    std::shared_ptr<Sequencer> sequencer_;
    int port_;
    snd_midi_event_t* encoder_; // the queue's thread only
    MidiSendQueue queue_;
};

AlsaMidiBackend::AlsaMidiBackend() : sequencer_(Sequencer::open()) {}

AlsaMidiBackend::~AlsaMidiBackend() = default;

std::vector<MidiPortCapabilities> AlsaMidiBackend::inputs()
{
    return sequencer_ ? sequencer_->list(readableCapabilities) : std::vector<MidiPortCapabilities>();
}

std::vector<MidiPortCapabilities> AlsaMidiBackend::outputs()
{
    return sequencer_ ? sequencer_->list(writableCapabilities) : std::vector<MidiPortCapabilities>();
}

MidiBackend::Opened<MidiInputConnection> AlsaMidiBackend::openInput(std::uint32_t id, MidiInputSink& sink)
{
    Opened<MidiInputConnection> opened;
    if (!sequencer_ || !sequencer_->exists(id))
        return opened;
    const int port = sequencer_->createPort("input", writableCapabilities);
    if (port < 0 || !sequencer_->router.add(port, sink)) {
        opened.error = MidiPortError::memoryFailure;
        return opened;
    }
    auto connection = std::make_unique<Input>(sequencer_, port);
    std::lock_guard lock(sequencer_->mutex);
    if (snd_seq_connect_from(sequencer_->handle, port, clientOf(id), portOf(id)) < 0) {
        opened.error = MidiPortError::portNotAvailable;
        return opened; // the connection's destructor deletes the port
    }
    opened.error = MidiPortError::ok;
    opened.connection = std::move(connection);
    return opened;
}

MidiBackend::Opened<MidiOutputConnection> AlsaMidiBackend::openOutput(std::uint32_t id)
{
    Opened<MidiOutputConnection> opened;
    if (!sequencer_ || !sequencer_->exists(id))
        return opened;
    snd_midi_event_t* encoder = nullptr;
    const int port = sequencer_->createPort("output", readableCapabilities);
    if (port < 0 || snd_midi_event_new(decodeBufferSize, &encoder) < 0) {
        if (port >= 0)
            sequencer_->deletePort(port);
        opened.error = MidiPortError::memoryFailure;
        return opened;
    }
    auto connection = std::make_unique<Output>(sequencer_, port, encoder);
    std::lock_guard lock(sequencer_->mutex);
    if (snd_seq_connect_to(sequencer_->handle, port, clientOf(id), portOf(id)) < 0) {
        opened.error = MidiPortError::portNotAvailable;
        return opened;
    }
    opened.error = MidiPortError::ok;
    opened.connection = std::move(connection);
    return opened;
}
