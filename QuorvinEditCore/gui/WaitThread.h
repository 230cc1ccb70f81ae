#pragma once
// A worker that spends a known time in steps and reports each step, so the
// GUI can move a gauge while it waits; it never touches a window itself but
// posts to a handler on the GUI thread. Joinable: its owner waits for it.
#include <wx/event.h>
#include <wx/thread.h>

#include <cstdint>

class WaitDialog;

// After each step: the milliseconds spent so far, in GetInt. Last of all:
// the end, with nothing in it.
wxDECLARE_EVENT(EVT_WAIT_THREAD_STEP, wxThreadEvent);
wxDECLARE_EVENT(EVT_WAIT_THREAD_END, wxThreadEvent);

class WaitThread : public wxThread {
public:
    static constexpr std::int32_t maxStepMs = 200;

    // receiver must outlive the thread and the events it posts.
    WaitThread(wxEvtHandler& receiver, std::int32_t totalMs);

protected:
    ExitCode Entry() override;

private:
    wxEvtHandler& receiver_;
    std::int32_t remainingMs_;
    std::int32_t elapsedMs_ = 0;
};

// Shows the dialog with the message and a gauge over totalMs, spends totalMs
// on a WaitThread while the GUI keeps dispatching (the gauge moves, other
// windows take no input), then starts the dialog's finish over finishMs.
// Returns when the time is spent. GUI thread only.
void runWaitThread(WaitDialog& dialog, std::int32_t totalMs, const wxString& message, std::int32_t finishMs);
