#pragma once
// The description of one MIDI input or output: how ports are remembered in
// the settings and found again among the installed devices.
#include "text/RefString.h"

#include <cstdint>

enum class MidiDeviceKind : std::uint8_t { input = 0, output = 1 };

class MidiDeviceInfo {
public:
    explicit MidiDeviceInfo(MidiDeviceKind kind = MidiDeviceKind::input) : kind_(kind) {}
    MidiDeviceInfo(MidiDeviceKind kind, std::uint16_t manufacturerId, std::uint16_t productId, RefString name);
    virtual ~MidiDeviceInfo() = default;
    MidiDeviceInfo(const MidiDeviceInfo&) = default;
    MidiDeviceInfo& operator=(const MidiDeviceInfo&) = default;

    MidiDeviceKind kind() const { return kind_; }
    std::uint16_t manufacturerId() const { return manufacturerId_; }
    std::uint16_t productId() const { return productId_; }
    const RefString& name() const { return name_; }

    // An empty name on either side matches nothing, so the none-description
    // never matches, not even itself.
    bool matches(const RefString& name, std::uint16_t manufacturerId, std::uint16_t productId) const;
    bool matches(const MidiDeviceInfo& other) const;
    bool isNone() const;

    // The one description that stands for "no port"; closed ports report it.
    static const MidiDeviceInfo& none();

private:
    MidiDeviceKind kind_;
    std::uint16_t manufacturerId_ = 0;
    std::uint16_t productId_ = 0;
    RefString name_;
};
