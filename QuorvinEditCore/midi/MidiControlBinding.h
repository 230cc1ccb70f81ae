#pragma once
// One control of a MIDI control surface bound to one parameter: the status
// and non-value data byte that identify the control, which byte carries the
// value (7 or 14 bits), the mapping onto the parameter's range, and the
// feedback that sends every change of the parameter back to the surface.
// Owned by its MidiControlSet; the bound parameter must outlive it.
#include "midi/MidiControlEvent.h"
#include "midi/MidiMessage.h"
#include "params/ParameterListener.h"
#include "text/RefString.h"

#include <cstdint>

class MidiControlGrouper;
class MidiInterface;
class MidiOutPort;
class Parameter;
class XmlElement;

class MidiControlBinding final : public ParameterListener {
public:
    // Value byte indexes: data 1, data 2, or no value in the message.
    static constexpr std::int32_t valueInData1 = 1;
    static constexpr std::int32_t valueInData2 = 2;
    static constexpr std::int32_t noValueByte = -1;
    static constexpr std::uint16_t narrowMaximum = 127;
    static constexpr std::uint16_t wideMaximum = 16383;
    static constexpr std::int32_t narrowBits = 7;
    static constexpr std::int32_t wideBits = 14;

    // Where a status's value lives: pitch bend and song position carry 14
    // bits in both data bytes; other messages carry 7 bits in their last
    // data byte; real-time, SysEx and undefined statuses carry none.
    struct ValueLayout {
        std::int32_t byteIndex;
        bool wide;

        friend bool operator==(const ValueLayout&, const ValueLayout&) = default;
    };
    static ValueLayout layoutOf(std::uint8_t status);
    // True for a status byte whose message carries a value a control can send.
    static bool carriesValue(std::uint8_t status);

    // The nearest value of the output range, halves rounded up; values at or
    // beyond an input bound give the matching output bound. Wide enough for
    // any parameter range, and never divides by zero.
    static std::int64_t mapRange(std::int64_t value, std::int64_t inMin, std::int64_t inMax, std::int64_t outMin,
        std::int64_t outMax);

    // Starts unbound as B0 0 0 with a 7-bit value in data 1, until
    // setMessageBase gives it its control.
    MidiControlBinding(MidiInterface& midi, MidiControlGrouper& grouper, MidiOutPort* output);
    // Leaves the parameter's listeners and lets the grouper forget it.
    ~MidiControlBinding() override;
    MidiControlBinding(const MidiControlBinding&) = delete;
    MidiControlBinding& operator=(const MidiControlBinding&) = delete;

    // The parameter changed, whatever changed it: feedback to the surface.
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    // The parameter is going: the binding stays, unbound, and ignores messages.
    void onParameterDestroyed(Parameter* parameter) override;

    // The control this binding answers to; the value layout follows the status.
    void setMessageBase(MidiMessage message);
    bool matches(MidiMessage message) const;
    std::uint16_t valueOf(MidiMessage message) const;
    // From the binding's message range onto the parameter's full range.
    std::int32_t mapToParameter(std::uint16_t value) const;
    // Sets the parameter as a user edit when the message is this control's.
    void handle(MidiMessage message);
    // Sends the parameter's value to the surface as this control's message.
    // Dropped when the binding has no output: the instrument must never get
    // a surface's message.
    void sendFeedback();

    // Starts listening to the parameter; stops listening to the old one.
    void attach(Parameter& parameter);
    void detach();

    // Writes "parameter", "message_base" and "message_value" into a "control".
    void save(const XmlElement& element) const;
    // For the binding list: the message with its data, and the parameter's key.
    RefString messageText() const;
    RefString parameterText() const;

    Parameter* parameter() const { return parameter_; }
    MidiOutPort* output() const { return output_; }
    void setOutput(MidiOutPort* output) { output_ = output; }
    MidiMessage message() const { return message_; }
    std::int32_t valueByteIndex() const { return valueByteIndex_; }
    bool isWide() const { return wide_; }
    std::uint16_t messageMinimum() const { return messageMinimum_; }
    std::uint16_t messageMaximum() const { return messageMaximum_; }
    MidiControlEvent::BindingSerial serial() const { return serial_; }

private:
    void putValue(std::uint16_t value);

    MidiInterface& midi_;
    MidiControlGrouper& grouper_;
    MidiOutPort* output_;
    Parameter* parameter_ = nullptr;
    MidiMessage message_{0xB0, 0, 0};
    std::int32_t valueByteIndex_ = valueInData1;
    bool wide_ = false;
    std::uint16_t messageMinimum_ = 0;
    std::uint16_t messageMaximum_ = narrowMaximum;
    const MidiControlEvent::BindingSerial serial_;
};
