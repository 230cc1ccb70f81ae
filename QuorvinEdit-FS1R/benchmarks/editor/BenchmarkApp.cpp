#include "benchmarks/editor/BenchmarkApp.h"

#include "gui/MainFrame.h"
#include "gui/WaitDialog.h"

#include <wx/evtloop.h>
#include <wx/log.h>

namespace {

// Keeps every line with its time; nothing is shown.
class TimedLog : public wxLog {
public:
    explicit TimedLog(BenchmarkApp& app) : app_(app) {}

protected:
    void DoLogRecord(wxLogLevel, const wxString& message, const wxLogRecordInfo&) override
    {
        app_.addLine(message.utf8_string());
    }

private:
    BenchmarkApp& app_;
};

// The device's wait dialog has the main window as parent; the splash has none.
const WaitDialog* deviceWaitDialog(const wxObject* object)
{
    const auto* dialog = dynamic_cast<const WaitDialog*>(object);
    return dialog && dialog->GetParent() ? dialog : nullptr;
}

} // namespace

bool BenchmarkApp::OnInit()
{
    delete wxLog::SetActiveTarget(new TimedLog(*this));
    wxLog::SetVerbose(true);
    if (!EditorApp::OnInit())
        return false;
    CallAfter([this] {
        run_(*this);
        if (MainFrame* frame = mainFrame())
            frame->Close(true);
    });
    return true;
}

int BenchmarkApp::FilterEvent(wxEvent& event)
{
    if (event.GetEventType() == wxEVT_PAINT) {
        const auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
        if (window && dynamic_cast<MainFrame*>(wxGetTopLevelParent(const_cast<wxWindow*>(window)))) {
            lastPaint_ = BenchmarkClock::now();
            if (!firstPaint_)
                firstPaint_ = lastPaint_;
        }
    } else if (event.GetEventType() == wxEVT_SHOW && deviceWaitDialog(event.GetEventObject())
               && !static_cast<wxShowEvent&>(event).IsShown()) {
        waitHidden_ = BenchmarkClock::now();
    }
    return EditorApp::FilterEvent(event);
}

MainFrame* BenchmarkApp::mainFrame() const
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* frame = dynamic_cast<MainFrame*>(window))
            return frame;
    return nullptr;
}

bool BenchmarkApp::waitShown() const
{
    for (const wxWindow* window : wxTopLevelWindows)
        if (deviceWaitDialog(window) && window->IsShown())
            return true;
    return false;
}

bool BenchmarkApp::pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = BenchmarkClock::now() + limit;
    wxEventLoopBase* const loop = wxEventLoopBase::GetActive();
    for (;;) {
        ProcessPendingEvents();
        if (done())
            return true;
        if (BenchmarkClock::now() >= deadline)
            return false;
        loop->DispatchTimeout(1);
    }
}

void BenchmarkApp::pumpUntilPaintsStop(std::chrono::milliseconds quiet, std::chrono::milliseconds limit)
{
    const auto start = BenchmarkClock::now();
    pumpUntil([&] {
        const auto now = BenchmarkClock::now();
        return now - start >= quiet && now - std::max(start, lastPaint_) >= quiet;
    }, limit);
}
