// Starts the toolkit once for the whole program, with an event loop the
// tests pump by hand: the finder's search window is a real toolkit timer
// and answers reach it as posted events; no display is needed.
#include "tests/finder/FinderTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

namespace {

constexpr unsigned long pumpSliceMs = 5;

class WxEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(wxInitialize());
        loop_.reset(wxAppConsole::GetInstance()->GetTraits()->CreateEventLoop());
        wxEventLoopBase::SetActive(loop_.get());
        wxLog::SetVerbose(true);
    }

    void TearDown() override
    {
        wxEventLoopBase::SetActive(nullptr);
        loop_.reset();
        wxUninitialize();
    }

private:
    std::unique_ptr<wxEventLoopBase> loop_;
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new WxEnvironment);

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
