#include "midi/MidiStreamParser.h"

#include "sysex/MidiBytes.h"

#include <algorithm>

namespace {

using MidiByte::sysexStart;
using MidiByte::sysexEnd;
using MidiByte::statusBit;
constexpr std::uint8_t firstRealTime = 0xF8;
constexpr std::uint8_t firstSystemCommon = 0xF0;

} // namespace

MidiStreamParser::MidiStreamParser(std::size_t blockSize)
    : blockSize_(std::clamp<std::size_t>(blockSize, 1, MidiInputSink::maxBlockSize))
{
}

void MidiStreamParser::feed(const std::uint8_t* bytes, std::size_t size, MidiInputSink& sink)
{
    for (std::size_t i = 0; i < size; ++i)
        feedByte(bytes[i], sink);
    flushBlock(sink);
}

void MidiStreamParser::feedByte(std::uint8_t byte, MidiInputSink& sink)
{
    if (byte >= firstRealTime) {
        // Real-time bytes may appear anywhere, a SysEx included, and change nothing.
        sink.onShortMessage({byte, 0, 0});
        return;
    }
    if (inSysex_) {
        if (byte < statusBit || byte == sysexEnd) {
            appendToBlock(byte, sink);
            if (byte == sysexEnd) {
                flushBlock(sink);
                inSysex_ = false;
            }
            return;
        }
        // Any other status ends the SysEx without its F7.
        flushBlock(sink);
        inSysex_ = false;
    }
    if (byte & statusBit)
        feedStatus(byte, sink);
    else
        feedData(byte, sink);
}

void MidiStreamParser::feedStatus(std::uint8_t status, MidiInputSink& sink)
{
    message_ = {};
    dataCount_ = 0;
    if (status == sysexStart) {
        inSysex_ = true;
        appendToBlock(status, sink);
        return;
    }
    if (status == sysexEnd)
        return; // an F7 with no SysEx under way
    if (midiDataLength(status) == 0) {
        sink.onShortMessage({status, 0, 0});
        return;
    }
    message_.status = status;
}

void MidiStreamParser::feedData(std::uint8_t byte, MidiInputSink& sink)
{
    if (message_.status == 0)
        return; // data with no status to run on
    (dataCount_ == 0 ? message_.data1 : message_.data2) = byte;
    if (++dataCount_ < midiDataLength(message_.status))
        return;
    sink.onShortMessage(message_);
    dataCount_ = 0;
    message_.data1 = message_.data2 = 0;
    // Channel messages keep their status running; system common ones do not.
    if (message_.status >= firstSystemCommon)
        message_.status = 0;
}

void MidiStreamParser::appendToBlock(std::uint8_t byte, MidiInputSink& sink)
{
    if (blockFill_ == blockSize_)
        flushBlock(sink);
    block_[blockFill_++] = byte;
}

void MidiStreamParser::flushBlock(MidiInputSink& sink)
{
    if (blockFill_ == 0)
        return;
    const std::size_t size = blockFill_;
    blockFill_ = 0;
    sink.onSysexBlock(block_.data(), size);
}
