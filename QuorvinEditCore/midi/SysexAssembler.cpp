#include "midi/SysexAssembler.h"

#include "sysex/MidiBytes.h"

#include <algorithm>
#include <cstring>

namespace {

using MidiByte::sysexStart;
using MidiByte::sysexEnd;

} // namespace

SysexAssembler::SysexAssembler(std::size_t size)
    : size_(size == 0 ? 0 : std::max(size, minimumSize)),
      buffer_(size_ == 0 ? nullptr : std::make_unique<std::uint8_t[]>(size_))
{
}

void SysexAssembler::feed(const std::uint8_t* block, std::size_t count, Receiver& receiver)
{
    if (!buffer_)
        return;
    if (count == 0 || !block) {
        // Only skipped: a message under way goes on with the next block.
        receiver.onAssemblyError(MidiPortError::receivedNullData);
        return;
    }
    if (block[0] == sysexStart) {
        // A new F0 always starts over, whatever was being assembled.
        fill_ = 0;
        if (!append(block, count, receiver))
            return;
        receiver.onAssemblyStart(buffer_.get(), fill_);
    } else if (fill_ == 0 || !append(block, count, receiver)) {
        return; // a continuation with no message under way is dropped silently
    }
    if (block[count - 1] == sysexEnd) {
        const std::size_t total = fill_;
        fill_ = 0;
        receiver.onAssemblyEnd(buffer_.get(), total);
    } else {
        receiver.onAssemblyData(buffer_.get(), fill_);
    }
}

// An overflow drops the message under way; reception resumes with the next
// F0, so the rest of the message is dropped without another report.
bool SysexAssembler::append(const std::uint8_t* block, std::size_t count, Receiver& receiver)
{
    if (count > size_ - fill_) {
        fill_ = 0;
        receiver.onAssemblyError(MidiPortError::bufferOverflow);
        return false;
    }
    std::memcpy(buffer_.get() + fill_, block, count);
    fill_ += count;
    return true;
}
