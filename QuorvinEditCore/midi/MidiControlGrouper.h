#pragma once
// Makes a run of changes from one control of a MIDI control surface one undo
// step, "MIDI control": the group opens when a binding first moves, closes
// one second after its last move, or when another binding moves. One per
// process (instance), shared by every control set; tests make their own with
// a timer they drive.
#include "midi/MidiControlEvent.h"

#include <chrono>
#include <memory>

#include <wx/event.h>

class MidiControlGrouper : public wxEvtHandler {
public:
    static constexpr std::chrono::milliseconds closeDelay{1000};

    // A one-shot timer that calls timerExpired when it runs out.
    class Timer {
    public:
        virtual ~Timer() = default;
        // Starts again from now when it is running.
        virtual void start(std::chrono::milliseconds delay) = 0;
        virtual void stop() = 0;
    };

    // The process's grouper, with a toolkit timer; made on first use, after
    // the toolkit has started, and never destroyed.
    static MidiControlGrouper& instance();

    explicit MidiControlGrouper(std::unique_ptr<Timer> timer);
    ~MidiControlGrouper() override;
    MidiControlGrouper(const MidiControlGrouper&) = delete;
    MidiControlGrouper& operator=(const MidiControlGrouper&) = delete;

    // A binding moved its parameter; handled after the change, from the
    // pending events.
    void bindingMoved(MidiControlEvent::BindingSerial binding);
    // Called by the timer: the group's end is queued behind the moves
    // already waiting.
    void timerExpired();
    // The binding is going away: a group it keeps open is closed now, so the
    // grouper never waits on a binding that no longer exists.
    void forget(MidiControlEvent::BindingSerial binding);

    // The binding whose moves the open group collects; noBinding when none.
    MidiControlEvent::BindingSerial current() const { return current_; }

private:
    MidiControlGrouper();
    void onEvent(MidiControlEvent& event);
    void openGroup(MidiControlEvent::BindingSerial binding);
    void closeGroup();

    std::unique_ptr<Timer> timer_;
    MidiControlEvent::BindingSerial current_ = MidiControlEvent::noBinding;
};
