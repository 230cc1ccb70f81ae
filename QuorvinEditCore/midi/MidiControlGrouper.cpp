#include "midi/MidiControlGrouper.h"

#include "params/SetValueFlags.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/log.h>
#include <wx/timer.h>
#include <wx/translation.h>

namespace {

class ToolkitTimer final : public MidiControlGrouper::Timer, private wxTimer {
public:
    explicit ToolkitTimer(MidiControlGrouper& grouper) : grouper_(grouper) {}

    void start(std::chrono::milliseconds delay) override { StartOnce(int(delay.count())); }
    void stop() override { Stop(); }

private:
    void Notify() override { grouper_.timerExpired(); }

    MidiControlGrouper& grouper_;
};

} // namespace

MidiControlGrouper& MidiControlGrouper::instance()
{
    // Never destroyed: a toolkit timer must not outlive the toolkit.
    static auto* grouper = new MidiControlGrouper();
    return *grouper;
}

MidiControlGrouper::MidiControlGrouper()
    : timer_(std::make_unique<ToolkitTimer>(*this))
{
    Bind(midiControlEventType, &MidiControlGrouper::onEvent, this);
}

MidiControlGrouper::MidiControlGrouper(std::unique_ptr<Timer> timer)
    : timer_(std::move(timer))
{
    Bind(midiControlEventType, &MidiControlGrouper::onEvent, this);
}

MidiControlGrouper::~MidiControlGrouper()
{
    timer_->stop();
    if (current_ != MidiControlEvent::noBinding)
        closeGroup();
}

void MidiControlGrouper::bindingMoved(MidiControlEvent::BindingSerial binding)
{
    postMidiControlEvent(*this, binding);
}

void MidiControlGrouper::timerExpired() { postMidiControlEvent(*this, MidiControlEvent::noBinding); }

void MidiControlGrouper::forget(MidiControlEvent::BindingSerial binding)
{
    if (binding == MidiControlEvent::noBinding || binding != current_)
        return;
    timer_->stop();
    closeGroup();
}

void MidiControlGrouper::onEvent(MidiControlEvent& event)
{
    const MidiControlEvent::BindingSerial binding = event.binding();
    if (binding == MidiControlEvent::noBinding) {
        // A late end after the group was already closed must not close a
        // group someone else opened.
        if (current_ != MidiControlEvent::noBinding)
            closeGroup();
        return;
    }
    if (current_ == MidiControlEvent::noBinding) {
        wxLogVerbose("MIDI control: start cmd group");
        openGroup(binding);
    } else if (current_ != binding) {
        wxLogVerbose("*MIDI control: new cmd group");
        endCommandGroup(flagsUserEdit);
        openGroup(binding);
    }
    timer_->start(closeDelay);
}

void MidiControlGrouper::openGroup(MidiControlEvent::BindingSerial binding)
{
    beginCommandGroup(fromWxString(_("MIDI control")), flagsUserEdit);
    current_ = binding;
}

void MidiControlGrouper::closeGroup()
{
    wxLogVerbose("MIDI control: end cmd group");
    endCommandGroup(flagsUserEdit);
    current_ = MidiControlEvent::noBinding;
}
