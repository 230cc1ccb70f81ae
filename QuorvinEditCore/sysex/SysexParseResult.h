#pragma once
// Results of matching and reading SysEx, shared by the MIDI interface and the
// .syx loader, which turn them into texts. The numbers are fixed.
#include <cstdint>

enum class SysexParseResult : std::uint32_t {
    success = 0,
    emptyTemplate = 1,
    noStart = 2,          // the message does not begin with F0
    literalMismatch = 3,  // not a message of this template's kind
    statusInData = 4,     // a status byte other than F7 among the data
    endInData = 5,        // F7 among the data: the message ended early
    endMisplaced = 6,     // no F7 where the message should end
    checksumError = 7,    // also for an unknown checksum mode
};
