#pragma once
// The cursor of one incoming SysEx message while a template matches and reads
// it. Made by the caller over the whole message, F0 to F7; lives for the
// handling of that message.
#include "sysex/PackedAddress.h"

#include <cstddef>
#include <cstdint>
#include <span>

struct SysexReadState {
    explicit SysexReadState(std::span<const std::uint8_t> bytes) : message(bytes) {}

    std::span<const std::uint8_t> message;
    // Bytes before the final F7 that are not data (the checksum).
    std::size_t trailer = 0;
    // The first byte after the matched header.
    std::size_t cursor = 0;
    std::uint8_t deviceNumber = 0;
    // Taken from the header; a caller may replace it before reading data.
    PackedAddress address = 0;
    std::uint32_t byteCount = 0;
    std::uint32_t value = 0;
    // The header's address, count and value bytes (literal bytes are not summed).
    std::uint32_t sum = 0;
};
