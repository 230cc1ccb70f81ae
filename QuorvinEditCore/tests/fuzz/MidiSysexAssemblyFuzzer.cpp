// Feeds arbitrary blocks to SysEx assembly, straight and through the stream
// parser that the backends put in front of it, and checks that every message
// handed on starts at F0, grows block by block and stays inside its buffer.
#include "midi/MidiStreamParser.h"
#include "midi/SysexAssembler.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::array<std::size_t, 4> assemblySizes = {0, 256, 300, 1024};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

class CheckingReceiver : public SysexAssembler::Receiver, public MidiInputSink {
public:
    CheckingReceiver(SysexAssembler& assembler) : assembler_(assembler) {}

    void onAssemblyStart(const std::uint8_t* buffer, std::size_t count) override
    {
        checkBuffer(buffer, count);
        fill_ = count;
    }
    void onAssemblyData(const std::uint8_t* buffer, std::size_t count) override
    {
        checkBuffer(buffer, count);
        check(count >= fill_);
        fill_ = count;
    }
    void onAssemblyEnd(const std::uint8_t* buffer, std::size_t count) override
    {
        checkBuffer(buffer, count);
        check(buffer[count - 1] == 0xF7);
        fill_ = 0;
    }
    void onAssemblyError(MidiPortError error) override
    {
        check(error == MidiPortError::receivedNullData || error == MidiPortError::bufferOverflow);
    }

    void onShortMessage(MidiMessage message) override { check(message.status >= 0x80); }
    void onSysexBlock(const std::uint8_t* block, std::size_t size) override
    {
        check(size > 0 && size <= maxBlockSize);
        assembler_.feed(block, size, *this);
    }

private:
    void checkBuffer(const std::uint8_t* buffer, std::size_t count) const
    {
        check(count > 0 && count <= assembler_.size());
        check(buffer[0] == 0xF0);
        volatile std::uint8_t last = buffer[count - 1]; // out of bounds shows under the sanitizer
        (void)last;
    }

    SysexAssembler& assembler_;
    std::size_t fill_ = 0;
};

} // namespace

// Byte 0 picks the buffer size; then each block is a length byte and that
// many bytes (a length of 0 gives an empty block).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    SysexAssembler direct(assemblySizes[data[0] % assemblySizes.size()]);
    CheckingReceiver directReceiver(direct);
    for (std::size_t offset = 1; offset < size;) {
        const std::size_t length = std::min<std::size_t>(data[offset], size - offset - 1);
        direct.feed(data + offset + 1, length, directReceiver);
        offset += 1 + length;
    }
    SysexAssembler parsed(assemblySizes[data[0] % assemblySizes.size()]);
    CheckingReceiver parsedReceiver(parsed);
    MidiStreamParser parser(1 + data[0] % MidiInputSink::maxBlockSize);
    parser.feed(data + 1, size - 1, parsedReceiver);
    return 0;
}
