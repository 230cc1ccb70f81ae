// Test main for programs that need the toolkit but no display: posted
// events, timers and messages logged on other threads want an application
// object and an event loop, which the tests run by hand (EventPump.h).
#include "tests/support/ToolkitAsserts.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const wxInitializer toolkit;
    if (!toolkit.IsOk()) {
        std::fprintf(stderr, "cannot start the toolkit\n");
        return 1;
    }
    const std::unique_ptr<wxEventLoopBase> loop(wxAppConsole::GetInstance()->GetTraits()->CreateEventLoop());
    wxEventLoopBase::SetActive(loop.get());
    // Tests read the program's verbose traces.
    wxLog::SetVerbose(true);
    failTestsOnToolkitAsserts();
    const int result = RUN_ALL_TESTS();
    wxEventLoopBase::SetActive(nullptr);
    return result;
}
