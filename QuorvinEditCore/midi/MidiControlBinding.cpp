#include "midi/MidiControlBinding.h"

#include "midi/MidiControlGrouper.h"
#include "midi/MidiInterface.h"
#include "midi/MidiMessageText.h"
#include "params/Parameter.h"
#include "sysex/MidiBytes.h"
#include "text/WxText.h"
#include "xml/XmlElement.h"

#include <wx/log.h>

namespace {

constexpr std::uint8_t dataMask = 0x7F;
constexpr std::uint32_t bitsPerDataByte = 7;

bool isWideStatus(std::uint8_t status) { return (status & 0xF0) == 0xE0 || status == 0xF2; }

// Real-time statuses: one byte, nothing to carry a value in.
bool isRealTimeStatus(std::uint8_t status)
{
    switch (status) {
    case 0xF6: case 0xF8: case 0xFA: case 0xFB: case 0xFC: case 0xFE: case 0xFF:
        return true;
    default:
        return false;
    }
}

MidiControlEvent::BindingSerial nextSerial()
{
    static MidiControlEvent::BindingSerial last = MidiControlEvent::noBinding;
    return ++last;
}

} // namespace

MidiControlBinding::ValueLayout MidiControlBinding::layoutOf(std::uint8_t status)
{
    if (isRealTimeStatus(status))
        return {noValueByte, false};
    if (isWideStatus(status))
        return {midiMessageLength(status) - 2, true};
    return {midiMessageLength(status) - 1, false};
}

bool MidiControlBinding::carriesValue(std::uint8_t status)
{
    const ValueLayout layout = layoutOf(status);
    const bool valueByte = layout.byteIndex == valueInData1 || layout.byteIndex == valueInData2;
    return (status & 0x80) != 0 && valueByte;
}

std::int64_t MidiControlBinding::mapRange(std::int64_t value, std::int64_t inMin, std::int64_t inMax,
    std::int64_t outMin, std::int64_t outMax)
{
    if (value <= inMin)
        return outMin;
    if (value >= inMax)
        return outMax;
    const std::int64_t inSpan = inMax - inMin;
    return ((value - inMin) * (outMax - outMin) + inSpan / 2) / inSpan + outMin;
}

MidiControlBinding::MidiControlBinding(MidiInterface& midi, MidiControlGrouper& grouper, MidiOutPort* output)
    : midi_(midi)
    , grouper_(grouper)
    , output_(output)
    , serial_(nextSerial())
{
}

MidiControlBinding::~MidiControlBinding() { grouper_.forget(serial_); }

void MidiControlBinding::onParameterChanged(Parameter*, std::uint32_t) { sendFeedback(); }

void MidiControlBinding::onParameterDestroyed(Parameter* parameter)
{
    if (parameter == parameter_)
        parameter_ = nullptr;
}

void MidiControlBinding::setMessageBase(MidiMessage message)
{
    message_ = message;
    const ValueLayout layout = layoutOf(message.status);
    valueByteIndex_ = layout.byteIndex;
    wide_ = layout.wide;
    messageMinimum_ = 0;
    messageMaximum_ = wide_ ? wideMaximum : narrowMaximum;
}

bool MidiControlBinding::matches(MidiMessage message) const
{
    if (message.status != message_.status)
        return false;
    if (wide_)
        return true;
    if (valueByteIndex_ == valueInData1)
        return message.data2 == message_.data2;
    if (valueByteIndex_ == valueInData2)
        return message.data1 == message_.data1;
    return false;
}

std::uint16_t MidiControlBinding::valueOf(MidiMessage message) const
{
    if (wide_)
        return valueByteIndex_ == valueInData1 ? std::uint16_t(read14Bit(message.data1, message.data2)) : 0;
    if (valueByteIndex_ == valueInData1)
        return message.data1;
    if (valueByteIndex_ == valueInData2)
        return message.data2;
    return 0;
}

std::int32_t MidiControlBinding::mapToParameter(std::uint16_t value) const
{
    if (!parameter_)
        return 0;
    return std::int32_t(
        mapRange(value, messageMinimum_, messageMaximum_, parameter_->minimum(), parameter_->maximum()));
}

void MidiControlBinding::handle(MidiMessage message)
{
    if (!parameter_ || !matches(message))
        return;
    // Queued, so the grouper sees this change already recorded.
    grouper_.bindingMoved(serial_);
    parameter_->setValue(flagsUserEdit, mapToParameter(valueOf(message)));
}

void MidiControlBinding::sendFeedback()
{
    if (!parameter_)
        return;
    const std::int64_t value = mapRange(parameter_->getValue(), parameter_->minimum(), parameter_->maximum(),
        messageMinimum_, messageMaximum_);
    putValue(std::uint16_t(value));
    if (!output_) {
        wxLogVerbose("MIDI OUT: %s (No MIDI OUT)", toWxString(midiMessageText(message_, true)));
        return;
    }
    midi_.sendShortMessage(message_, output_);
}

void MidiControlBinding::putValue(std::uint16_t value)
{
    if (wide_) {
        if (valueByteIndex_ == valueInData1) {
            message_.data1 = std::uint8_t(value & dataMask);
            message_.data2 = std::uint8_t((value >> bitsPerDataByte) & dataMask);
        }
    } else if (valueByteIndex_ == valueInData1) {
        message_.data1 = std::uint8_t(value);
    } else if (valueByteIndex_ == valueInData2) {
        message_.data2 = std::uint8_t(value);
    }
}

void MidiControlBinding::attach(Parameter& parameter)
{
    detach();
    parameter.addListener(this);
    parameter_ = &parameter;
}

void MidiControlBinding::detach()
{
    if (parameter_)
        parameter_->removeListener(this);
    parameter_ = nullptr;
}

void MidiControlBinding::save(const XmlElement& element) const
{
    if (parameter_)
        parameter_->key().writeXml(element.child(u"parameter"));
    const XmlElement base = element.child(u"message_base");
    base.setIntAttribute(u"byte1", message_.status);
    if (!wide_) {
        if (valueByteIndex_ == valueInData1)
            base.setIntAttribute(u"byte3", message_.data2);
        else
            base.setIntAttribute(u"byte2", message_.data1);
    }
    const XmlElement value = element.child(u"message_value");
    value.setIntAttribute(u"byte_index", valueByteIndex_);
    value.setIntAttribute(u"size", wide_ ? wideBits : narrowBits);
}

RefString MidiControlBinding::messageText() const { return midiMessageText(message_, true); }

RefString MidiControlBinding::parameterText() const
{
    return parameter_ ? parameter_->key().text() : RefString();
}
