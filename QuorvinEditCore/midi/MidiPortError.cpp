#include "midi/MidiPortError.h"

#include <array>

RefString midiPortErrorText(MidiPortError error)
{
    static const std::array<RefString, 7> texts = {
        RefString(u"OK"),
        RefString(u"Device not found."),
        RefString(u"The MIDI port is not available."),
        RefString(u"Memory failure."),
        RefString(u"Received NULL data."),
        RefString(u"Buffer overflow."),
        RefString(u"Unhandled driver behaviour.\nThe software is not compatible with this MIDI driver."),
    };
    static const RefString unhandled(u"Unhandled error code.");
    const auto code = static_cast<std::size_t>(error);
    return code < texts.size() ? texts[code] : unhandled;
}
