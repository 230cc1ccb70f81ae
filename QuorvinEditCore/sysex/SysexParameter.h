#pragma once
// A parameter whose value lives in a bit field of one memory entry, or as a
// 14-bit value over a low and a high entry, and which sends its entries as
// parameter changes when a change asks for it. Made by the ParameterFactory,
// which owns it, or in storage a page provides.
#include "params/Parameter.h"

#include <cstdint>
#include <memory>

class AddressEntry;
class MidiInterface;
class SysexField;

class SysexParameter : public Parameter {
public:
    // A field of [minimum, maximum] in one entry, its lowest bit at
    // bitOffset. Without an interface nothing is ever sent.
    SysexParameter(MidiInterface* midiInterface, AddressEntry& entry, std::int32_t minimum, std::int32_t maximum,
        std::uint32_t bitOffset);
    // A 14-bit value: bits 0-6 in the low entry, bits 7-13 in the high one.
    SysexParameter(MidiInterface* midiInterface, AddressEntry& high, AddressEntry& low);
    // Leaves the listener lists of its entries.
    ~SysexParameter() override;

    std::int32_t getValue() const override;
    // Writes the bits on storeBoundData (never for noValue) and tells the
    // other parameters on its entries, then sends the entries on
    // sendToInstrument.
    void apply(std::uint32_t flags, std::int32_t value) override;
    void resendValue() override;

    // A new field width: the entries grow to hold it, and a signed value is
    // written back at the new width so that it keeps its sign.
    void setBitWidth(std::uint32_t width);

    std::uint32_t bitOffset() const { return bitOffset_; }
    std::uint32_t bitWidth() const { return bitWidth_; }
    // Signed fields carry an extra sign bit.
    bool isSigned() const { return minimum() < 0 || maximum() < 0; }
    const SysexField& field() const { return *field_; }

private:
    void attachTo(std::shared_ptr<SysexField> field);
    void fitEntriesToWidth(std::uint32_t width);

    MidiInterface* midiInterface_;
    // Owned by the entries; the weak handle tells whether they still exist
    // when this parameter goes.
    SysexField* field_ = nullptr;
    std::weak_ptr<SysexField> fieldLifetime_;
    std::uint32_t bitOffset_;
    std::uint32_t bitWidth_;
};
