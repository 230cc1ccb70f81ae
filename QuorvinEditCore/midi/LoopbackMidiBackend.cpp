#include "midi/LoopbackMidiBackend.h"

#include "midi/MidiInputRouter.h"
#include "midi/MidiSendQueue.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint8_t dataBits = 0x7F;

} // namespace

// Everything the backend, its connections and its threads share. The input
// thread delivers queued arrivals when they fall due; each open output has
// its own send queue, whose writer forwards to a peer or to an input.
class LoopbackMidiBackend::State {
public:
    struct Pair {
        MidiPortCapabilities capabilities;
        bool removed = false;
        MidiPortError openError = MidiPortError::ok;
        bool paced = false;
        Faults faults;
        Peer peer;
        std::size_t target = 0; // the input this pair's output feeds, unless a peer is set
        std::mt19937 random;
        Clock::time_point lastArrival;
    };

    State() : inputThread_([this] { runInput(); }) {}
    ~State();

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Pair> pairs; // ids are positions; a deque keeps elements in place
    MidiInputRouter router;
    std::size_t pending = 0; // arrivals and output messages not yet done

    Pair* find(const std::string& name);
    Pair& named(const std::string& name);
    void inject(std::size_t pair, const std::uint8_t* bytes, std::size_t size);
    void forward(std::size_t pair, const std::uint8_t* bytes, std::size_t size);
    void finish(std::size_t count);

private:
    struct Arrival {
        std::size_t pair;
        std::vector<std::uint8_t> bytes;
    };

    void queueArrival(Pair& pair, std::size_t id, std::vector<std::uint8_t> bytes);
    std::vector<std::uint8_t> damage(Pair& pair, const std::uint8_t* bytes, std::size_t size);
    void runInput();

    std::multimap<Clock::time_point, Arrival> arrivals_; // equal times keep their order
    bool stopping_ = false;
    std::thread inputThread_;
};

LoopbackMidiBackend::State::~State()
{
    {
        std::lock_guard lock(mutex);
        stopping_ = true;
    }
    changed.notify_all();
    inputThread_.join();
}

LoopbackMidiBackend::State::Pair* LoopbackMidiBackend::State::find(const std::string& name)
{
    for (Pair& pair : pairs) {
        if (pair.capabilities.name == name && !pair.removed)
            return &pair;
    }
    return nullptr;
}

LoopbackMidiBackend::State::Pair& LoopbackMidiBackend::State::named(const std::string& name)
{
    if (Pair* pair = find(name))
        return *pair;
    Pair& pair = pairs.emplace_back();
    pair.capabilities.id = static_cast<std::uint32_t>(pairs.size() - 1);
    pair.capabilities.name = name;
    pair.target = pair.capabilities.id;
    return pair;
}

void LoopbackMidiBackend::State::inject(std::size_t id, const std::uint8_t* bytes, std::size_t size)
{
    {
        std::lock_guard lock(mutex);
        Pair& pair = pairs.at(id);
        const std::vector<std::uint8_t> damaged = damage(pair, bytes, size);
        const std::size_t splitSize = std::max<std::size_t>(1, pair.faults.splitSize);
        for (std::size_t offset = 0; offset < damaged.size();) {
            std::size_t piece = std::min(splitSize, damaged.size() - offset);
            if (pair.faults.randomSplit)
                piece = std::uniform_int_distribution<std::size_t>(1, piece)(pair.random);
            queueArrival(pair, id, {damaged.begin() + offset, damaged.begin() + offset + piece});
            offset += piece;
        }
    }
    changed.notify_all();
}

std::vector<std::uint8_t> LoopbackMidiBackend::State::damage(Pair& pair, const std::uint8_t* bytes, std::size_t size)
{
    std::bernoulli_distribution drop(pair.faults.dropByteChance);
    std::bernoulli_distribution corrupt(pair.faults.corruptByteChance);
    std::uniform_int_distribution<int> flip(1, dataBits);
    std::vector<std::uint8_t> kept;
    kept.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (drop(pair.random))
            continue;
        const std::uint8_t byte = bytes[i];
        kept.push_back(corrupt(pair.random) ? static_cast<std::uint8_t>(byte ^ flip(pair.random)) : byte);
    }
    return kept;
}

