#include "sysex/SysexParameter.h"

#include "midi/MidiInterface.h"
#include "sysex/SysexField.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace {

constexpr std::uint32_t maxFieldWidth = 32;
constexpr std::int32_t fourteenBitMaximum = 0x3fff;

// Enough bits for the larger magnitude of the range, plus a sign bit when
// either end is negative: -64..63 takes 8 bits, 0..127 takes 7.
std::uint32_t fieldWidthFor(std::int32_t minimum, std::int32_t maximum)
{
    const bool isSigned = minimum < 0 || maximum < 0;
    const std::uint64_t magnitude = std::max(std::abs(std::int64_t(minimum)), std::abs(std::int64_t(maximum)));
    const std::uint32_t length = magnitude <= 1 ? 1 : std::uint32_t(std::bit_width(magnitude));
    return std::min(length + (isSigned ? 1 : 0), maxFieldWidth);
}

} // namespace

SysexParameter::SysexParameter(MidiInterface* midiInterface, AddressEntry& entry, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset)
    : Parameter(minimum, maximum), midiInterface_(midiInterface), bitOffset_(bitOffset),
      bitWidth_(fieldWidthFor(minimum, maximum))
{
    attachTo(SysexField::attach(*this, entry));
}

SysexParameter::SysexParameter(MidiInterface* midiInterface, AddressEntry& high, AddressEntry& low)
    : Parameter(0, fourteenBitMaximum), midiInterface_(midiInterface), bitOffset_(0),
      bitWidth_(fieldWidthFor(0, fourteenBitMaximum))
{
    attachTo(SysexField::attach(*this, low, high));
}

SysexParameter::~SysexParameter()
{
    // The entries are gone already when the map went first.
    if (const std::shared_ptr<SysexField> field = fieldLifetime_.lock())
        field->detach();
}

void SysexParameter::attachTo(std::shared_ptr<SysexField> field)
{
    field_ = field.get();
    fieldLifetime_ = field;
    fitEntriesToWidth(bitWidth_);
    // Writes the default's bits; flagsConstruct neither records, notifies nor sends.
    setValue(flagsConstruct, defaultValue());
}

void SysexParameter::fitEntriesToWidth(std::uint32_t width)
{
    const std::uint64_t lastBit = std::uint64_t(bitOffset_) + width - 1;
    field_->spreadByteCount(std::uint32_t(lastBit / SysexField::bitsPerEntryByte + 1));
}

std::int32_t SysexParameter::getValue() const { return field_->readBits(bitOffset_, bitWidth_, isSigned()); }

void SysexParameter::apply(std::uint32_t flags, std::int32_t value)
{
    if ((flags & SetValueFlag::storeBoundData) != 0 && value != noValue) {
        field_->writeBits(value, bitOffset_, bitWidth_);
        field_->tellNeighbours(flags);
    }
    // The interface sends only when the flags ask for it.
    if (midiInterface_ != nullptr)
        midiInterface_->sendParameterValue(*this, flags);
}

void SysexParameter::resendValue()
{
    if (midiInterface_ != nullptr)
        midiInterface_->sendParameterValue(*this, SetValueFlag::sendToInstrument);
}

void SysexParameter::setBitWidth(std::uint32_t width)
{
    width = std::clamp(width, std::uint32_t(1), maxFieldWidth);
    fitEntriesToWidth(width);
    if (minimum() < 0)
        field_->writeBits(field_->readBits(bitOffset_, bitWidth_, true), bitOffset_, width);
    bitWidth_ = width;
}
