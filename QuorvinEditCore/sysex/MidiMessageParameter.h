#pragma once
// A parameter whose value is the data byte of a fixed short message (a bank
// select, a program change) sent to the instrument when a change asks for
// it. Made by the ParameterFactory, which owns it and lists it in the
// address map so the device can find the current message.
#include "midi/MidiMessage.h"
#include "params/Parameter.h"
#include "sysex/MidiMessageSource.h"

#include <cstdint>

class MidiInterface;

class MidiMessageParameter : public Parameter, public MidiMessageSource {
public:
    // message is {status, a spare byte, data 1, data 2}; the value is data 1
    // of a two-byte message, data 2 of a three-byte one. Without an
    // interface nothing is sent.
    MidiMessageParameter(MidiInterface* midiInterface, const MidiMessagePattern& message, std::int32_t minimum,
        std::int32_t maximum);

    // 0 for a message without a data byte.
    std::int32_t getValue() const override;
    // Stores the value in the data byte on storeBoundData and sends the
    // message on sendToInstrument.
    void apply(std::uint32_t flags, std::int32_t value) override;

    MidiMessagePattern midiMessage() const override;
    MidiMessage message() const { return message_; }

private:
    // The data byte that carries the value, none when the message has none.
    std::uint8_t MidiMessage::*valueByte() const;

    MidiInterface* midiInterface_;
    MidiMessage message_;
    std::uint8_t spareByte_;
    int length_;
};
