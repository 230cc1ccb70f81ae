#include "midi/MidiControlSet.h"

#include "labels/ValueLabels.h"
#include "midi/ControlSetMidiInParameter.h"
#include "midi/ControlSetMidiOutParameter.h"
#include "midi/MidiControlBinding.h"
#include "midi/MidiControlGrouper.h"
#include "midi/MidiInPort.h"
#include "midi/MidiInterface.h"
#include "midi/MidiLearner.h"
#include "midi/MidiOutPort.h"
#include "params/Parameter.h"
#include "params/ParameterRegistry.h"
#include "text/WxText.h"
#include "xml/XmlElement.h"

#include <algorithm>
#include <array>

#include <wx/translation.h>

namespace {

constexpr std::int32_t switchOff = 0;
constexpr std::int32_t switchOn = 1;
// A stored byte that is missing reads as this.
constexpr std::int32_t missingByte = 255;
constexpr std::int32_t notGiven = -1;
constexpr std::uint8_t dataByteLimit = 0x80;

// "OFF" and "ON", shared by the Learn and Confirm switches of every set;
// translated once, on first use.
const ValueLabels& switchLabels()
{
    static const std::array<RefString, 2> labels{fromWxString(_("OFF")), fromWxString(_("ON"))};
    static const ValueLabels list(labels.data(), std::uint32_t(labels.size()));
    return list;
}

std::uint8_t lowByte(std::int32_t value) { return std::uint8_t(value & 0xFF); }

// The first child of that name, without making one.
XmlElement existingChild(const XmlElement& element, const RefString& name)
{
    const std::vector<XmlElement> found = element.children(name);
    return found.empty() ? XmlElement() : found.front();
}

// A port element without a name names no port, whatever its ids.
MidiDeviceInfo storedPort(const XmlElement& element, const RefString& name, MidiDeviceKind kind)
{
    const MidiDeviceInfo port = readMidiPortElement(existingChild(element, name), kind);
    return port.name().isEmpty() ? MidiDeviceInfo(kind) : port;
}

// The layout a stored control gives, "-1" meaning "as the status says".
MidiControlBinding::ValueLayout storedLayout(const XmlElement& control, MidiControlBinding::ValueLayout layout)
{
    const XmlElement value = existingChild(control, u"message_value");
    const std::int32_t byteIndex = value.getIntAttribute(u"byte_index", notGiven);
    if (byteIndex != notGiven)
        layout.byteIndex = byteIndex;
    const std::int32_t size = value.getIntAttribute(u"size", notGiven);
    if (size != notGiven)
        layout.wide = size == MidiControlBinding::wideBits;
    return layout;
}

// Only a message with a value byte can move a parameter, and only a data
// byte a real message can carry tells controls apart. A stored layout other
// than the status's own comes from no file this program wrote; it would let
// one control's binding match another's messages depending on load order.
bool isUsableControl(const XmlElement& control, MidiMessage message)
{
    const MidiControlBinding::ValueLayout layout = MidiControlBinding::layoutOf(message.status);
    if (!MidiControlBinding::carriesValue(message.status) || storedLayout(control, layout) != layout)
        return false;
    const bool valueInData1 = layout.byteIndex == MidiControlBinding::valueInData1;
    const std::uint8_t identifying = valueInData1 ? message.data2 : message.data1;
    return layout.wide || identifying < dataByteLimit;
}

} // namespace

MidiControlSet::MidiControlSet(MidiInterface& midi)
    : MidiControlSet(midi, MidiControlGrouper::instance())
{
}

MidiControlSet::MidiControlSet(MidiInterface& midi, MidiControlGrouper& grouper)
    : midi_(midi)
    , grouper_(grouper)
    , inputParameter_(std::make_unique<ControlSetMidiInParameter>(midi, this))
    , outputParameter_(std::make_unique<ControlSetMidiOutParameter>(midi, this))
    , learnSwitch_(switchOff, switchOn, switchOff)
    , confirmSwitch_(switchOff, switchOn, switchOff)
{
    learnSwitch_.setValueLabels(&switchLabels());
    confirmSwitch_.setValueLabels(&switchLabels());
}

