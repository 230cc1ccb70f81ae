#pragma once
// The installed inputs or outputs, refilled by each enumeration. The two
// program-wide lists live for the whole run; a position in a list is not a
// backend id.
#include "midi/MidiDeviceInfo.h"
#include "midi/MidiPortLabelList.h"

#include <cstddef>
#include <vector>

class MidiDeviceList {
public:
    MidiDeviceList() = default;
    MidiDeviceList(const MidiDeviceList&) = delete;
    MidiDeviceList& operator=(const MidiDeviceList&) = delete;

    // Empties the list for up to n devices; the capacity never shrinks.
    void reset(std::size_t n, MidiDeviceKind kind);
    // False, and nothing added, once the list is at its capacity.
    bool add(std::uint16_t manufacturerId, std::uint16_t productId, RefString name);
    // The first device that the description matches.
    bool indexOf(const MidiDeviceInfo& description, std::size_t& index) const;

    std::size_t count() const { return count_; }
    std::size_t capacity() const { return elements_.size(); }
    const MidiDeviceInfo& at(std::size_t index) const { return elements_.at(index); }
    MidiPortLabelList& labels() { return labels_; }

private:
    std::vector<MidiDeviceInfo> elements_;
    std::size_t count_ = 0;
    MidiDeviceKind kind_ = MidiDeviceKind::input;
    MidiPortLabelList labels_{*this};
};

// Refill the program-wide lists from the current backend. Outputs list only
// MIDI ports and mappers, not synthesizers.
MidiDeviceList& enumerateMidiInputs();
MidiDeviceList& enumerateMidiOutputs();
