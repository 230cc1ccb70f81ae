#pragma once
// Turns a raw MIDI byte stream, cut into blocks of any size, into whole
// messages for the simulated instrument: SysEx from F0 to F7 and short
// messages with running status. Stray data bytes, unfinished SysEx and
// oversized SysEx are dropped, as a real instrument's receiver does.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class SimulatorMidiParser {
public:
    using MessageHandler = std::function<void(const std::uint8_t* data, std::size_t size)>;

    SimulatorMidiParser(std::size_t maxSysexSize, MessageHandler onSysex, MessageHandler onShortMessage);

    void feed(const std::uint8_t* data, std::size_t size);

private:
    void feedByte(std::uint8_t byte);
    void startStatus(std::uint8_t status);
    void addSysexByte(std::uint8_t byte);
    void addShortDataByte(std::uint8_t byte);
    void deliverShortMessage();

    std::size_t maxSysexSize_;
    MessageHandler onSysex_;
    MessageHandler onShortMessage_;
    std::vector<std::uint8_t> sysex_;
    bool inSysex_ = false;
    bool sysexOverflowed_ = false;
    std::uint8_t runningStatus_ = 0;
    std::uint8_t shortMessage_[3] = {};
    std::size_t shortCount_ = 0;
    std::size_t shortLength_ = 0;
};
