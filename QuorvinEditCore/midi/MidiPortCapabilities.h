#pragma once
// What a backend tells about one of its inputs or outputs. The id is the
// backend's own handle for opening it; it is not a position in any list.
#include <cstdint>
#include <string>

enum class MidiTechnology { port, mapper, synthesizer, other };

struct MidiPortCapabilities {
    std::uint32_t id = 0;
    std::string name; // UTF-8
    std::uint16_t manufacturerId = 0;
    std::uint16_t productId = 0;
    MidiTechnology technology = MidiTechnology::port;
};