// A piece arrives after the pair's delay, never before the one sent ahead of
// it, and when paced only once its bytes could have crossed the wire.
void LoopbackMidiBackend::State::queueArrival(Pair& pair, std::size_t id, std::vector<std::uint8_t> bytes)
{
    Clock::time_point due = std::max(Clock::now() + pair.faults.delay, pair.lastArrival);
    if (pair.paced)
        due += wireTimePerByte * static_cast<long>(bytes.size());
    pair.lastArrival = due;
    ++pending;
    arrivals_.emplace(due, Arrival{id, std::move(bytes)});
}

void LoopbackMidiBackend::State::forward(std::size_t id, const std::uint8_t* bytes, std::size_t size)
{
    Peer peer;
    std::size_t target = 0;
    {
        std::lock_guard lock(mutex);
        const Pair& pair = pairs.at(id);
        peer = pair.peer;
        target = pair.target;
    }
    if (peer)
        peer(bytes, size);
    else
        inject(target, bytes, size);
}

void LoopbackMidiBackend::State::finish(std::size_t count)
{
    {
        std::lock_guard lock(mutex);
        pending -= std::min(count, pending);
    }
    changed.notify_all();
}

void LoopbackMidiBackend::State::runInput()
{
    std::unique_lock lock(mutex);
    for (;;) {
        if (stopping_)
            return;
        if (arrivals_.empty()) {
            changed.wait(lock);
            continue;
        }
        const Clock::time_point due = arrivals_.begin()->first;
        if (Clock::now() < due) {
            changed.wait_until(lock, due);
            continue;
        }
        auto node = arrivals_.extract(arrivals_.begin());
        lock.unlock();
        const Arrival& arrival = node.mapped();
        router.deliver(static_cast<int>(arrival.pair), arrival.bytes.data(), arrival.bytes.size());
        lock.lock();
        --pending;
        changed.notify_all();
    }
}

// Closing the input waits until no delivery to its port is running.
class LoopbackMidiBackend::Input : public MidiInputConnection {
public:
    Input(std::shared_ptr<State> state, int key) : state_(std::move(state)), key_(key) {}
    ~Input() override { state_->router.remove(key_); }

private:
    std::shared_ptr<State> state_;
    int key_;
};

// Sends through its own queue; each message counts as pending from the send
// until its last piece has been forwarded or it is dropped at close.
class LoopbackMidiBackend::Output : public MidiOutputConnection {
public:
    Output(std::shared_ptr<State> state, std::size_t pair, bool paced)
        : state_(std::move(state)),
          queue_([this, pair](const std::uint8_t* bytes, std::size_t size, bool, bool lastPiece) {
              state_->forward(pair, bytes, size);
              if (lastPiece)
                  state_->finish(1);
          },
              paced ? wireTimePerByte : std::chrono::microseconds(0))
    {
    }
    ~Output() override { close(std::chrono::milliseconds(0)); }

    void sendShort(MidiMessage message) override
    {
        const std::uint8_t bytes[] = {message.status, message.data1, message.data2};
        send(bytes, 1 + midiDataLength(message.status), false);
    }
    void sendLong(const std::uint8_t* bytes, std::size_t size) override { send(bytes, size, true); }

    bool close(std::chrono::milliseconds limit) override
    {
        const std::size_t dropped = queue_.close(limit);
        state_->finish(dropped);
        return dropped == 0;
    }

private:
    void send(const std::uint8_t* bytes, std::size_t size, bool isSysex)
    {
        {
            std::lock_guard lock(state_->mutex);
            ++state_->pending;
        }
        if (!queue_.push(bytes, size, isSysex))
            state_->finish(1);
    }

    std::shared_ptr<State> state_;
    MidiSendQueue queue_;
};

LoopbackMidiBackend::LoopbackMidiBackend() : state_(std::make_shared<State>()) {}

LoopbackMidiBackend::~LoopbackMidiBackend() = default;

void LoopbackMidiBackend::addPortPair(const std::string& name)
{
    addPortPair(name, Peer());
}

void LoopbackMidiBackend::addPortPair(const std::string& name, Peer peer)
{
    std::lock_guard lock(state_->mutex);
    State::Pair& pair = state_->named(name);
    pair.peer = std::move(peer);
    pair.target = pair.capabilities.id;
}

