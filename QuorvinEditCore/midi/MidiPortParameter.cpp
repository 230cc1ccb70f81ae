#include "midi/MidiPortParameter.h"

#include "midi/MidiDeviceList.h"
#include "text/WxText.h"

#include <wx/intl.h>
#include <wx/log.h>

namespace {

MidiDeviceList& enumerate(MidiDeviceKind kind)
{
    return kind == MidiDeviceKind::input ? enumerateMidiInputs() : enumerateMidiOutputs();
}

constexpr std::int32_t noPort = 0;
constexpr std::int32_t leadingLabel = 0;

} // namespace

MidiPortParameter::MidiPortParameter(MidiInterface& midi, MidiDeviceKind kind)
    : Parameter(noPort, noPort), midi_(midi), kind_(kind), ports_(enumerate(kind))
{
    refreshPortList(flagsConstruct);
}

std::int32_t MidiPortParameter::getValue() const
{
    const MidiDeviceInfo& open = portDescription();
    std::size_t index = 0;
    if (open.isNone() || !ports_.indexOf(open, index))
        return noPort;
    return std::int32_t(index) + 1;
}

void MidiPortParameter::apply(std::uint32_t flags, std::int32_t value)
{
    if ((flags & SetValueFlag::userAction) == 0 || value == noValue)
        return;
    if (value <= noPort) {
        setPort(MidiDeviceInfo::none());
        return;
    }
    // The list is shared: another enumeration may have shortened it since
    // this parameter's range was set, so the range alone proves nothing.
    const auto index = std::size_t(value - 1);
    if (index >= ports_.count()) {
        wxLogWarning("MIDI ERROR: No MIDI port %d in the list of %d ports", value, int(ports_.count()));
        return;
    }
    setPort(ports_.at(index));
}

void MidiPortParameter::refreshPortList(std::uint32_t flags)
{
    enumerate(kind_);
    MidiPortLabelList& labels = ports_.labels();
    labels.setLeadingEntry(true);
    labels.setLabel(leadingLabel, ports_.count() > 0 ? RefString() : fromWxString(_("NO MIDI PORT FOUND")));
    setValueLabels(&labels);
    setRange(noPort, std::int32_t(labels.count()) - 1, flags);
}
