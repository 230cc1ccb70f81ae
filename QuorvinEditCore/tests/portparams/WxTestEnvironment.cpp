// Starts the toolkit once for the whole program: the MIDI interface's timers
// need an application object, not a display.
#include <gtest/gtest.h>

#include <wx/init.h>
#include <wx/log.h>

namespace {

class WxEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(wxInitialize());
        wxLog::SetVerbose(true);
    }
    void TearDown() override { wxUninitialize(); }
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new WxEnvironment);

} // namespace
