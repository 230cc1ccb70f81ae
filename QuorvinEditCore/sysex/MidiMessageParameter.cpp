#include "sysex/MidiMessageParameter.h"

#include "midi/MidiInterface.h"
#include "sysex/MidiBytes.h"

namespace {

enum PatternByte { statusByte, spareByte, firstDataByte, secondDataByte };

constexpr int twoByteMessage = 2;
constexpr int threeByteMessage = 3;
// A data byte with the top bit set would read as a status byte.
constexpr std::uint8_t dataBits = 0x7F;

} // namespace

MidiMessageParameter::MidiMessageParameter(MidiInterface* midiInterface, const MidiMessagePattern& message,
    std::int32_t minimum, std::int32_t maximum)
    : Parameter(minimum, maximum), midiInterface_(midiInterface),
      message_{message[statusByte], message[firstDataByte], message[secondDataByte]},
      spareByte_(message[spareByte]), length_(midiMessageLength(message[statusByte]))
{
    setValue(flagsConstruct, defaultValue());
}

std::uint8_t MidiMessage::*MidiMessageParameter::valueByte() const
{
    if (length_ == twoByteMessage)
        return &MidiMessage::data1;
    if (length_ == threeByteMessage)
        return &MidiMessage::data2;
    return nullptr;
}

std::int32_t MidiMessageParameter::getValue() const
{
    const auto byte = valueByte();
    return byte != nullptr ? message_.*byte : 0;
}

void MidiMessageParameter::apply(std::uint32_t flags, std::int32_t value)
{
    const auto byte = valueByte();
    if ((flags & SetValueFlag::storeBoundData) != 0 && value != noValue && byte != nullptr)
        message_.*byte = std::uint8_t(value) & dataBits;
    if ((flags & SetValueFlag::sendToInstrument) != 0 && midiInterface_ != nullptr)
        midiInterface_->sendShortMessage(message_);
}

MidiMessagePattern MidiMessageParameter::midiMessage() const
{
    return {message_.status, spareByte_, message_.data1, message_.data2};
}
