#pragma once
// Turns a MIDI byte stream into short messages and SysEx blocks, the way a
// driver does: running status, real-time bytes inside a SysEx, blocks cut at
// the block size and after F7. One parser per open input; it owns its block
// buffer, so parsing never allocates.
#include "midi/MidiInputSink.h"

#include <array>
#include <cstddef>
#include <cstdint>

class MidiStreamParser {
public:
    explicit MidiStreamParser(std::size_t blockSize = MidiInputSink::maxBlockSize);

    // Delivers every complete piece of bytes, then the SysEx block under way,
    // as a driver hands over a partly filled buffer when the line goes quiet.
    void feed(const std::uint8_t* bytes, std::size_t size, MidiInputSink& sink);

private:
    void feedByte(std::uint8_t byte, MidiInputSink& sink);
    void feedStatus(std::uint8_t status, MidiInputSink& sink);
    void feedData(std::uint8_t byte, MidiInputSink& sink);
    void appendToBlock(std::uint8_t byte, MidiInputSink& sink);
    void flushBlock(MidiInputSink& sink);

    std::array<std::uint8_t, MidiInputSink::maxBlockSize> block_{};
    std::size_t blockSize_;
    std::size_t blockFill_ = 0;
    bool inSysex_ = false;
    MidiMessage message_;      // status 0 while no message is being collected
    std::uint8_t dataCount_ = 0;
};
