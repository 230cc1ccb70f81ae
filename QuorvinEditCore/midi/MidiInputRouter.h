#pragma once
// Hands the bytes a backend's input thread receives to the open input they
// belong to, through that input's parser. Removing an input waits until no
// delivery to it is running, so a port may close at any time from any
// thread, even from inside its own callback. Owned by a backend.
#include "midi/MidiInputSink.h"
#include "midi/MidiStreamParser.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class MidiInputRouter {
public:
    // Sees each SysEx block before the sink; may change or shorten it, or
    // return false to drop it.
    using BlockFilter = std::function<bool(std::uint8_t* block, std::size_t& size)>;

    // Keys are the backend's; false, and nothing added, when the key is taken.
    bool add(int key, MidiInputSink& sink, BlockFilter filter = {});
    void remove(int key);

    // Input thread only: parses bytes into the input under key, if any.
    void deliver(int key, const std::uint8_t* bytes, std::size_t size);

private:
    class Input;
    const std::shared_ptr<Input>* findLocked(int key) const;

    mutable std::mutex mutex_;
    std::condition_variable deliveryDone_;
    std::vector<std::shared_ptr<Input>> inputs_;
    const Input* delivering_ = nullptr;
    std::thread::id inputThread_;
};
