#pragma once
// MIDI learn for one control set: while its Learn switch is on, a message
// from the surface opens a prompt offering the parameters of the control
// under the pointer, and an accepted prompt binds the message's control to
// the chosen one. Registers itself as the set's learner for its lifetime;
// owned by whoever shows the set (its control-set dialog).
#include "midi/FocusedParameters.h"
#include "midi/MidiLearner.h"
#include "midi/MidiMessage.h"
#include "text/RefString.h"

#include <functional>
#include <memory>

class MidiLearnPrompt;

class MidiLearnSession final : public MidiLearner {
public:
    using PromptFactory = std::function<std::unique_ptr<MidiLearnPrompt>(std::shared_ptr<const ParameterList>)>;
    // A message box with an OK button.
    using Warning = std::function<void(const RefString& caption, const RefString& text)>;

    MidiLearnSession(MidiControlSet& set, PromptFactory makePrompt, Warning warn,
        FocusedParametersSource focus = focusedParameters);
    ~MidiLearnSession() override;
    MidiLearnSession(const MidiLearnSession&) = delete;
    MidiLearnSession& operator=(const MidiLearnSession&) = delete;

    // While a prompt is up, a message only replaces the one it shows.
    void learn(MidiControlSet& set, MidiMessage message) override;
    bool isPrompting() const { return prompt_ != nullptr; }

private:
    void finish(MidiLearnPrompt& prompt);

    MidiControlSet& set_;
    PromptFactory makePrompt_;
    Warning warn_;
    FocusedParametersSource focus_;
    MidiLearnPrompt* prompt_ = nullptr;
    MidiMessage message_;
};
