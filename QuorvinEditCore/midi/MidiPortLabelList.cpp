#include "midi/MidiPortLabelList.h"

#include "midi/MidiDeviceList.h"

const RefString& MidiPortLabelList::get(std::int32_t index) const
{
    if (leadingEntry_) {
        if (index == 0)
            return leadingText_;
        --index;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= list_.count())
        return emptyLabel();
    return list_.at(static_cast<std::size_t>(index)).name();
}

std::uint32_t MidiPortLabelList::count() const
{
    return static_cast<std::uint32_t>(list_.count()) + (leadingEntry_ ? 1 : 0);
}

void MidiPortLabelList::setLabel(std::int32_t index, const RefString& text)
{
    if (leadingEntry_ && index == 0)
        leadingText_ = text;
}
