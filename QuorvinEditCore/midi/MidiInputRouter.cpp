#include "midi/MidiInputRouter.h"

#include <algorithm>
#include <array>
#include <cstring>

// One open input: its parser, and the port's sink until the port closes.
class MidiInputRouter::Input : public MidiInputSink {
public:
    Input(int key, MidiInputSink& sink, BlockFilter filter) : key(key), sink_(&sink), filter_(std::move(filter)) {}

    void detach() { sink_.store(nullptr); }
    void feed(const std::uint8_t* bytes, std::size_t size) { parser_.feed(bytes, size, *this); }

    void onShortMessage(MidiMessage message) override
    {
        if (MidiInputSink* sink = sink_.load())
            sink->onShortMessage(message);
    }

    void onSysexBlock(const std::uint8_t* block, std::size_t size) override
    {
        MidiInputSink* sink = sink_.load();
        if (!sink)
            return;
        if (!filter_) {
            sink->onSysexBlock(block, size);
            return;
        }
        std::memcpy(scratch_.data(), block, size);
        if (filter_(scratch_.data(), size))
            sink->onSysexBlock(scratch_.data(), std::min(size, scratch_.size()));
    }

    const int key;

private:
    std::atomic<MidiInputSink*> sink_;
    BlockFilter filter_;
    MidiStreamParser parser_;
    std::array<std::uint8_t, maxBlockSize> scratch_{};
};

bool MidiInputRouter::add(int key, MidiInputSink& sink, BlockFilter filter)
{
    auto input = std::make_shared<Input>(key, sink, std::move(filter));
    std::lock_guard lock(mutex_);
    if (findLocked(key))
        return false;
    inputs_.push_back(std::move(input));
    return true;
}

void MidiInputRouter::remove(int key)
{
    std::unique_lock lock(mutex_);
    const auto* found = findLocked(key);
    if (!found)
        return;
    const std::shared_ptr<Input> input = *found;
    input->detach();
    inputs_.erase(inputs_.begin() + (found - inputs_.data()));
    // On the input thread itself the delivery under way is the caller's own
    // and holds the input alive until it returns.
    if (std::this_thread::get_id() != inputThread_)
        deliveryDone_.wait(lock, [&] { return delivering_ != input.get(); });
}

const std::shared_ptr<MidiInputRouter::Input>* MidiInputRouter::findLocked(int key) const
{
    for (const auto& input : inputs_) {
        if (input->key == key)
            return &input;
    }
    return nullptr;
}

void MidiInputRouter::deliver(int key, const std::uint8_t* bytes, std::size_t size)
{
    std::shared_ptr<Input> input;
    {
        std::lock_guard lock(mutex_);
        inputThread_ = std::this_thread::get_id();
        const auto* found = findLocked(key);
        if (!found)
            return;
        input = *found;
        delivering_ = input.get();
    }
    input->feed(bytes, size);
    {
        std::lock_guard lock(mutex_);
        delivering_ = nullptr;
    }
    deliveryDone_.notify_all();
}
