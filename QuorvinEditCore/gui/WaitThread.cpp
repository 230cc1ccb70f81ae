#include "gui/WaitThread.h"

#include "gui/WaitDialog.h"

#include <wx/evtloop.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <algorithm>

wxDEFINE_EVENT(EVT_WAIT_THREAD_STEP, wxThreadEvent);
wxDEFINE_EVENT(EVT_WAIT_THREAD_END, wxThreadEvent);

namespace {

// Takes the worker's reports on the GUI thread: moves the dialog's gauge and
// ends the nested event loop the GUI waits in.
class WaitThreadReceiver : public wxEvtHandler {
public:
    explicit WaitThreadReceiver(WaitDialog& dialog) : dialog_(dialog)
    {
        Bind(EVT_WAIT_THREAD_STEP, [this](wxThreadEvent& event) { dialog_.setProgress(event.GetInt()); });
        Bind(EVT_WAIT_THREAD_END, [this](wxThreadEvent&) { onEnd(); });
    }

    // Dispatches events until the worker has posted its end.
    void waitForEnd()
    {
        if (!ended_)
            loop_.Run();
    }

private:
    void onEnd()
    {
        ended_ = true;
        if (loop_.IsRunning())
            loop_.Exit();
    }

    WaitDialog& dialog_;
    wxGUIEventLoop loop_;
    bool ended_ = false;
};

} // namespace

WaitThread::WaitThread(wxEvtHandler& receiver, std::int32_t totalMs)
    : wxThread(wxTHREAD_JOINABLE), receiver_(receiver), remainingMs_(totalMs)
{
}

wxThread::ExitCode WaitThread::Entry()
{
    while (remainingMs_ > 0) {
        const std::int32_t step = std::min(remainingMs_, maxStepMs);
        wxMilliSleep(step);
        elapsedMs_ += step;
        remainingMs_ -= step;
        auto* report = new wxThreadEvent(EVT_WAIT_THREAD_STEP);
        report->SetInt(elapsedMs_);
        wxQueueEvent(&receiver_, report);
    }
    wxQueueEvent(&receiver_, new wxThreadEvent(EVT_WAIT_THREAD_END));
    return nullptr;
}

void runWaitThread(WaitDialog& dialog, std::int32_t totalMs, const wxString& message, std::int32_t finishMs)
{
    WaitThreadReceiver receiver(dialog);
    WaitThread thread(receiver, totalMs);
    dialog.start(message, std::max<std::int32_t>(totalMs, 0));
    if (thread.Run() == wxTHREAD_NO_ERROR) {
        // The user must not start another action while the GUI waits.
        const wxWindowDisabler disabler(&dialog);
        receiver.waitForEnd();
        thread.Wait();
    } else {
        wxLogWarning("Cannot start the worker thread of a %d ms wait; the wait is skipped", totalMs);
    }
    dialog.finish(finishMs);
}
