#include "tests/support/EventPump.h"

#include <wx/app.h>
#include <wx/evtloop.h>

namespace {

constexpr unsigned long pumpSliceMs = 5;

} // namespace

bool pumpEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    wxEventLoopBase* const loop = wxEventLoopBase::GetActive();
    for (;;) {
        wxAppConsole::GetInstance()->ProcessPendingEvents();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        loop->DispatchTimeout(pumpSliceMs);
    }
}

void pumpEventsFor(std::chrono::milliseconds time)
{
    pumpEventsUntil([] { return false; }, time);
}

void runPendingEvents()
{
    wxAppConsole* const app = wxAppConsole::GetInstance();
    while (app->HasPendingEvents())
        app->ProcessPendingEvents();
}
