#include "tests/sysexparams/ToolkitEnvironment.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

#include <memory>

namespace {

constexpr unsigned long pumpSliceMs = 5;

void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str(), line) << "wx assert in " << func.utf8_str() << ": " << cond.utf8_str() << " "
                                          << msg.utf8_str();
}

class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(wxInitialize());
        wxSetAssertHandler(failOnAssert);
        loop_.reset(wxAppConsole::GetInstance()->GetTraits()->CreateEventLoop());
        wxEventLoopBase::SetActive(loop_.get());
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

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

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
