#pragma once
// Log texts of short MIDI messages, as "Control CH1 7 100" or "Clock".
#include "midi/MidiMessage.h"
#include "text/RefString.h"

// Channel messages by their high nibble, system messages by the whole byte;
// null for data bytes and for F4, F5, F9 and FD.
const char16_t* midiStatusName(std::uint8_t status);
// Numbers in decimal; withData adds the data bytes (and the 14-bit value of
// pitch bend and song position).
RefString midiMessageText(MidiMessage message, bool withData);
