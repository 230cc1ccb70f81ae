#include "midi/MidiMessageText.h"

#include <array>
#include <string>

namespace {

constexpr std::array<const char16_t*, 7> channelNames = {
    u"Note off", u"Note on", u"Key aft", u"Control", u"Program", u"Chan aft", u"Bender",
};
constexpr std::array<const char16_t*, 16> systemNames = {
    u"Sysex", u"1/4 Frm", u"Song pos", u"Song sel", nullptr, nullptr, u"Tune req", u"Sysex end",
    u"Clock", nullptr, u"Start", u"Continue", u"Stop", nullptr, u"Sense", u"Reset",
};

constexpr std::uint8_t firstChannelStatus = 0x80;
constexpr std::uint8_t firstSystemStatus = 0xF0;
constexpr std::uint8_t quarterFrame = 0xF1;
constexpr std::uint8_t songPosition = 0xF2;
constexpr std::uint8_t songSelect = 0xF3;

std::u16string number(unsigned value)
{
    std::u16string text;
    for (const char digit : std::to_string(value))
        text += static_cast<char16_t>(digit);
    return text;
}

unsigned fourteenBit(MidiMessage message)
{
    return message.data2 * 128u + message.data1;
}

// What follows the name and channel: how many data bytes, or the 14-bit value.
std::u16string dataText(MidiMessage message, bool withData)
{
    const std::uint8_t kind = message.status & 0xF0;
    switch (kind) {
    case 0x80: case 0x90: case 0xA0: case 0xB0:
        return u" " + number(message.data1) + (withData ? u" " + number(message.data2) : u"");
    case 0xC0: case 0xD0:
        return withData ? u" " + number(message.data1) : u"";
    case 0xE0:
        return withData ? u" " + number(fourteenBit(message)) : u"";
    default:
        break;
    }
    if (!withData)
        return u"";
    if (message.status == quarterFrame || message.status == songSelect)
        return u" " + number(message.data1);
    if (message.status == songPosition)
        return u" " + number(fourteenBit(message));
    return u"";
}

} // namespace

const char16_t* midiStatusName(std::uint8_t status)
{
    if (status < firstChannelStatus)
        return nullptr;
    if (status >= firstSystemStatus)
        return systemNames[status - firstSystemStatus];
    return channelNames[(status >> 4) - (firstChannelStatus >> 4)];
}

RefString midiMessageText(MidiMessage message, bool withData)
{
    const char16_t* name = midiStatusName(message.status);
    std::u16string text = name ? name : u"";
    if (message.status >= firstChannelStatus && message.status < firstSystemStatus)
        text += u" CH" + number((message.status & 0x0Fu) + 1);
    if (message.status >= firstChannelStatus)
        text += dataText(message, withData);
    return RefString(text);
}
