#include "benchmarks/editor/BenchmarkApp.h"

#include "gui/MainFrame.h"
#include "gui/WaitDialog.h"

#include <wx/evtloop.h>
#include <wx/log.h>

#include <cstdio>

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

BenchmarkApp::BenchmarkApp(Run run) : run_(std::move(run)) {}

BenchmarkApp::~BenchmarkApp() = default;

bool BenchmarkApp::OnInit()
{
    delete wxLog::SetActiveTarget(new TimedLog(*this));
    wxLog::SetVerbose(true);
    if (!EditorApp::OnInit())
        return false;
    frames_ = std::make_unique<ScreenFrames>(*mainFrame(), [this](BenchmarkClock::time_point at) {
        frameReachedServer(at);
    });
    if (!frames_->following()) {
        std::fprintf(stderr, "The main window's frames cannot be followed.\n");
        return false;
    }
    CallAfter([this] {
        run_(*this);
        frames_.reset();
        if (MainFrame* frame = mainFrame())
            frame->Close(true);
    });
    return true;
}

int BenchmarkApp::FilterEvent(wxEvent& event)
{
    if (event.GetEventType() == wxEVT_PAINT) {
        const auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
        if (frames_ && window && dynamic_cast<MainFrame*>(wxGetTopLevelParent(const_cast<wxWindow*>(window)))) {
            frames_->notePaint();
            painted_.insert(window);
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

void BenchmarkApp::frameReachedServer(BenchmarkClock::time_point at)
{
    lastFrame_ = at;
    if (!firstFrame_)
        firstFrame_ = at;
    if (!completeFrame_ && everyWindowPainted(*mainFrame()))
        completeFrame_ = at;
}

// Hidden pages and their controls do not count, nor dialogs, which draw on
// frames of their own; controls that are drawn by GTK itself send no paint
// event to wait for.
bool BenchmarkApp::everyWindowPainted(const wxWindow& parent) const
{
    for (const wxWindow* child : parent.GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel())
            continue;
        if (child->GetBackgroundStyle() == wxBG_STYLE_PAINT && !painted_.contains(child))
            return false;
        if (!everyWindowPainted(*child))
            return false;
    }
    return true;
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
        return now - start >= quiet && now - std::max(start, lastFrame_) >= quiet;
    }, limit);
}
