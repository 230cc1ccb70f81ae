#include "midi/MidiLearnSession.h"

#include "midi/MidiControlBinding.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiLearnPrompt.h"
#include "text/WxText.h"

#include <utility>

#include <wx/translation.h>

namespace {

constexpr std::int32_t switchOff = 0;

} // namespace

MidiLearnSession::MidiLearnSession(MidiControlSet& set, PromptFactory makePrompt, Warning warn,
    FocusedParametersSource focus)
    : set_(set), makePrompt_(std::move(makePrompt)), warn_(std::move(warn)), focus_(std::move(focus))
{
    set_.setLearner(this);
}

MidiLearnSession::~MidiLearnSession() { set_.setLearner(nullptr); }

void MidiLearnSession::learn(MidiControlSet& /*set*/, MidiMessage message)
{
    // Clock, active sensing and the like carry no value: they could bind
    // nothing, and a surface sending them would otherwise keep opening the
    // prompt or push the moved control's message out of it.
    if (!MidiControlBinding::carriesValue(message.status))
        return;
    message_ = message;
    if (prompt_) {
        prompt_->setMessage(message);
        return;
    }
    const std::shared_ptr<const ParameterList> candidates = focus_ ? focus_() : nullptr;
    if (!candidates)
        return;
    const std::unique_ptr<MidiLearnPrompt> prompt = makePrompt_(candidates);
    if (prompt)
        finish(*prompt);
}

void MidiLearnSession::finish(MidiLearnPrompt& prompt)
{
    prompt_ = &prompt;
    prompt.setMessage(message_);
    // Messages that arrive while the prompt runs come back in through learn.
    const bool accepted = prompt.run(set_.confirmSwitch().getValue() != switchOff);
    prompt_ = nullptr;
    if (!accepted)
        return;
    if (Parameter* parameter = prompt.selectedParameter())
        set_.bind(message_, *parameter);
    else if (warn_)
        warn_(fromWxString(_("Warning")), fromWxString(_("You did not select a parameter. No binding was made.")));
}