void LoopbackMidiBackend::connect(const std::string& outputName, const std::string& inputName)
{
    std::lock_guard lock(state_->mutex);
    const std::size_t target = state_->named(inputName).capabilities.id;
    State::Pair& pair = state_->named(outputName);
    pair.peer = nullptr;
    pair.target = target;
}

void LoopbackMidiBackend::removePortPair(const std::string& name)
{
    std::lock_guard lock(state_->mutex);
    if (State::Pair* pair = state_->find(name))
        pair->removed = true;
}

void LoopbackMidiBackend::setCapabilities(const std::string& name, std::uint16_t manufacturerId,
    std::uint16_t productId, MidiTechnology technology)
{
    std::lock_guard lock(state_->mutex);
    MidiPortCapabilities& capabilities = state_->named(name).capabilities;
    capabilities.manufacturerId = manufacturerId;
    capabilities.productId = productId;
    capabilities.technology = technology;
}

void LoopbackMidiBackend::setOpenError(const std::string& name, MidiPortError error)
{
    std::lock_guard lock(state_->mutex);
    state_->named(name).openError = error;
}

void LoopbackMidiBackend::setPaced(const std::string& name, bool paced)
{
    std::lock_guard lock(state_->mutex);
    state_->named(name).paced = paced;
}

void LoopbackMidiBackend::setFaults(const std::string& name, Faults faults)
{
    std::lock_guard lock(state_->mutex);
    State::Pair& pair = state_->named(name);
    pair.random.seed(faults.seed);
    pair.faults = std::move(faults);
}

void LoopbackMidiBackend::inject(const std::string& name, const std::uint8_t* bytes, std::size_t size)
{
    std::size_t id = 0;
    {
        std::lock_guard lock(state_->mutex);
        const State::Pair* pair = state_->find(name);
        if (!pair)
            return;
        id = pair->capabilities.id;
    }
    state_->inject(id, bytes, size);
}

bool LoopbackMidiBackend::waitUntilIdle(std::chrono::milliseconds limit)
{
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, limit, [this] { return state_->pending == 0; });
}

std::vector<MidiPortCapabilities> LoopbackMidiBackend::inputs()
{
    std::lock_guard lock(state_->mutex);
    std::vector<MidiPortCapabilities> list;
    for (const State::Pair& pair : state_->pairs) {
        if (!pair.removed)
            list.push_back(pair.capabilities);
    }
    return list;
}

std::vector<MidiPortCapabilities> LoopbackMidiBackend::outputs()
{
    return inputs();
}

MidiPortError LoopbackMidiBackend::checkOpen(std::uint32_t id, bool& paced, BlockFilter* filter)
{
    std::lock_guard lock(state_->mutex);
    if (id >= state_->pairs.size() || state_->pairs[id].removed)
        return MidiPortError::deviceNotFound;
    const State::Pair& pair = state_->pairs[id];
    paced = pair.paced;
    if (filter)
        *filter = pair.faults.blockFilter;
    return pair.openError;
}

MidiBackend::Opened<MidiInputConnection> LoopbackMidiBackend::openInput(std::uint32_t id, MidiInputSink& sink)
{
    bool paced = false;
    BlockFilter filter;
    Opened<MidiInputConnection> opened;
    opened.error = checkOpen(id, paced, &filter);
    if (opened.error != MidiPortError::ok)
        return opened;
    // Like a driver, the loopback lets one client at a time hold an input.
    const int key = static_cast<int>(id);
    if (!state_->router.add(key, sink, std::move(filter))) {
        opened.error = MidiPortError::portNotAvailable;
        return opened;
    }
    opened.connection = std::make_unique<Input>(state_, key);
    return opened;
}

MidiBackend::Opened<MidiOutputConnection> LoopbackMidiBackend::openOutput(std::uint32_t id)
{
    bool paced = false;
    Opened<MidiOutputConnection> opened;
    opened.error = checkOpen(id, paced, nullptr);
    if (opened.error == MidiPortError::ok)
        opened.connection = std::make_unique<Output>(state_, id, paced);
    return opened;
}
