#pragma once
// The send side of one open output. Each queued message owns a copy of its
// bytes until the writer is done with it; a thread writes the messages in
// order, long ones in pieces of at most 256 bytes, optionally paced at a time
// per byte so a slow wire never overruns: the writes keep at most one piece
// ahead of the wire. Closing waits a bounded time.
// Owned by a backend's output connection.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class MidiSendQueue {
public:
    static constexpr std::size_t maxPieceSize = 256;

    // Called on the queue's thread; lastPiece is true for the piece that
    // completes a message.
    using Writer = std::function<void(const std::uint8_t* bytes, std::size_t size, bool isSysex, bool lastPiece)>;

    MidiSendQueue(Writer writer, std::chrono::microseconds timePerByte);
    ~MidiSendQueue();

    // False, and nothing queued, after close.
    bool push(const std::uint8_t* bytes, std::size_t size, bool isSysex);
    // Waits at most limit for the queue to empty, then drops what is left;
    // returns how many messages did not go out whole.
    std::size_t close(std::chrono::milliseconds limit);

private:
    using Clock = std::chrono::steady_clock;
    struct Message {
        std::vector<std::uint8_t> bytes;
        bool isSysex = false;
    };

    void run();
    bool write(const Message& message, std::unique_lock<std::mutex>& lock);

    Writer writer_;
    std::chrono::microseconds timePerByte_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Message> queue_;
    bool writing_ = false; // a message whose last piece is not written yet
    bool closing_ = false;
    bool aborted_ = false;
    // When the bytes written so far will have crossed the wire.
    Clock::time_point wireFreeAt_{};
    std::thread thread_;
};
