#include "app/ReleaseAsserts.h"
#include "tests/support/ToolkitAsserts.h"

#include <gmock/gmock.h>
#include <wx/debug.h>

namespace {

TEST(ReleaseAssertsTest, AnAssertIsWrittenToStderrAndTheProgramGoesOn)
{
    reportAssertsOnStderr();
    testing::internal::CaptureStderr();
    bool wentOn = false;
    wxFAIL_MSG("a menu item without a text");
    wentOn = true;
    const std::string written = testing::internal::GetCapturedStderr();
    failTestsOnToolkitAsserts();

    EXPECT_TRUE(wentOn);
    EXPECT_THAT(written, testing::MatchesRegex(".*ReleaseAssertsTest.cpp:[0-9]+: assert in .*TestBody.*: "
                                               ".* a menu item without a text\n"));
}

} // namespace
