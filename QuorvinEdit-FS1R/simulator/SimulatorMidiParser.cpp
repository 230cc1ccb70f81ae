#include "simulator/SimulatorMidiParser.h"

namespace {

constexpr std::uint8_t sysexStart = 0xF0;
constexpr std::uint8_t sysexEnd = 0xF7;
constexpr std::uint8_t firstRealTime = 0xF8;
constexpr std::uint8_t firstSystemCommon = 0xF0;

bool isStatus(std::uint8_t byte) { return byte >= 0x80; }

// Length of a short message, status included; 0 for statuses that start none.
std::size_t shortMessageLength(std::uint8_t status)
{
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
        return 2;
    case 0xF0:
        break;
    default:
        return 3;
    }
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
        return 3;
    case 0xF6:
        return 1;
    default:
        return 0;
    }
}

} // namespace

SimulatorMidiParser::SimulatorMidiParser(std::size_t maxSysexSize, MessageHandler onSysex, MessageHandler onShortMessage)
    : maxSysexSize_(maxSysexSize), onSysex_(std::move(onSysex)), onShortMessage_(std::move(onShortMessage))
{
    sysex_.reserve(maxSysexSize_);
}

void SimulatorMidiParser::feed(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        feedByte(data[i]);
}

void SimulatorMidiParser::feedByte(std::uint8_t byte)
{
    if (byte >= firstRealTime) {
        // Real-time bytes may sit anywhere, even inside SysEx, and disturb nothing.
        onShortMessage_(&byte, 1);
    } else if (byte == sysexEnd) {
        if (inSysex_ && !sysexOverflowed_) {
            sysex_.push_back(byte);
            onSysex_(sysex_.data(), sysex_.size());
        }
        inSysex_ = false;
        runningStatus_ = 0;
        shortCount_ = 0;
    } else if (isStatus(byte)) {
        startStatus(byte);
    } else if (inSysex_) {
        addSysexByte(byte);
    } else {
        addShortDataByte(byte);
    }
}

void SimulatorMidiParser::startStatus(std::uint8_t status)
{
    // Any status byte ends an unfinished SysEx, which is dropped.
    inSysex_ = false;
    shortCount_ = 0;
    shortLength_ = 0;
    if (status == sysexStart) {
        runningStatus_ = 0;
        inSysex_ = true;
        sysexOverflowed_ = false;
        sysex_.clear();
        sysex_.push_back(status);
        return;
    }
    runningStatus_ = status < firstSystemCommon ? status : 0;
    shortLength_ = shortMessageLength(status);
    if (shortLength_ == 0)
        return;
    shortMessage_[0] = status;
    shortCount_ = 1;
    if (shortCount_ == shortLength_)
        deliverShortMessage();
}

void SimulatorMidiParser::addSysexByte(std::uint8_t byte)
{
    if (sysex_.size() + 1 >= maxSysexSize_)
        sysexOverflowed_ = true;
    if (!sysexOverflowed_)
        sysex_.push_back(byte);
}

void SimulatorMidiParser::addShortDataByte(std::uint8_t byte)
{
    if (shortCount_ == 0) {
        if (runningStatus_ == 0)
            return; // a data byte with no status: garbage
        shortMessage_[0] = runningStatus_;
        shortLength_ = shortMessageLength(runningStatus_);
        shortCount_ = 1;
    }
    shortMessage_[shortCount_++] = byte;
    if (shortCount_ == shortLength_)
        deliverShortMessage();
}

void SimulatorMidiParser::deliverShortMessage()
{
    onShortMessage_(shortMessage_, shortLength_);
    shortCount_ = 0;
}
