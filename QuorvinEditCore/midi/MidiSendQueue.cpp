#include "midi/MidiSendQueue.h"

#include <algorithm>

MidiSendQueue::MidiSendQueue(Writer writer, std::chrono::microseconds timePerByte)
    : writer_(std::move(writer)), timePerByte_(timePerByte), thread_([this] { run(); })
{
}

MidiSendQueue::~MidiSendQueue()
{
    close(std::chrono::milliseconds(0));
}

bool MidiSendQueue::push(const std::uint8_t* bytes, std::size_t size, bool isSysex)
{
    Message message{std::vector<std::uint8_t>(bytes, bytes + size), isSysex};
    {
        std::lock_guard lock(mutex_);
        if (closing_ || size == 0)
            return false;
        queue_.push_back(std::move(message));
    }
    changed_.notify_all();
    return true;
}

std::size_t MidiSendQueue::close(std::chrono::milliseconds limit)
{
    std::size_t dropped = 0;
    {
        std::unique_lock lock(mutex_);
        if (!thread_.joinable())
            return 0;
        closing_ = true;
        changed_.wait_for(lock, limit, [this] { return queue_.empty() && !writing_; });
        dropped = queue_.size() + (writing_ ? 1 : 0);
        queue_.clear();
        // Also cuts short the wire time of the last piece written.
        aborted_ = true;
    }
    changed_.notify_all();
    thread_.join();
    return dropped;
}

void MidiSendQueue::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queue_.empty() || closing_; });
        if (queue_.empty() || aborted_)
            return;
        const Message message = std::move(queue_.front());
        queue_.pop_front();
        writing_ = true;
        if (!write(message, lock))
            return;
    }
}

// Writes outside the lock; after each piece waits until the wire is at most
// one piece behind, waking early only to give up when the queue is aborted.
// The waits follow the wire's own schedule rather than each lasting a piece's
// wire time: on a busy machine every wait ends late, and waits of a fixed
// length then fall ever further behind the wire, while the editor counts on
// its rate to know when an answer is due.
bool MidiSendQueue::write(const Message& message, std::unique_lock<std::mutex>& lock)
{
    const auto ahead = timePerByte_ * static_cast<long>(maxPieceSize);
    const std::size_t size = message.bytes.size();
    for (std::size_t offset = 0; offset < size;) {
        const std::size_t piece = std::min(maxPieceSize, size - offset);
        lock.unlock();
        writer_(message.bytes.data() + offset, piece, message.isSysex, offset + piece == size);
        lock.lock();
        offset += piece;
        if (offset == size) {
            writing_ = false;
            changed_.notify_all();
        }
        wireFreeAt_ = std::max(wireFreeAt_, Clock::now()) + timePerByte_ * static_cast<long>(piece);
        if (changed_.wait_until(lock, wireFreeAt_ - ahead, [this] { return aborted_; }))
            return offset == size;
    }
    return true;
}
