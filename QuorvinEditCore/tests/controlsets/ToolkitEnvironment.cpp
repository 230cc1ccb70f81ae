// Starts the toolkit once for the program, with an event loop the tests
// drive by hand: posted events need one, a display does not.
#include <gtest/gtest.h>

#include <memory>

#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

namespace {

class ToolkitEnvironment : public ::testing::Environment {
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

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

} // namespace