MidiControlSet::~MidiControlSet() = default;

void MidiControlSet::handleMessage(MidiMessage message)
{
    if (learnSwitch_.getValue() == switchOn) {
        learn(message);
        return;
    }
    for (const std::unique_ptr<MidiControlBinding>& binding : bindings_)
        binding->handle(message);
}

void MidiControlSet::learn(MidiMessage message)
{
    if (learner_)
        learner_->learn(*this, message);
}

MidiPortError MidiControlSet::setInput(const MidiDeviceInfo& description)
{
    return midi_.openInPort(input_, description);
}

MidiPortError MidiControlSet::setOutput(const MidiDeviceInfo& description)
{
    const MidiPortError result = midi_.openOutPort(output_, description);
    for (const std::unique_ptr<MidiControlBinding>& binding : bindings_)
        binding->setOutput(output_);
    return result;
}

MidiControlBinding& MidiControlSet::findOrCreateBinding(MidiMessage message)
{
    for (const std::unique_ptr<MidiControlBinding>& binding : bindings_)
        if (binding->matches(message))
            return *binding;
    return *bindings_.emplace_back(std::make_unique<MidiControlBinding>(midi_, grouper_, output_));
}

MidiControlBinding* MidiControlSet::bind(MidiMessage message, Parameter& parameter)
{
    if (!MidiControlBinding::carriesValue(message.status))
        return nullptr;
    MidiControlBinding& binding = findOrCreateBinding(message);
    unbind(binding);
    binding.attach(parameter);
    binding.setMessageBase(message);
    binding.setOutput(output_);
    binding.onParameterChanged(&parameter, flagsQuietInit);
    sortBindings();
    listeners_.notifyAll(&parameter, flagsQuietInit);
    return &binding;
}

void MidiControlSet::unbind(MidiControlBinding& binding) { binding.detach(); }

void MidiControlSet::eraseBinding(std::size_t index)
{
    if (index < bindings_.size())
        bindings_.erase(bindings_.begin() + std::ptrdiff_t(index));
}

void MidiControlSet::sortBindings()
{
    // Unbound bindings go last.
    std::stable_sort(bindings_.begin(), bindings_.end(), [](const auto& a, const auto& b) {
        if (!a->parameter() || !b->parameter())
            return a->parameter() != nullptr && b->parameter() == nullptr;
        return a->parameter()->key() < b->parameter()->key();
    });
}

void MidiControlSet::load(const XmlElement& element)
{
    name_.setText(element.getAttribute(u"name", fromWxString(_("Control surface"))));
    // The output first, so the bindings made below already have it.
    setOutput(storedPort(element, u"output", MidiDeviceKind::output));
    setInput(storedPort(element, u"input", MidiDeviceKind::input));
    for (const XmlElement& control : element.children(u"control"))
        loadControl(control);
}

void MidiControlSet::loadControl(const XmlElement& control)
{
    ParameterKey key;
    key.readXml(existingChild(control, u"parameter"));
    Parameter* parameter = findParameter(key);
    const XmlElement base = existingChild(control, u"message_base");
    const std::int32_t status = base.getIntAttribute(u"byte1", missingByte);
    if (!parameter || lowByte(status) == missingByte)
        return;
    const MidiMessage message{lowByte(status), lowByte(base.getIntAttribute(u"byte2", missingByte)),
        lowByte(base.getIntAttribute(u"byte3", missingByte))};
    if (isUsableControl(control, message))
        bind(message, *parameter);
}

void MidiControlSet::save(const XmlElement& element)
{
    element.setAttribute(u"name", name_.text());
    if (input_)
        writeMidiPortElement(element.child(u"input"), input_->openDescription());
    if (output_)
        writeMidiPortElement(element.child(u"output"), output_->openDescription());
    element.removeChildren(u"control");
    for (const std::unique_ptr<MidiControlBinding>& binding : bindings_)
        binding->save(element.addChild(u"control"));
}
