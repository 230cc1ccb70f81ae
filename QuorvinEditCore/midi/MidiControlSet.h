#pragma once
// The bindings of one MIDI control surface: which incoming short message
// moves which parameter, the surface's input and output ports, its name and
// the Learn and Confirm switches. Reads and writes the "control_set"
// element of the settings file and of "*.ctrl.xml" files. Owned by the MIDI
// interface, which owns the ports too.
#include "localparams/EditableName.h"
#include "localparams/LocalParameter.h"
#include "midi/MidiControlSetBase.h"
#include "midi/MidiPortError.h"
#include "params/ListenerList.h"

#include <cstddef>
#include <memory>
#include <vector>

class ControlSetMidiInParameter;
class ControlSetMidiOutParameter;
class MidiControlBinding;
class MidiControlGrouper;
class MidiDeviceInfo;
class MidiInterface;
class MidiLearner;
class Parameter;

class MidiControlSet final : public MidiControlSetBase {
public:
    // The grouper defaults to the process's one.
    explicit MidiControlSet(MidiInterface& midi);
    MidiControlSet(MidiInterface& midi, MidiControlGrouper& grouper);
    // The bindings leave their parameters; the ports stay with the interface.
    ~MidiControlSet() override;
    MidiControlSet(const MidiControlSet&) = delete;
    MidiControlSet& operator=(const MidiControlSet&) = delete;

    // --- MidiControlSetBase -------------------------------------------------
    MidiInPort* input() const override { return input_; }
    MidiOutPort* output() const override { return output_; }
    // With Learn on the message is learnt; otherwise every binding that
    // matches it sets its parameter.
    void handleMessage(MidiMessage message) override;
    // Adds the element's controls to the bindings (a control already bound
    // is rebound) and opens its ports; controls whose parameter is unknown
    // or whose message cannot drive a parameter are skipped.
    void load(const XmlElement& element) override;
    void save(const XmlElement& element) override;

    // Opens the described port in this set's slot through the interface; the
    // none-description empties the slot. Every binding's feedback follows a
    // new output.
    MidiPortError setInput(const MidiDeviceInfo& description);
    MidiPortError setOutput(const MidiDeviceInfo& description);

    // --- Bindings ------------------------------------------------------------
    // The first binding that matches the message, else a new unbound one at
    // the end of the list.
    MidiControlBinding& findOrCreateBinding(MidiMessage message);
    // Binds the message's control to the parameter, rebinding the control
    // when it is already bound, sends the parameter's value to the surface
    // and tells the listeners. Null, and nothing bound, for a message that
    // carries no value (clock, reset, SysEx): it could never move anything.
    MidiControlBinding* bind(MidiMessage message, Parameter& parameter);
    void unbind(MidiControlBinding& binding);
    // Nothing for an index past the end.
    void eraseBinding(std::size_t index);
    std::size_t bindingCount() const { return bindings_.size(); }
    MidiControlBinding& binding(std::size_t index) const { return *bindings_.at(index); }
    // Told, with the parameter, after each new binding.
    ListenerList& listeners() { return listeners_; }

    // --- Learn ---------------------------------------------------------------
    // Not owned; null turns learning off.
    void setLearner(MidiLearner* learner) { learner_ = learner; }
    void learn(MidiMessage message);

    // --- For the control-set dialog ------------------------------------------
    MidiInterface& midiInterface() const { return midi_; }
    EditableName& name() { return name_; }
    const EditableName& name() const { return name_; }
    ControlSetMidiInParameter& inputParameter() const { return *inputParameter_; }
    ControlSetMidiOutParameter& outputParameter() const { return *outputParameter_; }
    LocalParameter& learnSwitch() { return learnSwitch_; }
    LocalParameter& confirmSwitch() { return confirmSwitch_; }

private:
    void loadControl(const XmlElement& control);
    void sortBindings();

    MidiInterface& midi_;
    MidiControlGrouper& grouper_;
    std::vector<std::unique_ptr<MidiControlBinding>> bindings_;
    MidiInPort* input_ = nullptr;
    MidiOutPort* output_ = nullptr;
    EditableName name_;
    std::unique_ptr<ControlSetMidiInParameter> inputParameter_;
    std::unique_ptr<ControlSetMidiOutParameter> outputParameter_;
    LocalParameter learnSwitch_;
    LocalParameter confirmSwitch_;
    MidiLearner* learner_ = nullptr;
    ListenerList listeners_;
};
