#pragma once
// Puts a SysEx message together from the blocks an input delivers, into one
// buffer allocated at construction, so the input thread never allocates.
// A message longer than the buffer is reported and dropped, never written
// past its end. Owned by an input port.
#include "midi/MidiPortError.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class SysexAssembler {
public:
    // Every call hands the whole message so far, from its F0 on.
    class Receiver {
    public:
        virtual ~Receiver() = default;
        virtual void onAssemblyStart(const std::uint8_t* buffer, std::size_t count) = 0;
        virtual void onAssemblyData(const std::uint8_t* buffer, std::size_t count) = 0;
        virtual void onAssemblyEnd(const std::uint8_t* buffer, std::size_t count) = 0;
        virtual void onAssemblyError(MidiPortError error) = 0;
    };

    static constexpr std::size_t minimumSize = 256;

    // Size 0 allocates nothing and ignores every block; other sizes are
    // raised to at least minimumSize.
    explicit SysexAssembler(std::size_t size);

    void feed(const std::uint8_t* block, std::size_t count, Receiver& receiver);
    // Forgets a message under way, so a reopened port never continues it.
    void clear() { fill_ = 0; }

    std::size_t size() const { return size_; }

private:
    bool append(const std::uint8_t* block, std::size_t count, Receiver& receiver);

    std::size_t size_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t fill_ = 0; // 0 while no message is under way
};
