#include "tests/gui_dialogs/DialogEvents.h"

#include <wx/app.h>
#include <wx/evtloop.h>

namespace dialogtest {

namespace {

constexpr unsigned long sliceMs = 5;

} // namespace

bool runEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    wxGUIEventLoop loop;
    const wxEventLoopActivator active(&loop);
    for (;;) {
        wxTheApp->ProcessPendingEvents();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        loop.DispatchTimeout(sliceMs);
    }
}

} // namespace dialogtest
